#include "platform/qt/qt_units.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include "platform/qt/qt_apply_scope.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_unit_label.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

using ui::Kind;

QObject* ObjectOf(const ui::Unit& u) { return static_cast<QObject*>(u.realisation); }

QWidget* MakeLabel(WindowView* view, ui::Unit& u) {
  auto* label = new UnitLabel(view->client(), [view, &u](bool down) {
    if (!view->Live()) return;
    down ? ui::user::MouseDown(u) : ui::user::MouseUp(u);
  });
  if (u.kind == Kind::kTransparentLabel) label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

QWidget* MakePictureBox(WindowView* view, ui::Unit& u) {
  auto* box = new QLabel(view->client());
  box->setScaledContents(true);
  box->setPixmap(AssetPixmap(u.picture));
  return box;
}

QObject* MakeTimer(WindowView* view, ui::Unit& u) {
  auto* timer = new QTimer(view);
  QObject::connect(timer, &QTimer::timeout, view, [view, &u] {
    if (view->Live()) ui::user::Tick(u);
  });
  return timer;
}

QObject* MakeObject(WindowView* view, ui::Unit& u) {
  switch (u.kind) {
    case Kind::kEdit:
      return MakeEditWidget(view, u);
    case Kind::kLabel:
    case Kind::kTransparentLabel:
      return MakeLabel(view, u);
    case Kind::kGroupBox:
      return new QGroupBox(view->client());
    case Kind::kButton:
    case Kind::kPictureButton:
    case Kind::kCheckBox:
    case Kind::kRadio:
      return MakeButtonWidget(view, u);
    case Kind::kPictureBox:
      return MakePictureBox(view, u);
    case Kind::kCombo:
    case Kind::kTab:
    case Kind::kDateBox:
    case Kind::kSlider:
      return MakeChoiceWidget(view, u);
    case Kind::kTimer:
      return MakeTimer(view, u);
    case Kind::kListView:
      return MakeListWidget(view, u);
    case Kind::kGrid:
      return MakeGridWidget(view, u);
    default:
      return nullptr;  // window, menu item, balloon tip: no widget of their own
  }
}

// The widget the unit's container gives its units: a group box, or a page of a tab.
QWidget* ContainerWidget(WindowView* view, const ui::Unit& u) {
  const ui::Unit* box = u.container.empty() ? nullptr : view->model().Find(u.container);
  QWidget* widget = box ? WidgetOf(*box) : nullptr;
  if (!widget) return view->client();
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    if (tabs->count() == 0) return view->client();
    return tabs->widget(std::clamp(u.page, 0, tabs->count() - 1));
  }
  return widget;
}

// The caption of labels, buttons, boxes and menu items.
void ApplyCaption(ui::Unit& u) {
  QObject* object = ObjectOf(u);
  const QString text = Q(u.text);
  if (auto* label = qobject_cast<QLabel*>(object)) {
    if (u.kind != Kind::kPictureBox) label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
    box->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  }
}

void ApplyCommon(ui::Unit& u, ui::Prop what) {
  QObject* object = ObjectOf(u);
  QWidget* widget = WidgetOf(u);
  auto* action = qobject_cast<QAction*>(object);
  switch (what) {
    case ui::Prop::kGeometry:
      if (widget) widget->setGeometry(u.rect.left, u.rect.top, u.rect.width, u.rect.height);
      break;
    case ui::Prop::kVisible:
      if (widget) widget->setVisible(u.visible);
      if (action) action->setVisible(u.visible);
      break;
    case ui::Prop::kDisabled:
      if (widget) widget->setEnabled(!u.disabled);
      if (action) action->setEnabled(!u.disabled);
      break;
    case ui::Prop::kFont:
      if (widget) widget->setFont(MakeFont(u.font));
      break;
    case ui::Prop::kText:
      ApplyCaption(u);
      break;
    case ui::Prop::kChecked:
      if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setChecked(u.checked);
      if (action && u.checked) action->setCheckable(true);
      if (action) action->setChecked(u.checked);
      break;
    default:
      break;
  }
}

void ApplyTimer(ui::Unit& u) {
  auto* timer = qobject_cast<QTimer*>(ObjectOf(u));
  if (!timer) return;
  if (u.interval > 0) {
    timer->start(u.interval);
  } else {
    timer->stop();
  }
}

}  // namespace

QWidget* WidgetOf(const ui::Unit& u) {
  return qobject_cast<QWidget*>(static_cast<QObject*>(u.realisation));
}

void MakeUnit(WindowView* view, ui::Unit& u) {
  QObject* object = MakeObject(view, u);
  u.realisation = object;
}

void PlaceUnit(WindowView* view, ui::Unit& u) {
  QWidget* widget = WidgetOf(u);
  if (!widget) return;
  QWidget* parent = ContainerWidget(view, u);
  if (widget->parentWidget() != parent) widget->setParent(parent);
}

void ApplyUnit(ui::Unit& u, ui::Prop what) {
  if (!u.realisation) return;
  ApplyScope scope;
  QSignalBlocker blocker(ObjectOf(u));
  switch (u.kind) {
    case Kind::kEdit:
      ApplyEditProp(u, what);
      break;
    case Kind::kCombo:
    case Kind::kTab:
    case Kind::kDateBox:
    case Kind::kSlider:
      ApplyChoiceProp(u, what);
      break;
    case Kind::kListView:
      ApplyListProp(u, what);
      break;
    case Kind::kGrid:
      ApplyGridProp(u, what);
      break;
    case Kind::kTimer:
      if (what == ui::Prop::kInterval) ApplyTimer(u);
      return;
    default:
      break;
  }
  ApplyCommon(u, what);
}

void ApplyAll(WindowView* view, ui::Unit& u) {
  using P = ui::Prop;
  for (P what : {P::kFont, P::kItems, P::kRows, P::kText, P::kSelected, P::kChecked, P::kDate,
                 P::kValue, P::kInterval, P::kGrid, P::kDisabled, P::kGeometry, P::kVisible}) {
    ApplyUnit(u, what);
  }
}

}  // namespace qtp
