#pragma once
// Fonts: the declared Windows faces mapped onto the CJK fonts installed here.
#include <QFont>
#include <QSize>
#include <QStringList>

#include "common/ui/ui.h"

namespace qtp {

// The installed families to try, in order, for the declared face (the face itself first).
QStringList FontFamilies(const std::string& face);
// The QFont of a declared font: families, pixel size = height, weight, italic, underline.
QFont MakeFont(const ui::Font& font);
// The font made smaller so that one line of text fits room.height() and, when that needs
// no less than smallest pixels, room.width() (a room width of 0: the height only).
QFont FitFont(QFont font, const QString& text, const QSize& room, int smallest);

}  // namespace qtp
