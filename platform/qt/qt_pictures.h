#pragma once
// The pictures the windows show, decoded from the stored JPEG files.
#include <QImage>
#include <QPixmap>
#include <string>

#include "common/picture.h"

namespace qtp {

// The decoded picture as a QImage (null for an empty picture).
QImage ToImage(const Picture& picture);
// The stored picture asset of that name as a pixmap (JPEG through libjpeg, other formats
// through Qt); null when there is none or it does not decode. Decoded once per name.
QPixmap AssetPixmap(const std::string& name);

}  // namespace qtp
