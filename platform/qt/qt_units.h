#pragma once
// The widgets of the units: made per kind, placed in their container, kept in line with the
// model.
#include <QObject>
#include <QWidget>

#include "common/ui/ui.h"

namespace qtp {

class WindowView;

// Makes the unit's widget (or timer, for a timer unit) in the view's client area, wires its
// signals to ui::user and stores it as the unit's realisation.
void MakeUnit(WindowView* view, ui::Unit& u);
// Moves the unit's widget into its container (group box or tab page) at its declared place.
void PlaceUnit(WindowView* view, ui::Unit& u);
// Applies one property of the model to the unit's widget, its signals held back meanwhile.
void ApplyUnit(ui::Unit& u, ui::Prop what);
// Applies every property of the unit.
void ApplyAll(WindowView* view, ui::Unit& u);
// The unit's widget, or nullptr (timers, menu items, balloon tips, no realisation).
QWidget* WidgetOf(const ui::Unit& u);

// The widget's own part of making: one function per kind of unit.
QWidget* MakeEditWidget(WindowView* view, ui::Unit& u);
QWidget* MakeChoiceWidget(WindowView* view, ui::Unit& u);  // combo, tab, date box, slider
QWidget* MakeButtonWidget(WindowView* view, ui::Unit& u);  // buttons, check boxes, radios
QWidget* MakeListWidget(WindowView* view, ui::Unit& u);    // list view
QWidget* MakeGridWidget(WindowView* view, ui::Unit& u);    // grid
// The text, items and values of the kinds above.
void ApplyEditProp(ui::Unit& u, ui::Prop what);
void ApplyChoiceProp(ui::Unit& u, ui::Prop what);
void ApplyListProp(ui::Unit& u, ui::Prop what);
void ApplyGridProp(ui::Unit& u, ui::Prop what);
// True when a change of the grid unit's model asks nothing of its widgets now (a grid filled
// cell by cell: the widgets follow once, when the event loop runs again).
bool GridFollowsLater(ui::Unit& u);

}  // namespace qtp
