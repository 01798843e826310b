#pragma once
// Texts between the programs (UTF-8 std::string) and Qt (QString).
#include <QString>
#include <string>

namespace qtp {

// The UTF-8 text as a QString.
inline QString Q(const std::string& text) { return QString::fromStdString(text); }
// The QString as UTF-8.
inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace qtp
