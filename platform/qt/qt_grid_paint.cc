#include "platform/qt/qt_grid_paint.h"

#include <QDate>

#include "platform/qt/qt_font.h"
#include "platform/qt/qt_grid_table.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

constexpr double kLayoutDpi = 96.0;
// The printer sets glyphs from their outlines, the screen's metrics may round them: a text
// is measured this much wider than the screen metrics say.
constexpr double kPrintedWidthRoom = 1.02;

QRect RectOf(const PageRect& r) { return QRect(r.left, r.top, r.width, r.height); }

Qt::Alignment VerticalOf(int format) {
  if (format & 0x4) return Qt::AlignVCenter;
  if (format & 0x8) return Qt::AlignBottom;
  return Qt::AlignTop;
}

// The item's lines, one under the other, placed in its rectangle as its format says. The
// layout chose a font at which every line fits; nothing is clipped.
void PaintText(QPainter& painter, const PageItem& item) {
  const QFont font = PrintFont(item.font);
  const QFontMetricsF metrics(font);
  const QRectF rect(RectOf(item.rect));
  const double line = metrics.height();
  const double block = line * static_cast<double>(item.lines.size());
  double y = rect.top();
  const Qt::Alignment vertical = VerticalOf(item.format);
  if (vertical == Qt::AlignVCenter) y += (rect.height() - block) / 2;
  if (vertical == Qt::AlignBottom) y += rect.height() - block;
  const int flags = static_cast<int>(AlignmentOf(item.format) & Qt::AlignHorizontal_Mask) |
                    Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
  painter.setFont(font);
  painter.setPen(FromColorRef(item.colour));
  for (const std::string& text : item.lines) {
    painter.drawText(QRectF(rect.left(), y, rect.width(), line), flags, Q(text));
    y += line;
  }
}

void PaintItem(QPainter& painter, const PageItem& item) {
  switch (item.type) {
    case PageItem::Type::kFill:
      painter.fillRect(RectOf(item.rect), FromColorRef(item.colour));
      break;
    case PageItem::Type::kFrame:
      painter.setPen(QPen(FromColorRef(item.colour), 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(RectOf(item.rect).adjusted(0, 0, -1, -1));
      break;
    case PageItem::Type::kText:
      PaintText(painter, item);
      break;
  }
}

// Scales the painter from 96-dpi page pixels to the device's.
void ScaleToDevice(QPainter& painter) {
  QPaintDevice* device = painter.device();
  painter.scale(device->logicalDpiX() / kLayoutDpi, device->logicalDpiY() / kLayoutDpi);
}

}  // namespace

const QFontMetricsF& QtTextMeasure::Metrics(const GridFont& font) const {
  const Key key{font.face, font.height, font.weight, font.italic, font.underline};
  auto it = metrics_.find(key);
  if (it == metrics_.end()) it = metrics_.emplace(key, QFontMetricsF(PrintFont(font))).first;
  return it->second;
}

double QtTextMeasure::Width(const std::string& text, const GridFont& font) const {
  return Metrics(font).horizontalAdvance(Q(text)) * kPrintedWidthRoom;
}

double QtTextMeasure::LineHeight(const GridFont& font) const { return Metrics(font).height(); }

QFont PrintFont(const GridFont& font) { return MakeFont(ToUiFont(font)); }

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
  const QtTextMeasure measure;
  const GridPages pages(grid, SetupOf(printer), measure);
  QPainter painter;
  if (!painter.begin(&printer)) return 2;
  ScaleToDevice(painter);
  for (int i = 0; i < pages.count(); ++i) {
    if (i > 0 && !printer.newPage()) {
      painter.end();
      return 2;
    }
    PaintPage(painter, pages.Lay(i));
  }
  return painter.end() ? 0 : 2;
}

}  // namespace qtp
