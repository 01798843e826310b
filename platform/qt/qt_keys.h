#pragma once
// Keys as the programs know them: Windows virtual-key codes.

namespace qtp {

// The virtual-key code of a Qt key (Qt::Key), or 0 for keys the programs cannot name.
int VirtualKey(int qt_key);

}  // namespace qtp
