#include "platform/qt/qt_pictures.h"

#include <map>

#include "common/assets.h"

namespace qtp {

QImage ToImage(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  const QImage view(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                    QImage::Format_RGB888);
  return view.copy();  // the view borrows the bytes; the copy owns its own
}

QPixmap AssetPixmap(const std::string& name) {
  static std::map<std::string, QPixmap> cache;
  if (name.empty()) return {};
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  const auto bytes = FindAsset(name);
  Picture picture;
  QPixmap pixmap;
  if (!bytes.empty() && DecodeJpeg(bytes.data(), bytes.size(), &picture)) {
    pixmap = QPixmap::fromImage(ToImage(picture));
  } else if (!bytes.empty()) {
    pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));  // an icon, a bitmap
  }
  cache[name] = pixmap;
  return pixmap;
}

}  // namespace qtp
