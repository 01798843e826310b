// The user's actions on a grid unit, as the realisations report them: each checks what the
// user may do, updates the model and runs the bound handler.
#include "common/grid/grid_model.h"
#include "common/text.h"
#include "common/ui/framework_state.h"

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

// What the cell keeps of the user's text under its byte limit.
std::string Kept(const Unit& grid, int row, int col, const std::string& text) {
  const int bytes = TextBytesAt(grid, row, col);
  return bytes > 0 ? TextWithinBytes(text, bytes) : text;
}

// Runs the handler of e for the text the user stored in the cell.
bool Stored(Unit& grid, int row, int col, const std::string& text, Event e) {
  EventArgs args = CellArgs(row, col);
  if (e == Event::kGridChoice) args.text = text;
  return DispatchUserEvent(grid, e, args);
}

// Stores the user's text in the cell (the cursor goes there) and runs the handler of e.
bool Store(Unit& grid, GridModel& m, int row, int col, const std::string& text, Event e) {
  m.SetCursor(row, col);  // already the shown cell
  m.SetText(row, col, text);
  Touch(grid);
  return Stored(grid, row, col, text, e);
}

// How the user's text goes into the cell: as a choice of its drop-down list, as typed text, or
// (kCreated) not at all.
Event EntryOf(const GridModel& m, int row, int col, const std::string& text) {
  const ColumnKind* kind = m.Kind(col);
  const bool listed = kind && (kind->type == 4 || kind->type == 8);
  if (listed && m.UserChoiceAllowed(row, col, text)) return Event::kGridChoice;
  return m.UserEditAllowed(row, col, text) ? Event::kGridCellChanged : Event::kCreated;
}

// Where Return takes the cursor from the cell: the row below (below a joined cell's last row);
// from a column's last row, the first row under the headings of the next column; from the
// last cell, nowhere else.
std::pair<int, int> CellAfterReturn(const GridModel& m, int row, int col) {
  const GridMerge* merge = m.MergeAt(row, col);
  const int below = merge ? merge->range.row2 + 1 : row + 1;
  if (below < m.rows()) return {below, col};
  const int right = merge ? merge->range.col2 + 1 : col + 1;
  if (right < m.cols()) return {std::min(m.fixed_rows(), m.rows() - 1), right};
  return {row, col};
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
  return Store(grid, *m, row, col, Kept(grid, row, col, text), Event::kGridCellChanged);
}

bool GridChoose(Unit& grid, int row, int col, const std::string& choice) {
  GridModel* m = InputGrid(grid);
  if (!m) return false;
  ToShownCell(*m, &row, &col);
  if (!m->UserChoiceAllowed(row, col, choice)) return false;
  return Store(grid, *m, row, col, choice, Event::kGridChoice);
}

bool GridReturn(Unit& grid, int row, int col, const std::optional<std::string>& text) {
  GridModel* m = InputGrid(grid);
  if (!m || !m->Inside(row, col)) return false;
  internal::Pin pin(*grid.window);
  ToShownCell(*m, &row, &col);
  const std::string kept = text ? Kept(grid, row, col, *text) : std::string();
  Event entry = Event::kCreated;
  if (text && kept != m->CellText(row, col)) entry = EntryOf(*m, row, col, kept);
  const auto [next_row, next_col] = CellAfterReturn(*m, row, col);
  m->SetCursor(next_row, next_col);
  if (entry != Event::kCreated) m->SetText(row, col, kept);
  Touch(grid);
  if (entry != Event::kCreated) Stored(grid, row, col, kept, entry);
  m = InputGrid(grid);  // the handler may have closed the window
  if (!m || (m->cursor_row() == row && m->cursor_col() == col)) return true;
  return DispatchUserEvent(grid, Event::kGridCursorChanged,
                           CellArgs(m->cursor_row(), m->cursor_col()));
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
