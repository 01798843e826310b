#pragma once
// The model of one grid unit: its size, header rows and columns, row heights and column
// widths, column kinds with their choice lists, merged ranges, the cells, the cursor and the
// grid-wide and print settings.
// The cells are kept row by row: one vector per row, holding the row's cells from column 0 up
// to its last cell that is not blank. A cell keeps its text and the number of its style in the
// grid's style table (cell_styles.h), where every style the cells have is kept once: a cell
// takes a few bytes beyond its text, and a change of the style of many cells (a font set over
// a range) makes each new style once. A style without a font of its own holds the fresh font.
// Finding a cell is two index steps; a change of the row count adds or drops only the rows
// concerned.
// The grid operations (grid_ops.h), the user's actions (grid_user.cc), the save file
// (grid_file.h) and the page layout (page_layout.h) all work on it.
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/grid/cell_styles.h"
#include "common/grid/grid_types.h"
#include "common/value.h"

// The grid-wide values that the grid keeps besides its cells.
struct GridSettings {
  bool editable = true;
  uint32_t back_colour = 0xF0F0F0;  // the header cells' colour (COLORREF)
  uint32_t default_colour_a = 0xFFFFFF;
  uint32_t default_colour_b = 0x000000;
  int print_date_position = 0;    // 0 none, 1 left, 2 centred, 3 right
  int page_number_position = 0;   // the same values
  std::array<int32_t, 15> raw{};  // the save file's grid-wide settings not named above
  std::array<int32_t, 7> page_options = kDefaultPageOptions;
  PrintTitle title;
  // Rows printed on the same page as the row below them (not kept in the save file).
  std::set<int> keep_with_next;
  std::vector<AuxRecord> aux1, aux2;
  friend bool operator==(const GridSettings&, const GridSettings&) = default;
};

class GridModel {
 public:
  // A cell as the grid keeps it: its text and the number of its style.
  struct StoredCell {
    std::string text;
    uint32_t style = 0;
    bool IsBlank() const { return style == 0 && text.empty(); }
  };
  // A row's cells from column 0 to its last cell that is not blank.
  using RowCells = std::vector<StoredCell>;

  // The cells that are not blank, in row and column order.
  class CellList {
   public:
    struct Entry {
      int row, col;
      const std::string& text;
      const CellStyle& style;
      // True when the save file keeps a cell record for it.
      bool CarriesContent() const {
        return !text.empty() || style.value != 0 || !style.picture.empty();
      }
    };
    class Iterator {
     public:
      Iterator(const GridModel* g, size_t r) : g_(g), r_(r) { Skip(); }
      Entry operator*() const {
        const StoredCell& cell = g_->store_[r_][c_];
        return {static_cast<int>(r_), static_cast<int>(c_), cell.text, g_->styles_[cell.style]};
      }
      Iterator& operator++() {
        ++c_;
        Skip();
        return *this;
      }
      bool operator!=(const Iterator& o) const { return r_ != o.r_ || c_ != o.c_; }

     private:
      void Skip();
      const GridModel* g_;
      size_t r_, c_ = 0;
    };
    explicit CellList(const GridModel& g) : g_(g) {}
    Iterator begin() const { return Iterator(&g_, 0); }
    Iterator end() const { return Iterator(&g_, g_.store_.size()); }
    size_t size() const;
    bool empty() const { return !(begin() != end()); }

   private:
    const GridModel& g_;
  };

  GridModel() = default;
  GridModel(int rows, int cols, GridFont default_font);
  // Equal when everything shows and is kept alike, cell by cell (however the styles are
  // numbered).
  friend bool operator==(const GridModel& a, const GridModel& b);

  // ---- size ----
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  // Adds or removes rows (columns) at the end; false for a negative count.
  bool SetRowCount(int n);
  bool SetColumnCount(int n);
  int fixed_rows() const { return fixed_rows_; }
  int fixed_cols() const { return fixed_cols_; }
  // False for a negative count; a count beyond the size is kept and shows as all rows.
  bool SetFixedRows(int n);
  bool SetFixedColumns(int n);
  bool Inside(int r, int c) const { return r >= 0 && c >= 0 && r < rows_ && c < cols_; }
  // The rows from this one on have the default height.
  int sized_rows() const { return static_cast<int>(heights_.size()); }
  int RowHeight(int r) const {
    if (r < 0 || r >= rows_) return 0;
    return r < static_cast<int>(heights_.size()) ? heights_[r] : kDefaultRowHeight;
  }
  int ColumnWidth(int c) const { return c >= 0 && c < cols_ ? widths_[c] : 0; }
  // The width column c takes when it is made or cleared: as declared with the grid unit,
  // else the grid's default.
  int DefaultColumnWidth(int c) const;
  // The column widths declared with the grid unit (column 0 first); applied to the columns now.
  void DeclareColumnWidths(std::vector<int> widths);
  // False outside the grid or for a size outside 0 .. kLargestCellSize.
  bool SetRowHeight(int r, int height);
  bool SetColumnWidth(int c, int width);
  const GridFont& default_font() const { return default_font_; }

  // ---- cells ----
  // The cell as a whole (a copy), or nothing when the cell is blank (or outside).
  std::optional<GridCell> Cell(int r, int c) const;
  std::string CellText(int r, int c) const;
  // The cell's text, or an empty text ("" outside the grid); no copy.
  const std::string& TextAt(int r, int c) const;
  // The cell's style, the fresh style for a blank cell (or outside); no copy.
  const CellStyle& StyleAt(int r, int c) const;
  // Changes the cell (which must be inside the grid) as a whole; a cell left blank is
  // forgotten.
  template <class F>
  void EditCell(int r, int c, F edit);
  CellList cells() const { return CellList(*this); }
  // The program's write of a cell text; false outside the grid.
  bool SetText(int r, int c, const std::string& text);
  bool SetText(int r, int c, std::string&& text);
  // Stores the value as the cell's text: a text unchanged, numbers as ToText writes them (double
  // "%.13g", float "%.6g", integers in decimal), bool "真"/"假"; false outside the grid or for a
  // date or no value.
  bool SetCellData(int r, int c, int kind, const Value& v);

  // ---- ranges (clamped to the grid; false when the range misses it) ----
  // The range made from first and last cells (a negative last means the first).
  static CellRange MakeRange(int row1, int col1, int row2 = -1, int col2 = -1);
  bool Clamp(CellRange* range) const;
  bool SetFontFace(CellRange range, const std::string& face);
  bool SetFontSize(CellRange range, int height);
  // Both at once, in one pass over the range.
  bool SetFontFaceAndSize(CellRange range, const std::string& face, int height);
  // 0 normal, 1 bold, 2 italic, 3 bold italic, 4 underline; false for another style.
  bool SetFontStyle(CellRange range, int style);
  // 1 left, 2 centred, 3 right; false for another alignment.
  bool SetAlignment(CellRange range, int alignment);
  bool SetReadOnly(CellRange range, bool on);
  bool SetBackground(CellRange range, uint32_t colour);
  // Empties the cells of the range: text and every other attribute but the alignment.
  bool ClearCells(CellRange range);
  // Merges the range (anchor: its first cell); merges it overlaps are undone first.
  bool Join(CellRange range);

  // ---- merges ----
  const std::vector<GridMerge>& merges() const { return merges_; }
  // The merge that covers the cell, or nullptr.
  const GridMerge* MergeAt(int r, int c) const;
  // Adds a merge as read from a file; false unless it lies inside the grid with its anchor.
  bool AddMerge(const GridMerge& m);

  // ---- structure ----
  // Empties every cell, removes merges, column kinds and column widths; sizes stay.
  void Clear();
  // Forgets cells, merges, column kinds and both auxiliary lists (before loading a file).
  void ResetContent();
  // Adds a row (column) whose header cell holds the title; a position outside the
  // non-header rows (1 .. rows-1) appends. An empty grid first gets one header row and column.
  bool InsertRow(const std::string& title, int position = -1);
  bool InsertColumn(const std::string& title, int position = -1);
  // Removes the row; the later ones move up. False outside the grid.
  bool DropRow(int r);

  // ---- column kinds ----
  // Types 1..8; false for another type or a column outside the grid.
  bool SetColumnType(int c, int type);
  // The column's kind, or nullptr when it has none (a plain column).
  const ColumnKind* Kind(int c) const;
  const std::map<int, ColumnKind>& kinds() const { return kinds_; }
  // Sets a whole kind record (save file); false outside the grid or for a type not 1..8.
  bool SetColumnKind(int c, ColumnKind kind);
  // Adds a choice to the column's drop-down list (a plain column gets kind 1 to hold it).
  bool AddChoiceItem(int c, const std::string& text);
  // Empties the choice lists of every column.
  void ClearChoiceLists();

  // ---- cursor ----
  int cursor_row() const { return cursor_row_; }
  int cursor_col() const { return cursor_col_; }
  // Moves the cursor to the cell (to the anchor of a merged one); false outside the grid.
  bool SetCursor(int r, int c);
  void ClearCursor() { cursor_row_ = cursor_col_ = -1; }

  // ---- what the user may do ----
  // True when the user may type text into the cell: the grid is editable, the cell is no
  // header cell, not read-only, and the text suits the column's kind.
  bool UserEditAllowed(int r, int c, const std::string& text) const;
  // True when the user may take the choice: a drop-down column (4 or 8) that lists it.
  bool UserChoiceAllowed(int r, int c, const std::string& choice) const;

  // ---- printing ----
  // The print title; false for an alignment outside 1..3 or a size below 1.
  bool SetPrintTitle(PrintTitle title);
  // Page option item 1..7; false for another item.
  bool SetPageOption(int item, int value);
  // Positions 0 none, 1 left, 2 centred, 3 right; false for another value.
  bool SetPrintDatePosition(int position);
  bool SetPageNumberPosition(int position);
  // Marks (or unmarks) the row to print on the same page as the row below it; false outside
  // the grid. Cleared with the cells (Clear, ResetContent); rows added or dropped later do
  // not move the marks.
  bool SetKeepWithNext(int r, bool on);
  bool KeepsWithNext(int r) const;

  GridSettings settings;

 private:
  template <class F>
  bool ForRange(CellRange range, F change);
  // The stored cell, or nullptr when none is kept (a blank cell, or outside the grid).
  const StoredCell* Stored(int r, int c) const;
  // The row's cells for writing, kept from now on; the row must be inside the grid.
  RowCells& RowToWrite(int r);
  // Makes the row hold `size` cells (room for them all made once).
  void GrowRow(RowCells& row, int size) const;
  // Drops the blank cells at the end of the row.
  static void TrimRow(RowCells& row);
  // A font equal to the default font is no font of the cell's own; without one the style holds
  // the fresh font.
  void NormaliseFont(CellStyle& style) const;
  // The number of the style, the font made normal first.
  uint32_t StyleNumber(CellStyle style);
  // Stores the cell (inside the grid) as a whole, forgetting it when blank.
  void StoreCell(int r, int c, GridCell cell);
  void ShiftRows(int from, int by);
  void ShiftColumns(int from, int by);
  void FitMerges();
  bool CellWritable(int r, int c) const;

  int rows_ = 0, cols_ = 0;
  int fixed_rows_ = 1, fixed_cols_ = 1;
  std::vector<int> heights_;  // rows past the last of them have the default height
  std::vector<int> widths_;
  std::vector<int> declared_widths_;
  GridFont default_font_;
  std::vector<RowCells> store_;  // one per row up to the last row kept; the rows past it are blank
  CellStyles styles_;
  std::vector<GridMerge> merges_;
  std::map<int, ColumnKind> kinds_;
  int cursor_row_ = -1, cursor_col_ = -1;
};

template <class F>
void GridModel::EditCell(int r, int c, F edit) {
  GridCell cell;
  static_cast<CellStyle&>(cell) = StyleAt(r, c);
  cell.text = TextAt(r, c);
  edit(cell);
  StoreCell(r, c, std::move(cell));
}

// Applies change to the style of every cell of the (clamped) range; cells left blank are
// forgotten. Each style met is changed once: the cells that had it all take the new one.
template <class F>
bool GridModel::ForRange(CellRange range, F change) {
  if (!Clamp(&range)) return false;
  constexpr uint32_t kNotYet = UINT32_MAX;
  std::vector<uint32_t> changed;  // style number before -> after
  for (int r = range.row1; r <= range.row2; ++r) {
    RowCells& row = RowToWrite(r);
    if (static_cast<int>(row.size()) <= range.col2) GrowRow(row, range.col2 + 1);
    for (int c = range.col1; c <= range.col2; ++c) {
      uint32_t& style = row[c].style;
      if (style >= changed.size()) changed.resize(style + 1, kNotYet);
      if (changed[style] == kNotYet) {
        CellStyle s = styles_[style];
        change(s);
        changed[style] = StyleNumber(std::move(s));
      }
      style = changed[style];
    }
    TrimRow(row);
  }
  return true;
}
