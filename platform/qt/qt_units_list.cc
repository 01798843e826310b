// List views: report style, column headings from the items, one row per model row.
#include <QHeaderView>
#include <QTreeWidget>

#include "platform/qt/qt_text.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

namespace {

void ApplyColumns(QTreeWidget* list, const ui::Unit& u) {
  QStringList headings;
  for (const std::string& heading : u.items) headings << Q(heading);
  list->setColumnCount(std::max<int>(1, headings.size()));
  list->setHeaderLabels(headings);
  for (size_t i = 0; i < u.item_widths.size(); ++i)
    list->setColumnWidth(static_cast<int>(i), u.item_widths[i]);
}

void ApplyRows(QTreeWidget* list, const ui::Unit& u) {
  list->clear();
  for (const ui::ListViewItem& row : u.rows) {
    QStringList cells;
    for (const std::string& cell : row.cells) cells << Q(cell);
    list->addTopLevelItem(new QTreeWidgetItem(cells));
  }
}

}  // namespace

QWidget* MakeListWidget(WindowView* view, ui::Unit& u) {
  auto* list = new QTreeWidget(view->client());
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, view,
                   [view, list, &u](QTreeWidgetItem* item, int) {
                     if (view->Live()) ui::user::ListItem(u, list->indexOfTopLevelItem(item), true);
                   });
  QObject::connect(list, &QTreeWidget::currentItemChanged, view,
                   [view, list, &u](QTreeWidgetItem* item, QTreeWidgetItem*) {
                     const int index = item ? list->indexOfTopLevelItem(item) : -1;
                     if (view->Live()) ui::user::SelectListItem(u, index);
                   });
  QObject::connect(list, &QWidget::customContextMenuRequested, view,
                   [view, list, &u](const QPoint& at) {
                     QTreeWidgetItem* item = list->itemAt(at);
                     if (item && view->Live())
                       ui::user::ListItem(u, list->indexOfTopLevelItem(item), false);
                   });
  return list;
}

void ApplyListProp(ui::Unit& u, ui::Prop what) {
  auto* list = qobject_cast<QTreeWidget*>(static_cast<QObject*>(u.realisation));
  if (!list) return;
  if (what == ui::Prop::kItems) ApplyColumns(list, u);
  if (what == ui::Prop::kRows) ApplyRows(list, u);
  if (what == ui::Prop::kRows || what == ui::Prop::kSelected) {
    QTreeWidgetItem* item = u.selected >= 0 ? list->topLevelItem(u.selected) : nullptr;
    list->setCurrentItem(item);
  }
}

}  // namespace qtp
