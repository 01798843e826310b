// Buttons, picture buttons, check boxes and radio boxes.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

using ui::Kind;

QAbstractButton* NewButton(WindowView* view, const ui::Unit& u) {
  QWidget* parent = view->client();
  switch (u.kind) {
    case Kind::kCheckBox:
      return new QCheckBox(parent);
    case Kind::kRadio: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model clears the other radios
      return radio;
    }
    case Kind::kPictureButton: {
      auto* button = new QToolButton(parent);
      button->setIcon(QIcon(AssetPixmap(u.picture)));
      button->setIconSize(QSize(u.rect.width, u.rect.height));
      button->setAutoRaise(true);
      button->setToolButtonStyle(u.text.empty() ? Qt::ToolButtonIconOnly
                                                : Qt::ToolButtonTextUnderIcon);
      return button;
    }
    default:
      return new QPushButton(parent);
  }
}

// After the user's click the boxes show what the model holds (radios: the whole window's).
void ShowModelChecks(WindowView* view) {
  for (auto& unit : view->model().units) {
    if (unit->kind == Kind::kCheckBox || unit->kind == Kind::kRadio) {
      ApplyUnit(*unit, ui::Prop::kChecked);
    }
  }
}

}  // namespace

QWidget* MakeButtonWidget(WindowView* view, ui::Unit& u) {
  QAbstractButton* button = NewButton(view, u);
  // A click is the press, the release and the click of the model.
  QObject::connect(button, &QAbstractButton::clicked, view, [view, &u] {
    if (!view->Live()) return;
    ui::user::Click(u);
    if (view->Live()) ShowModelChecks(view);
  });
  return button;
}

}  // namespace qtp
