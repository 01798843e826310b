#include "platform/qt/qt_grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/qt/qt_apply_scope.h"

namespace qtp {

namespace {

// Each scroll bar follows the other (setValue on an equal value signals nothing).
void FollowEachOther(QScrollBar* a, QScrollBar* b) {
  QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
  QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

}  // namespace

GridView* GridView::MakeFrozen() {
  frozen_ = new GridView(this);
  frozen_->under_ = this;
  frozen_->setModel(model());
  frozen_->setSelectionModel(selectionModel());
  frozen_->setFrameShape(QFrame::NoFrame);
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setHorizontalScrollMode(horizontalScrollMode());
  FollowEachOther(horizontalScrollBar(), frozen_->horizontalScrollBar());
  frozen_->hide();
  return frozen_;
}

void GridView::FreezeRows(int count, int height) {
  frozen_rows_ = count;
  // The table's heading bar, covered by the overlay, keeps the room above the viewport.
  horizontalHeader()->setFixedHeight(count > 0 ? height : 0);
  horizontalHeader()->setVisible(count > 0);
  if (frozen_) {
    frozen_->frozen_rows_ = count;
    frozen_->setVisible(count > 0);
  }
  updateGeometries();
}

void GridView::ResizeSections(const std::function<void()>& resize) {
  const bool rows = verticalHeader()->blockSignals(true);
  const bool columns = horizontalHeader()->blockSignals(true);
  resize();
  verticalHeader()->blockSignals(rows);
  horizontalHeader()->blockSignals(columns);
  updateGeometries();
  viewport()->update();
}

void GridView::LayOutNow() {
  executeDelayedItemsLayout();
  if (frozen_) frozen_->executeDelayedItemsLayout();
}

void GridView::FocusRow(int row) {
  if (!frozen_ || row < 0) return;
  if (row < frozen_rows_ && hasFocus()) frozen_->setFocus();
  if (row >= frozen_rows_ && frozen_->hasFocus()) setFocus();
}

// Taking the focus puts Qt's current cell on the first cell when there is none; that is no
// move of the user's, so the model is not told. That first cell may be a row's title, which
// takes no typing: the cell then is the first of its row that does, so that what the clerk
// types before any click is kept.
void GridView::focusInEvent(QFocusEvent* event) {
  ApplyScope not_the_user;
  const bool had_cell = currentIndex().isValid();
  QTableView::focusInEvent(event);
  const QModelIndex first = currentIndex();
  if (had_cell || !first.isValid() || (model()->flags(first) & Qt::ItemIsEditable)) return;
  for (int c = first.column() + 1; c < model()->columnCount(); ++c) {
    const QModelIndex cell = model()->index(first.row(), c);
    if (isColumnHidden(c) || !(model()->flags(cell) & Qt::ItemIsEditable)) continue;
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    return;
  }
}

void GridView::updateGeometries() {
  QTableView::updateGeometries();
  PlaceFrozen();
}

// The overlay never scrolls down: its rows are the top ones.
void GridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  QTableView::scrollTo(index, hint);
  if (under_) verticalScrollBar()->setValue(0);
}

// The wheel over the fixed rows scrolls the rows under them.
void GridView::wheelEvent(QWheelEvent* event) {
  if (!under_) return QTableView::wheelEvent(event);
  QApplication::sendEvent(under_->verticalScrollBar(), event);
}

// The overlay covers the heading bar: above the viewport, as wide as it.
void GridView::PlaceFrozen() {
  if (!frozen_ || frozen_rows_ == 0) return;
  frozen_->setGeometry(horizontalHeader()->geometry());
  frozen_->raise();
}

}  // namespace qtp
