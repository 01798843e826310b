#pragma once
// The model of one grid unit: its size, header rows and columns, row heights and column
// widths, column kinds with their choice lists, merged ranges, the cells, the cursor and the
// grid-wide and print settings.
// The cells are kept row by row: one vector per row, holding the row's cells from column 0 up
// to its last cell that is not blank. Every blank cell stored before that one is exactly a
// fresh GridCell, and a cell without a font of its own holds the fresh font, so that two
// grids showing the same cells store the same vectors. Finding a cell is two index steps; a
// change of the row count adds or drops only the rows concerned.
// The grid operations (grid_ops.h), the user's actions (grid_user.cc), the save file
// (grid_file.h) and the page layout (page_layout.h) all work on it.
#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

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
  using CellKey = std::pair<int, int>;  // (row, column)
  // A row's cells from column 0 to its last cell that is not blank.
  using RowCells = std::vector<GridCell>;

  // The cells that are not blank, in row and column order.
  class CellList {
   public:
    struct Entry {
      int row, col;
      const GridCell& cell;
    };
    class Iterator {
     public:
      Iterator(const std::vector<RowCells>* rows, size_t r) : rows_(rows), r_(r) { Skip(); }
      Entry operator*() const {
        return {static_cast<int>(r_), static_cast<int>(c_), (*rows_)[r_][c_]};
      }
      Iterator& operator++() {
        ++c_;
        Skip();
        return *this;
      }
      bool operator!=(const Iterator& o) const { return r_ != o.r_ || c_ != o.c_; }

     private:
      void Skip();
      const std::vector<RowCells>* rows_;
      size_t r_, c_ = 0;
    };
    explicit CellList(const std::vector<RowCells>& rows) : rows_(rows) {}
    Iterator begin() const { return Iterator(&rows_, 0); }
    Iterator end() const { return Iterator(&rows_, rows_.size()); }
    size_t size() const;
    bool empty() const { return !(begin() != end()); }

   private:
    const std::vector<RowCells>& rows_;
  };

  GridModel() = default;
  GridModel(int rows, int cols, GridFont default_font);
  friend bool operator==(const GridModel&, const GridModel&) = default;

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
  int RowHeight(int r) const { return r >= 0 && r < rows_ ? heights_[r] : 0; }
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
  // The stored cell, or nullptr when the cell is blank (or outside).
  const GridCell* Cell(int r, int c) const;
  std::string CellText(int r, int c) const;
  // The cell's text, or an empty text ("" outside the grid); no copy.
  const std::string& TextAt(int r, int c) const;
  // The cell for writing (created blank); the cell must be inside the grid.
  GridCell& MutableCell(int r, int c);
  // Forgets the cell when it has become blank.
  void Prune(int r, int c);
  CellList cells() const { return CellList(store_); }
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
  // Makes the row hold `size` cells (room for them all made once).
  void GrowRow(RowCells& row, int size) const;
  // Drops the blank cells at the end of the row.
  static void TrimRow(RowCells& row);
  // A font equal to the default font is no font of the cell's own; without one the cell holds
  // the fresh font.
  void NormaliseFont(GridCell& cell) const;
  void ShiftRows(int from, int by);
  void ShiftColumns(int from, int by);
  void FitMerges();
  bool CellWritable(int r, int c) const;

  int rows_ = 0, cols_ = 0;
  int fixed_rows_ = 1, fixed_cols_ = 1;
  std::vector<int> heights_, widths_;
  std::vector<int> declared_widths_;
  GridFont default_font_;
  std::vector<RowCells> store_;  // one per row
  std::vector<GridMerge> merges_;
  std::map<int, ColumnKind> kinds_;
  int cursor_row_ = -1, cursor_col_ = -1;
};

// Applies change to every cell of the (clamped) range; cells left blank are forgotten.
template <class F>
bool GridModel::ForRange(CellRange range, F change) {
  if (!Clamp(&range)) return false;
  for (int r = range.row1; r <= range.row2; ++r) {
    RowCells& row = store_[r];
    if (static_cast<int>(row.size()) <= range.col2) GrowRow(row, range.col2 + 1);
    for (int c = range.col1; c <= range.col2; ++c) change(row[c]);
    TrimRow(row);
  }
  return true;
}
