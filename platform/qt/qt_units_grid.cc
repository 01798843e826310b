// Grid units: a table view over the grid model.
#include <QTableView>

#include "platform/qt/qt_units.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

QWidget* MakeGridWidget(WindowView* view, ui::Unit& u) { return new QTableView(view->client()); }

void ApplyGridProp(ui::Unit& u, ui::Prop what) {}

}  // namespace qtp
