#include "platform/qt/qt_backend.h"

#include <QCursor>
#include <QEventLoop>

#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

QtBackend::QtBackend() = default;

QtBackend::~QtBackend() {
  for (auto& [window, view] : views_) delete view.data();
}

void QtBackend::Created(ui::Window& w) {
  auto* view = new WindowView(w);
  views_[&w] = view;
  view->BuildUnits();
  view->Apply(ui::Prop::kGeometry);  // shown when the model says so, after its created event
}

void QtBackend::Destroyed(ui::Window& w) {
  auto found = views_.find(&w);
  if (found == views_.end()) return;
  QPointer<WindowView> view = found->second;
  views_.erase(found);
  if (view) {
    view->Kill();
    view->deleteLater();  // its signals may be on the stack now
  }
  w.realisation = nullptr;
  for (auto& unit : w.units) unit->realisation = nullptr;
  QuitLoopsFor(&w);
}

void QtBackend::QuitLoopsFor(const ui::Window* w) {
  auto loop = modal_loops_.find(w);
  if (loop != modal_loops_.end()) loop->second->quit();
  if (views_.empty() && main_loop_) main_loop_->quit();
}

void QtBackend::Changed(ui::Window& w, ui::Unit* unit, ui::Prop what) {
  if (unit && what == ui::Prop::kGrid && unit->realisation && GridFollowsLater(*unit)) return;
  WindowView* view = ViewOf(w);
  if (!view) return;
  if (unit) {
    ApplyUnit(*unit, what);
  } else {
    view->Apply(what);
  }
}

void QtBackend::RunModal(ui::Window& w) {
  if (w.destroyed || !views_.count(&w)) return;
  QEventLoop loop;
  modal_loops_[&w] = &loop;
  loop.exec();
  modal_loops_.erase(&w);  // the key only: the window may be gone
}

void QtBackend::RunLoop() {
  if (views_.empty()) return;
  QEventLoop loop;
  main_loop_ = &loop;
  loop.exec();
  main_loop_ = nullptr;
}

void QtBackend::Focus(ui::Unit& u) {
  if (QWidget* widget = WidgetOf(u)) widget->setFocus(Qt::OtherFocusReason);
}

void QtBackend::Popup(ui::Window& w, const std::string& menu_name, int x, int y) {
  WindowView* view = ViewOf(w);
  QMenu* menu = view ? view->PopupMenu(menu_name) : nullptr;
  if (!menu) return;
  const QPoint at = x == -1 && y == -1 ? QCursor::pos() : view->client()->mapToGlobal(QPoint(x, y));
  menu->exec(at);
}

int QtBackend::ClientHeight(ui::Window& w) {
  WindowView* view = ViewOf(w);
  const int menu = view ? view->MenuHeight() : 0;
  return std::max(0, w.rect.height - kFrameHeight - menu);
}

void QtBackend::Balloon(ui::Unit& tip, int x, int y, const std::string& text, int icon) {
  if (WindowView* view = tip.window ? ViewOf(*tip.window) : nullptr) {
    view->ShowBalloon(QPoint(x, y), Q(text));
  }
}

}  // namespace qtp
