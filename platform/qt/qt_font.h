#pragma once
// Fonts: the declared Windows faces mapped onto the CJK fonts installed here.
#include <QFont>
#include <QStringList>

#include "common/ui/ui.h"

namespace qtp {

// The installed families to try, in order, for the declared face (the face itself first).
QStringList FontFamilies(const std::string& face);
// The QFont of a declared font: families, pixel size = height, weight, italic, underline.
QFont MakeFont(const ui::Font& font);

}  // namespace qtp
