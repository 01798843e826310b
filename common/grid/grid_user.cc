// The user's actions on a grid unit, as the realisations report them: each checks what the
// user may do, updates the model and runs the bound handler.
#include "common/grid/grid_model.h"
#include "common/ui/ui.h"

namespace ui::user {
namespace {

// The unit's grid model when the unit takes the user's input now.
GridModel* InputGrid(Unit& grid) {
  return grid.kind == Kind::kGrid && grid.grid && TakesInput(grid) ? grid.grid.get() : nullptr;
}

// Tells the realisation that the user's action changed the model.
void Touch(Unit& grid) {
  if (grid.window) GridTouched(GridRef{grid.window->name.c_str(), grid.name.c_str()});
}

EventArgs CellArgs(int row, int col) {
  EventArgs args;
  args.row = row;
  args.col = col;
  return args;
}

// Joined cells show and edit as their first cell: the cell the user's edit lands in.
void ToShownCell(const GridModel& m, int* row, int* col) {
  if (const GridMerge* merge = m.MergeAt(*row, *col)) {
    *row = merge->anchor_row;
    *col = merge->anchor_col;
  }
}

// Stores the user's text in the cell (the cursor goes there) and runs the handler of e.
bool Store(Unit& grid, GridModel& m, int row, int col, const std::string& text, Event e) {
  m.SetCursor(row, col);  // already the shown cell
  m.SetText(row, col, text);
  Touch(grid);
  EventArgs args = CellArgs(row, col);
  if (e == Event::kGridChoice) args.text = text;
  return DispatchUserEvent(grid, e, args);
}

}  // namespace

bool GridClick(Unit& grid, int row, int col) {
  GridModel* m = InputGrid(grid);
  if (!m || !m->SetCursor(row, col)) return false;
  Touch(grid);
  return DispatchUserEvent(grid, Event::kGridCursorChanged,
                           CellArgs(m->cursor_row(), m->cursor_col()));
}

bool GridEdit(Unit& grid, int row, int col, const std::string& text) {
  GridModel* m = InputGrid(grid);
  if (!m) return false;
  ToShownCell(*m, &row, &col);
  if (!m->UserEditAllowed(row, col, text)) return false;
  return Store(grid, *m, row, col, text, Event::kGridCellChanged);
}

bool GridChoose(Unit& grid, int row, int col, const std::string& choice) {
  GridModel* m = InputGrid(grid);
  if (!m) return false;
  ToShownCell(*m, &row, &col);
  if (!m->UserChoiceAllowed(row, col, choice)) return false;
  return Store(grid, *m, row, col, choice, Event::kGridChoice);
}

bool GridChar(Unit& grid, int code) {
  EventArgs args;
  args.code = code;
  return InputGrid(grid) && DispatchUserEvent(grid, Event::kGridChar, args);
}

bool GridKey(Unit& grid, int code) {
  EventArgs args;
  args.code = code;
  return InputGrid(grid) && DispatchUserEvent(grid, Event::kGridKey, args);
}

bool GridRightUp(Unit& grid, int row, int col) {
  return InputGrid(grid) && DispatchUserEvent(grid, Event::kGridRightUp, CellArgs(row, col));
}

}  // namespace ui::user
