// Grid units: a table view over the grid model, its headings the grid's fixed rows.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

#include "platform/qt/qt_apply_scope.h"
#include "platform/qt/qt_grid_delegate.h"
#include "platform/qt/qt_grid_keys.h"
#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_grid_view.h"
#include "platform/qt/qt_key_reporter.h"
#include "platform/qt/qt_text.h"
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

GridView* TableOf(const ui::Unit& u) {
  return dynamic_cast<GridView*>(static_cast<QObject*>(u.realisation));
}

// Column widths and the merged cells that start above row `below`.
void ApplyColumnsAndSpans(GridView* table, const GridModel& m, int below) {
  table->ResizeSections([&] {
    for (int c = 0; c < m.cols(); ++c) table->setColumnWidth(c, m.ColumnWidth(c));
  });
  table->clearSpans();
  for (const GridMerge& merge : m.merges()) {
    const CellRange& r = merge.range;
    if (r.row1 < below) table->setSpan(r.row1, r.col1, r.row2 - r.row1 + 1, r.col2 - r.col1 + 1);
  }
}

// Sizes and merged cells as the model has them (a pass over every row and column); the fixed
// rows show in the overlay, the others scroll under it.
void ApplyLayout(GridView* table, const GridModel& m) {
  const int fixed = std::clamp(m.fixed_rows(), 0, m.rows());
  int fixed_height = 0;
  // New rows come at the grid's row height; only rows that differ are resized or hidden, and
  // only rows before the last one of another height or hidden (in the model or in the view)
  // can differ.
  if (table->verticalHeader()->defaultSectionSize() != kDefaultRowHeight)
    table->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
  const int rows = std::min(m.rows(), std::max({table->shaped_rows(), m.sized_rows(), fixed}));
  int shaped = 0;
  table->ResizeSections([&] {
    for (int r = 0; r < rows; ++r) {
      if (table->rowHeight(r) != m.RowHeight(r)) table->setRowHeight(r, m.RowHeight(r));
      if (table->isRowHidden(r) != (r < fixed)) table->setRowHidden(r, r < fixed);
      if (r < fixed || m.RowHeight(r) != kDefaultRowHeight) shaped = r + 1;
    }
  });
  table->set_shaped_rows(shaped);
  ApplyColumnsAndSpans(table, m, m.rows());
  GridView* frozen = table->frozen();
  frozen->ResizeSections([&] {
    for (int r = 0; r < fixed; ++r) {
      frozen->setRowHeight(r, m.RowHeight(r));
      fixed_height += m.RowHeight(r);
    }
  });
  ApplyColumnsAndSpans(frozen, m, fixed);
  table->FreezeRows(fixed, fixed_height);
  table->LayOutNow();
}

// The cursor as the model has it.
void ApplyCursor(QTableView* table, const GridModel& m) {
  const QModelIndex cursor = table->model()->index(m.cursor_row(), m.cursor_col());
  if (cursor != table->currentIndex()) table->setCurrentIndex(cursor);
}

// The editors of the unit's cells: their keys reported, their byte limits, their Return.
GridEditorHooks EditorHooks(WindowView* view, ui::Unit& u) {
  GridEditorHooks hooks;
  hooks.made = [view, &u](QWidget* editor) { new KeyReporter(view, u, editor, true); };
  hooks.bytes = [&u](int row, int col) { return ui::TextBytesAt(u, row, col); };
  hooks.returned = [view, &u](int row, int col, std::optional<QString> text) {
    if (!view->Live()) return;
    ui::user::GridReturn(u, row, col, text ? std::optional(S(*text)) : std::nullopt);
  };
  return hooks;
}

// The editors, look and reports of a table of the grid unit (the unit's own or its overlay).
// Typing starts an edit (GridKeys); a click on the cursor cell does not, so that what is typed
// right after it is never lost to an editor opening late.
void WireTable(WindowView* view, ui::Unit& u, QTableView* table) {
  table->setItemDelegate(new GridDelegate(table, EditorHooks(view, u)));
  table->horizontalHeader()->hide();  // the grid's own fixed rows are its headings
  table->verticalHeader()->hide();
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  new GridKeys(view, u, table);
  new KeyReporter(view, u, table, true);
  new RightUpReporter(view, u, table);
  // A press on the cell Qt already had as its current one (taken with the focus, which the
  // model is not told of) changes no current cell: it is reported here as the click it is.
  QObject::connect(table, &QAbstractItemView::pressed, view,
                   [view, &u, table](const QModelIndex& at) {
                     if (!view->Live() || !u.grid || at != table->currentIndex()) return;
                     int row = at.row(), col = at.column();
                     if (const GridMerge* merge = u.grid->MergeAt(row, col)) {
                       row = merge->anchor_row;
                       col = merge->anchor_col;
                     }
                     if (u.grid->cursor_row() != row || u.grid->cursor_col() != col)
                       ui::user::GridClick(u, at.row(), at.column());
                   });
}

}  // namespace

QWidget* MakeGridWidget(WindowView* view, ui::Unit& u) {
  auto* table = new GridView(view->client());
  table->setModel(new GridTable(view, u, table));
  WireTable(view, u, table);
  WireTable(view, u, table->MakeFrozen());
  // One selection for both tables: one cursor, reported once.
  QObject::connect(table->selectionModel(), &QItemSelectionModel::currentChanged, view,
                   [view, &u, table](const QModelIndex& now) {
                     table->FocusRow(now.row());
                     if (now.isValid() && view->Live())
                       ui::user::GridClick(u, now.row(), now.column());
                   });
  return table;
}

void ApplyGridProp(ui::Unit& u, ui::Prop what) {
  GridView* table = TableOf(u);
  if (what != ui::Prop::kGrid || !table || !u.grid) return;
  auto* model = static_cast<GridTable*>(table->model());
  model->Refresh();  // cheap: the view's size and a repaint
  ApplyCursor(table, *u.grid);
  model->CursorShown(u.grid->cursor_row(), u.grid->cursor_col());
  model->RefreshLater([table, model] {
    if (model->grid()) ApplyLayout(table, *model->grid());
    table->viewport()->update();
    table->frozen()->viewport()->update();
  });
}

bool GridFollowsLater(ui::Unit& u) {
  if (u.kind != ui::Kind::kGrid || !u.realisation) return false;
  // A grid unit's realisation is the GridView that MakeGridWidget made, its model a GridTable.
  auto* table = static_cast<GridView*>(static_cast<QObject*>(u.realisation));
  return static_cast<GridTable*>(table->model())->FollowLater();
}

}  // namespace qtp
