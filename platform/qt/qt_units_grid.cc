// Grid units: a table view over the grid model, its headings the grid's fixed rows.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include "platform/qt/qt_apply_scope.h"
#include "platform/qt/qt_grid_delegate.h"
#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_key_reporter.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

// Reports the right button's release over a cell.
class RightUpReporter : public QObject {
 public:
  RightUpReporter(WindowView* view, ui::Unit& u, QTableView* table)
      : QObject(table), view_(view), unit_(u), table_(table) {
    table->viewport()->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonRelease || !view_->Live()) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    const QModelIndex at = table_->indexAt(mouse->position().toPoint());
    ui::user::GridRightUp(unit_, at.isValid() ? at.row() : -1, at.isValid() ? at.column() : -1);
    return false;
  }

 private:
  WindowView* view_;
  ui::Unit& unit_;
  QTableView* table_;
};

// The table of a grid unit. Taking the focus puts Qt's current cell on the first cell when
// there is none; that is no move of the user's, so the model is not told.
class GridView : public QTableView {
 public:
  using QTableView::QTableView;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    ApplyScope not_the_user;
    QTableView::focusInEvent(event);
  }
};

QTableView* TableOf(const ui::Unit& u) {
  return qobject_cast<QTableView*>(static_cast<QObject*>(u.realisation));
}

// Sizes and merged cells as the model has them (a pass over every row and column).
void ApplyLayout(QTableView* table, const GridModel& m) {
  for (int r = 0; r < m.rows(); ++r) table->setRowHeight(r, m.RowHeight(r));
  for (int c = 0; c < m.cols(); ++c) table->setColumnWidth(c, m.ColumnWidth(c));
  table->clearSpans();
  for (const GridMerge& merge : m.merges()) {
    const CellRange& r = merge.range;
    table->setSpan(r.row1, r.col1, r.row2 - r.row1 + 1, r.col2 - r.col1 + 1);
  }
}

// The cursor as the model has it.
void ApplyCursor(QTableView* table, const GridModel& m) {
  const QModelIndex cursor = table->model()->index(m.cursor_row(), m.cursor_col());
  if (cursor != table->currentIndex()) table->setCurrentIndex(cursor);
}

}  // namespace

QWidget* MakeGridWidget(WindowView* view, ui::Unit& u) {
  auto* table = new GridView(view->client());
  auto* model = new GridTable(view, u, table);
  table->setModel(model);
  table->setItemDelegate(new GridDelegate(
      table, [view, &u](QWidget* editor) { new KeyReporter(view, u, editor, true); }));
  table->horizontalHeader()->hide();  // the grid's own fixed rows are its headings
  table->verticalHeader()->hide();
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  QObject::connect(table->selectionModel(), &QItemSelectionModel::currentChanged, view,
                   [view, &u](const QModelIndex& now) {
                     if (now.isValid() && view->Live())
                       ui::user::GridClick(u, now.row(), now.column());
                   });
  new KeyReporter(view, u, table, true);
  new RightUpReporter(view, u, table);
  return table;
}

void ApplyGridProp(ui::Unit& u, ui::Prop what) {
  QTableView* table = TableOf(u);
  if (what != ui::Prop::kGrid || !table || !u.grid) return;
  auto* model = static_cast<GridTable*>(table->model());
  model->Refresh();  // cheap: the view's size and a repaint
  ApplyCursor(table, *u.grid);
  model->RefreshLater([table, model] {
    if (model->grid()) ApplyLayout(table, *model->grid());
  });
}

}  // namespace qtp
