#pragma once
// The table of a grid unit, and the overlay that keeps the grid's fixed rows in place over it
// while the other rows scroll under them.
#include <QTableView>

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
};

}  // namespace qtp
