#include "platform/qt/qt_font.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_text.h"

namespace qtp {

namespace {
const char kSans[] = "Noto Sans CJK SC";
const char kSerif[] = "Noto Serif CJK SC";
const char kZenHei[] = "WenQuanYi Zen Hei";

// Song and Kai faces read best in the serif font; the rest in the sans-serif ones.
bool IsSerifFace(const std::string& face) {
  return face.find("宋") != std::string::npos || face.find("楷") != std::string::npos ||
         face.find("仿宋") != std::string::npos;
}
}  // namespace

QStringList FontFamilies(const std::string& face) {
  QStringList families;
  if (!face.empty()) families << Q(face);
  if (IsSerifFace(face)) {
    families << kSerif << kSans << kZenHei;
  } else {
    families << kSans << kZenHei << kSerif;
  }
  return families;
}

QFont MakeFont(const ui::Font& font) {
  QFont q;
  const QStringList families = FontFamilies(font.face);
  q.setFamily(families.front());
  q.setFamilies(families);
  q.setPixelSize(std::max(1, std::abs(font.height)));
  q.setWeight(
      static_cast<QFont::Weight>(std::clamp(font.weight <= 0 ? 400 : font.weight, 1, 1000)));
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  return q;
}

QFont FitFont(QFont font, const QString& text, const QSize& room, int smallest) {
  const QFontMetrics metrics(font);
  double scale = 1.0;
  if (room.height() > 4 && metrics.height() > room.height()) {
    scale = static_cast<double>(room.height()) / metrics.height();
  }
  const int advance = metrics.horizontalAdvance(text);
  const double floor = static_cast<double>(smallest) / std::max(1, font.pixelSize());
  if (room.width() > 8 && advance * scale > room.width() && floor < scale) {
    scale = std::max(static_cast<double>(room.width()) / advance, floor);
  }
  if (scale < 1.0) font.setPixelSize(std::max(4, static_cast<int>(font.pixelSize() * scale)));
  return font;
}

}  // namespace qtp
