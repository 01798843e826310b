// Combo boxes, tabs, date boxes and sliders.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_date_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

using ui::Kind;

const QDate kEpoch(1899, 12, 30);

QDate ToQDate(DateTime d) {
  if (d.days == kEmptyDate) return kEpoch;
  return kEpoch.addDays(static_cast<qint64>(std::floor(d.days)));
}

QWidget* MakeCombo(WindowView* view, ui::Unit& u) {
  auto* combo = new QComboBox(view->client());
  QObject::connect(combo, &QComboBox::activated, view, [view, &u](int index) {
    if (view->Live()) ui::user::ChooseItem(u, index);
  });
  return combo;
}

QWidget* MakeTabs(WindowView* view, ui::Unit& u) {
  auto* tabs = new QTabWidget(view->client());
  for (const std::string& page : u.items) tabs->addTab(new QWidget, Q(page));
  QObject::connect(tabs, &QTabWidget::currentChanged, view, [view, &u](int page) {
    if (view->Live()) ui::user::ChoosePage(u, page);
  });
  return tabs;
}

QWidget* MakeDateBox(WindowView* view, ui::Unit& u) {
  auto* box = new DateBox(view->client());
  box->setCalendarPopup(true);
  box->setDisplayFormat("yyyy年M月d日");
  QObject::connect(box, &QDateEdit::userDateChanged, view, [view, &u](QDate day) {
    if (view->Live()) ui::user::ChooseDay(u, DateTime{static_cast<double>(kEpoch.daysTo(day))});
  });
  return box;
}

QWidget* MakeSlider(WindowView* view, ui::Unit& u) {
  const auto orientation = u.rect.height > u.rect.width ? Qt::Vertical : Qt::Horizontal;
  auto* slider = new QSlider(orientation, view->client());
  QObject::connect(slider, &QSlider::valueChanged, view, [view, &u](int value) {
    if (view->Live()) ui::user::SetSlider(u, value);
  });
  return slider;
}

// The width the opened list needs to show item i whole.
int ListWidthFor(QAbstractItemView* list, int i) {
  return list->sizeHintForIndex(list->model()->index(i, 0)).width() + 2 * list->frameWidth() + 4;
}

// The items as the model has them; a narrow box still lists its items whole when opened. The
// item the program inserted alone (a list filled item by item) is inserted and measured alone.
void ApplyComboItems(QComboBox* combo, const ui::Unit& u) {
  QAbstractItemView* list = combo->view();
  const int n = static_cast<int>(u.items.size()), at = u.inserted_item;
  if (at >= 0 && at < n && combo->count() == n - 1) {
    combo->insertItem(at, Q(u.items[at]));
    list->setMinimumWidth(std::max(list->minimumWidth(), ListWidthFor(list, at)));
    return;
  }
  QStringList texts;
  texts.reserve(n);
  for (const std::string& item : u.items) texts.append(Q(item));
  combo->clear();
  combo->addItems(texts);
  int width = 2 * list->frameWidth() + 4;
  for (int i = 0; i < n; ++i) width = std::max(width, ListWidthFor(list, i));
  list->setMinimumWidth(width);
}

void ApplyCombo(QComboBox* combo, const ui::Unit& u, ui::Prop what) {
  if (what == ui::Prop::kItems) ApplyComboItems(combo, u);
  if (what == ui::Prop::kItems || what == ui::Prop::kSelected) combo->setCurrentIndex(u.selected);
  if (what == ui::Prop::kText || what == ui::Prop::kSelected) combo->setPlaceholderText(Q(u.text));
  combo->setToolTip(combo->currentText());  // the chosen item whole, however narrow the box
}

void ApplyTabs(QTabWidget* tabs, const ui::Unit& u, ui::Prop what) {
  if (what == ui::Prop::kItems) {
    while (tabs->count() < static_cast<int>(u.items.size())) tabs->addTab(new QWidget, "");
    for (int i = 0; i < tabs->count() && i < static_cast<int>(u.items.size()); ++i)
      tabs->setTabText(i, Q(u.items[i]));
  }
  if (what == ui::Prop::kSelected && u.selected >= 0) tabs->setCurrentIndex(u.selected);
}

}  // namespace

QWidget* MakeChoiceWidget(WindowView* view, ui::Unit& u) {
  switch (u.kind) {
    case Kind::kCombo:
      return MakeCombo(view, u);
    case Kind::kTab:
      return MakeTabs(view, u);
    case Kind::kDateBox:
      return MakeDateBox(view, u);
    default:
      return MakeSlider(view, u);
  }
}

void ApplyChoiceProp(ui::Unit& u, ui::Prop what) {
  QObject* object = static_cast<QObject*>(u.realisation);
  if (auto* combo = qobject_cast<QComboBox*>(object)) {
    ApplyCombo(combo, u, what);
  } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
    ApplyTabs(tabs, u, what);
  } else if (auto* box = qobject_cast<QDateEdit*>(object)) {
    if (what == ui::Prop::kDate) box->setDate(ToQDate(u.date));
  } else if (auto* slider = qobject_cast<QSlider*>(object)) {
    if (what != ui::Prop::kValue) return;
    slider->setRange(u.minimum, u.maximum);
    slider->setValue(u.value);
  }
}

}  // namespace qtp
