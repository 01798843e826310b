#include "platform/qt/qt_print_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/qt_text.h"

namespace qtp {

namespace {
constexpr int kGap = 16;  // pixels of desk around and between the sheets
constexpr double kSmallestZoom = 0.25, kLargestZoom = 4.0, kZoomStep = 1.25;
const QColor kDesk(0x80, 0x80, 0x80);
}  // namespace

// The sheets, stacked; a sheet is laid out the first time it is painted and kept.
class PreviewSheets : public QWidget {
 public:
  PreviewSheets(const GridPages& pages, const PageSetup& setup, QWidget* parent)
      : QWidget(parent), pages_(pages), setup_(setup), laid_(pages.count()) {}

  double zoom() const { return zoom_; }
  void SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    resize(static_cast<int>(setup_.width * zoom_) + 2 * kGap, kGap + pages_.count() * Pitch());
    update();
  }
  // The distance from one sheet's top to the next one's.
  int Pitch() const { return static_cast<int>(setup_.height * zoom_) + kGap; }
  int TopOf(int index) const { return kGap + index * Pitch(); }
  int laid() const { return laid_count_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.fillRect(event->rect(), kDesk);
    const int sheet_w = static_cast<int>(setup_.width * zoom_);
    const int sheet_h = static_cast<int>(setup_.height * zoom_);
    const int first = std::max(0, (event->rect().top() - kGap) / Pitch());
    const int last = std::min(pages_.count() - 1, event->rect().bottom() / Pitch());
    for (int i = first; i <= last; ++i) {
      const QRect sheet(kGap, TopOf(i), sheet_w, sheet_h);
      if (!sheet.intersects(event->rect())) continue;
      painter.fillRect(sheet, Qt::white);
      painter.save();
      painter.setClipRect(sheet);
      painter.translate(sheet.topLeft());
      painter.scale(zoom_, zoom_);
      PaintPage(painter, Laid(i));
      painter.restore();
    }
  }

 private:
  const Page& Laid(int index) {
    if (!laid_[index]) {
      laid_[index] = pages_.Lay(index);
      ++laid_count_;
    }
    return *laid_[index];
  }

  const GridPages& pages_;
  PageSetup setup_;
  std::vector<std::optional<Page>> laid_;
  int laid_count_ = 0;
  double zoom_ = 1.0;
};

PrintPreview::PrintPreview(const GridModel& grid, const PageSetup& setup, QWidget* parent)
    : QDialog(parent), pages_(grid, setup, measure_) {
  setWindowTitle("打印预览");
  auto* print = new QPushButton("打印");
  auto* previous = new QPushButton("上一页");
  auto* next = new QPushButton("下一页");
  auto* larger = new QPushButton("放大");
  auto* smaller = new QPushButton("缩小");
  auto* close = new QPushButton("关闭");
  where_ = new QLabel;
  auto* bar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{print, previous, next, larger, smaller}) {
    bar->addWidget(w);
  }
  bar->addWidget(where_);
  bar->addStretch();
  bar->addWidget(close);
  area_ = new QScrollArea;
  area_->setAlignment(Qt::AlignHCenter);
  area_->setBackgroundRole(QPalette::Dark);
  QPalette desk = area_->palette();
  desk.setColor(QPalette::Dark, kDesk);
  area_->setPalette(desk);
  sheets_ = new PreviewSheets(pages_, setup, area_);
  area_->setWidget(sheets_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(area_);

  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(previous, &QPushButton::clicked, this,
          [this] { ShowPage(area_->verticalScrollBar()->value() / sheets_->Pitch() - 1); });
  connect(next, &QPushButton::clicked, this,
          [this] { ShowPage(area_->verticalScrollBar()->value() / sheets_->Pitch() + 1); });
  connect(larger, &QPushButton::clicked, this, [this] { Zoom(kZoomStep); });
  connect(smaller, &QPushButton::clicked, this, [this] { Zoom(1 / kZoomStep); });
  connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { FollowScroll(); });

  // A sheet as wide as the window allows, in a window that takes most of the screen.
  const QRect screen =
      this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
  const int width = std::min(screen.width() * 9 / 10, setup.width + 4 * kGap + 40);
  resize(width, screen.height() * 9 / 10);
  sheets_->SetZoom(static_cast<double>(width - 4 * kGap - 40) / setup.width);
  FollowScroll();
}

PrintPreview::~PrintPreview() = default;

int PrintPreview::pages_laid() const { return sheets_->laid(); }

void PrintPreview::ShowPage(int index) {
  index = std::clamp(index, 0, pages_.count() - 1);
  area_->verticalScrollBar()->setValue(sheets_->TopOf(index) - kGap);
}

void PrintPreview::Zoom(double factor) {
  const double at = static_cast<double>(area_->verticalScrollBar()->value()) / sheets_->height();
  sheets_->SetZoom(sheets_->zoom() * factor);
  area_->verticalScrollBar()->setValue(static_cast<int>(at * sheets_->height()));
}

// The page label names the sheet at the top of the view.
void PrintPreview::FollowScroll() {
  const int page =
      std::min(pages_.count() - 1, (area_->verticalScrollBar()->value() + kGap) / sheets_->Pitch());
  where_->setText(QString("第 %1 页 / 共 %2 页").arg(page + 1).arg(pages_.count()));
}

}  // namespace qtp
