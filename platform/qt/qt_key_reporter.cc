#include "platform/qt/qt_key_reporter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

KeyReporter::KeyReporter(WindowView* view, ui::Unit& u, QObject* watched, bool grid)
    : QObject(watched), view_(view), unit_(u), grid_(grid) {
  watched->installEventFilter(this);
}

namespace {
int g_forwarding = 0;
}  // namespace

ForwardedKey::ForwardedKey() { ++g_forwarding; }
ForwardedKey::~ForwardedKey() { --g_forwarding; }
bool ForwardedKey::Active() { return g_forwarding > 0; }

int CharCode(const QString& typed) {
  if (typed.isEmpty()) return 0;
  const uint code = typed.toUcs4().value(0, 0);
  return code < 32 && code != 8 && code != 13 && code != 9 && code != 27 ? 0
                                                                         : static_cast<int>(code);
}

namespace {
// True when the key press reached watched only on its way up from a widget inside it that
// has the focus (a grid's cell editor, which reports its own keys).
bool PassedOnFromInside(QObject* watched) {
  auto* widget = qobject_cast<QWidget*>(watched);
  QWidget* focus = QApplication::focusWidget();
  return widget && focus && focus != widget && widget->isAncestorOf(focus);
}
}  // namespace

bool KeyReporter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !view_->Live() || ForwardedKey::Active()) return false;
  if (PassedOnFromInside(watched)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const int vk = VirtualKey(key->key());
  if (vk != 0) grid_ ? ui::user::GridKey(unit_, vk) : ui::user::Key(unit_, vk);
  const int code = CharCode(key->text());
  if (code != 0 && view_->Live())
    grid_ ? ui::user::GridChar(unit_, code) : ui::user::Char(unit_, code);
  return false;
}

}  // namespace qtp
