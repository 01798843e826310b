#pragma once
// The table of a grid unit, and the overlay that keeps the grid's fixed rows in place over it
// while the other rows scroll under them.
#include <QTableView>
#include <functional>

namespace qtp {

class GridView : public QTableView {
 public:
  using QTableView::QTableView;
  // Makes the overlay over the top of the viewport: the same model, the same selection (and so
  // the same cursor), its horizontal scroll following this view's. Call once, after setModel.
  GridView* MakeFrozen();
  // The overlay showing the fixed rows (nullptr before MakeFrozen; on an overlay, itself none).
  GridView* frozen() const { return frozen_; }
  // Keeps rows [0, count) in place: hidden here, shown in the overlay, `height` pixels high
  // (the room of the table's heading bar, which the overlay covers).
  void FreezeRows(int count, int height);
  // The number of rows kept in place.
  int frozen_rows() const { return frozen_rows_; }
  // Gives the focus to the view that shows `row`, when the focus is in either of them.
  void FocusRow(int row);
  // Runs `resize`, which sets row heights, hides rows and sets column widths, and lays the
  // view out once after it, before it paints: Qt would lay each resized row or column out on
  // a timer, after the view had painted once already, and paint it all again.
  void ResizeSections(const std::function<void()>& resize);
  // Lays the rows and columns out now, when a change of the model's size has asked for it
  // (which Qt does on a timer, after the views have painted once already), here and in the
  // overlay.
  void LayOutNow();
  // The rows before this one are all that may show at another height than the default or be
  // hidden: the rows past it show as Qt adds them.
  int shaped_rows() const { return shaped_rows_; }
  void set_shaped_rows(int rows) { shaped_rows_ = rows; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void updateGeometries() override;
  void scrollTo(const QModelIndex& index, ScrollHint hint) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void PlaceFrozen();

  GridView* frozen_ = nullptr;  // the overlay, a child of this view
  GridView* under_ = nullptr;   // on an overlay: the view it covers
  int frozen_rows_ = 0;
  int shaped_rows_ = 0;
};

}  // namespace qtp
