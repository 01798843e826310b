#include "platform/qt/qt_window_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "platform/qt/qt_apply_scope.h"
#include "platform/qt/qt_balloon.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_units.h"

namespace qtp {

namespace {
int g_applying = 0;
}  // namespace

bool Applying() { return g_applying > 0; }
ApplyScope::ApplyScope() { ++g_applying; }
ApplyScope::~ApplyScope() { --g_applying; }

ClientArea::ClientArea(QWidget* parent, QPixmap picture)
    : QWidget(parent), picture_(std::move(picture)) {}

void ClientArea::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

namespace {
// The model's number of a mouse button: 1 left, 2 right, 3 middle, 0 any other.
int ButtonNumber(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return 1;
  if (button == Qt::RightButton) return 2;
  return button == Qt::MiddleButton ? 3 : 0;
}
}  // namespace

// A press that a unit passed on (a label ignores it) lands here as well: only a press on the
// bare client area, or on the empty area of a group box (a frame the mouse goes through), is
// the window's.
void ClientArea::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  const int button = ButtonNumber(event->button());
  QWidget* under = childAt(event->position().toPoint());
  if (button == 0 || (under != nullptr && !qobject_cast<QGroupBox*>(under))) return;
  auto* view = dynamic_cast<WindowView*>(parentWidget());
  if (view && view->Live()) ui::user::WindowMouseDown(view->model(), button);
}

namespace {
// The caption shown for a title: the desktop would show the program's name for an empty one,
// so a window declared without a caption shows a blank caption instead.
QString Caption(const std::string& title) { return title.empty() ? QString(" ") : Q(title); }

// How long a balloon tip of the program stays (a click on it closes it before).
constexpr int kBalloonMs = 10000;
}  // namespace

WindowView::WindowView(ui::Window& w) : model_(&w) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(Caption(w.title));
  if (w.modal) setWindowModality(Qt::ApplicationModal);
  if (w.decl && !w.decl->icon.empty()) setWindowIcon(QIcon(AssetPixmap(w.decl->icon)));
  QPixmap picture = w.decl ? AssetPixmap(w.decl->picture) : QPixmap();
  client_ = new ClientArea(this, picture);
  BuildMenuBar();
  w.realisation = this;
}

bool WindowView::Live() const { return !dead_ && !Applying(); }

void WindowView::Kill() {
  dead_ = true;
  hide();
}

int WindowView::MenuHeight() const { return menu_bar_ ? menu_bar_->sizeHint().height() : 0; }

QMenu* WindowView::PopupMenu(const std::string& name) const {
  auto found = popups_.find(name);
  return found == popups_.end() ? nullptr : found->second;
}

namespace {
// Separators show as declared: several in a row, and one at the end of a menu.
QMenu* AsDeclared(QMenu* menu) {
  menu->setSeparatorsCollapsible(false);
  return menu;
}
}  // namespace

void WindowView::BuildMenuBar() {
  if (!model_->decl) return;
  for (const ui::MenuDecl& top : model_->decl->menu) {
    if (!top.visible) {
      auto* popup = AsDeclared(new QMenu(Q(top.caption), this));
      for (const ui::MenuDecl& item : top.items) AddMenuEntry(popup, item);
      BindMenuAction(popup->menuAction(), top.name);
      if (top.name) popups_[top.name] = popup;
      continue;
    }
    if (!menu_bar_) menu_bar_ = new QMenuBar(this);
    if (top.items.empty()) {
      BindMenuAction(menu_bar_->addAction(Q(top.caption)), top.name);
      continue;
    }
    QMenu* menu = AsDeclared(menu_bar_->addMenu(Q(top.caption)));
    BindMenuAction(menu->menuAction(), top.name);
    for (const ui::MenuDecl& item : top.items) AddMenuEntry(menu, item);
  }
}

void WindowView::AddMenuEntry(QMenu* menu, const ui::MenuDecl& entry) {
  if (entry.separator) {
    menu->addSeparator();
  } else if (!entry.items.empty()) {
    QMenu* sub = AsDeclared(menu->addMenu(Q(entry.caption)));
    BindMenuAction(sub->menuAction(), entry.name);
    for (const ui::MenuDecl& item : entry.items) AddMenuEntry(sub, item);
  } else {
    BindMenuAction(menu->addAction(Q(entry.caption)), entry.name);
  }
}

// Ties the action to its menu-item unit: the unit's realisation, and its choice a click.
QAction* WindowView::BindMenuAction(QAction* action, const char* name) {
  ui::Unit* unit = name ? model_->Find(name) : nullptr;
  if (!unit) return action;
  unit->realisation = static_cast<QObject*>(action);
  if (action->menu() == nullptr) {
    connect(action, &QAction::triggered, this, [this, unit] {
      if (Live()) ui::user::Click(*unit);
    });
  }
  return action;
}

void WindowView::BuildUnits() {
  for (auto& unit : model_->units) {
    if (unit->kind != ui::Kind::kMenuItem) MakeUnit(this, *unit);
  }
  for (auto& unit : model_->units) {
    if (unit->kind != ui::Kind::kMenuItem) PlaceUnit(this, *unit);
  }
  for (auto& unit : model_->units) ApplyAll(this, *unit);
}

void WindowView::Apply(ui::Prop what) {
  ApplyScope scope;
  const ui::Rect& r = model_->rect;
  switch (what) {
    case ui::Prop::kTitle:
      setWindowTitle(Caption(model_->title));
      break;
    case ui::Prop::kGeometry:
      // A new size keeps the window where it stands (where the user or the desktop put it);
      // only a new position moves it.
      if (placed_ != QPoint(r.left, r.top)) {
        move(r.left, r.top);
        placed_ = QPoint(r.left, r.top);
      }
      resize(std::max(1, r.width - kFrameWidth), std::max(1, r.height - kFrameHeight));
      LayOutClient();
      break;
    case ui::Prop::kVisible:
      setVisible(model_->visible);
      if (!model_->visible) break;
      raise();
      if (balloon_) {
        BalloonOf(this)->ShowAt(balloon_->first, balloon_->second, kBalloonMs);
        balloon_.reset();
      } else if (QWidget* shown = findChild<BalloonTip*>(); shown && shown->isVisible()) {
        shown->raise();  // a balloon stays above its window
      }
      break;
    default:
      break;
  }
}

void WindowView::ShowBalloon(QPoint at, const QString& text) {
  if (isVisible()) {
    BalloonOf(this)->ShowAt(at, text, kBalloonMs);
  } else {
    balloon_.emplace(at, text);
  }
}

void WindowView::LayOutClient() {
  const int top = MenuHeight();
  if (menu_bar_) menu_bar_->setGeometry(0, 0, width(), top);
  client_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();  // the model decides whether the window goes
  if (Live()) ui::user::Close(*model_);
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutClient();
  if (!Live()) return;
  const int outer_width = width() + kFrameWidth, outer_height = height() + kFrameHeight;
  if (outer_width == model_->rect.width && outer_height == model_->rect.height) return;
  ui::user::Resize(*model_, outer_width, outer_height);
}

WindowView* ViewOf(const ui::Window& w) {
  auto* view = static_cast<WindowView*>(w.realisation);
  return view && !view->Dead() ? view : nullptr;
}

}  // namespace qtp
