#include "platform/qt/qt_font.h"

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

}  // namespace qtp
