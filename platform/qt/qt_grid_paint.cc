#include "platform/qt/qt_grid_paint.h"

#include <QDate>

#include "platform/qt/qt_font.h"
#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

constexpr double kLayoutDpi = 96.0;

QRect RectOf(const PageRect& r) { return QRect(r.left, r.top, r.width, r.height); }

// DrawText flags to Qt's: alignment, and word breaking when the text may take several lines.
int TextFlags(int format) {
  int flags = static_cast<int>(AlignmentOf(format));
  if (!(format & 0x20) && (format & 0x10)) flags |= Qt::TextWordWrap;  // DT_WORDBREAK
  return flags;
}

void PaintItem(QPainter& painter, const PageItem& item) {
  const QRect rect = RectOf(item.rect);
  switch (item.type) {
    case PageItem::Type::kFill:
      painter.fillRect(rect, FromColorRef(item.colour));
      break;
    case PageItem::Type::kFrame:
      painter.setPen(QPen(FromColorRef(item.colour), 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect.adjusted(0, 0, -1, -1));
      break;
    case PageItem::Type::kText: {
      const QFont font = MakeFont(ToUiFont(item.font));
      const bool wraps = TextFlags(item.format) & Qt::TextWordWrap;
      const QSize room(wraps ? 0 : rect.width(), rect.height() - 2);
      painter.setFont(FitFont(font, Q(item.text), room, SmallestPrintedPixels(font)));
      painter.setPen(FromColorRef(item.colour));
      painter.drawText(rect, TextFlags(item.format), Q(item.text));
      break;
    }
  }
}

// Scales the painter from 96-dpi page pixels to the device's.
void ScaleToDevice(QPainter& painter) {
  QPaintDevice* device = painter.device();
  painter.scale(device->logicalDpiX() / kLayoutDpi, device->logicalDpiY() / kLayoutDpi);
}

}  // namespace

void PaintPage(QPainter& painter, const Page& page) {
  painter.save();
  for (const PageItem& item : page.items) PaintItem(painter, item);
  painter.restore();
}

PageSetup SetupOf(QPrinter& printer) {
  PageSetup setup;
  const QRect full = printer.pageLayout().fullRectPixels(static_cast<int>(kLayoutDpi));
  setup.width = full.width();
  setup.height = full.height();
  const QDate today = QDate::currentDate();
  setup.year = today.year();
  setup.month = today.month();
  setup.day = today.day();
  return setup;
}

int PrintPages(QPrinter& printer, const GridModel& grid) {
  printer.setFullPage(true);  // the layout keeps its own margins
  const std::vector<Page> pages = LayoutPages(grid, SetupOf(printer));
  QPainter painter;
  if (!painter.begin(&printer)) return 2;
  ScaleToDevice(painter);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !printer.newPage()) {
      painter.end();
      return 2;
    }
    PaintPage(painter, pages[i]);
  }
  return painter.end() ? 0 : 2;
}

}  // namespace qtp
