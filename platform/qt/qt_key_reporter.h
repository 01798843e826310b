#pragma once
// Reports the keys pressed in a unit's widget: the key (virtual-key code) and the character.
#include <QObject>

#include "common/ui/ui.h"

namespace qtp {

class WindowView;

class KeyReporter : public QObject {
 public:
  // Reports the keys of watched (an edit box, a grid) for u; grid true reports them through
  // the grid's own key and character actions.
  KeyReporter(WindowView* view, ui::Unit& u, QObject* watched, bool grid);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WindowView* view_;
  ui::Unit& unit_;
  bool grid_;
};

// While one lives, key presses are not reported: the grid passes a key it has reported on to
// the cell editor it opened for it.
class ForwardedKey {
 public:
  ForwardedKey();
  ~ForwardedKey();
  ForwardedKey(const ForwardedKey&) = delete;
  ForwardedKey& operator=(const ForwardedKey&) = delete;
  static bool Active();
};

// The character code a key press types (Enter 13, Backspace 8 ...), 0 for none.
int CharCode(const QString& typed);

}  // namespace qtp
