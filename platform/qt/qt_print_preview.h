#pragma once
// The print preview window: the grid's pages one under the other on a grey desk, each laid
// out and painted only when it comes into view; 打印 closes the window to print them.
#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "common/grid/page_layout.h"
#include "platform/qt/qt_grid_paint.h"

class QLabel;
class QScrollArea;

namespace qtp {

class PreviewSheets;

class PrintPreview : public QDialog {
  Q_OBJECT

 public:
  PrintPreview(const GridModel& grid, const PageSetup& setup, QWidget* parent = nullptr);
  ~PrintPreview() override;
  // How many pages have been laid out so far (pages are laid out once, when first shown).
  int pages_laid() const;
  int page_count() const { return pages_.count(); }

 private:
  void ShowPage(int index);
  void Zoom(double factor);
  void FollowScroll();

  QtTextMeasure measure_;
  GridPages pages_;
  QScrollArea* area_ = nullptr;
  PreviewSheets* sheets_ = nullptr;
  QLabel* where_ = nullptr;
};

}  // namespace qtp
