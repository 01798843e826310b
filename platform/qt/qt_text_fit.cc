#include "platform/qt/qt_text_fit.h"

#include <QFontMetrics>
#include <QRect>
#include <algorithm>

namespace qtp {

namespace {
constexpr int kLegible = 9;

bool ShowsWhole(const QFont& font, const QString& text, const QSize& room) {
  const QFontMetrics metrics(font);
  if (metrics.height() > room.height()) return false;
  if (metrics.horizontalAdvance(text) <= room.width()) return true;
  if (2 * metrics.lineSpacing() > room.height() + metrics.leading()) return false;
  const QRect wrapped =
      metrics.boundingRect(QRect(0, 0, room.width(), 1 << 16), Qt::TextWordWrap, text);
  return wrapped.width() <= room.width() && wrapped.height() <= room.height();
}
}  // namespace

QFont FitWhole(const QFont& font, const QString& text, const QSize& room, int smallest,
               bool* whole) {
  *whole = true;
  if (text.isEmpty() || room.width() <= 0 || ShowsWhole(font, text, room)) return font;
  QFont smaller = font;
  for (int pixels = font.pixelSize() - 1; pixels >= smallest; --pixels) {
    smaller.setPixelSize(pixels);
    if (ShowsWhole(smaller, text, room)) return smaller;
  }
  *whole = false;
  return font;
}

int SmallestWholePixels(int grid_font_pixels) {
  return std::max(kLegible, (grid_font_pixels * 2 + 2) / 3);
}

}  // namespace qtp
