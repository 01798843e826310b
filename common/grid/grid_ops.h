#pragma once
// The grid operations the windows call, each on a grid unit. Each checks its arguments,
// changes the grid's model and has the realisation follow; a grid whose window is not open
// reads as empty and refuses every change. A "range" is first row, first column, [last row],
// [last column]; a negative last means the first; ranges are clamped to the grid and an
// operation fails with false when its range lies outside it.
#include <string>

#include "common/ui/ui.h"
#include "common/value.h"

// While it lasts, the grid operations on its grid find the grid once, and the realisation
// hears of their changes once, when it ends: for a handler that writes thousands of cells.
// The grid's window must stay open while it lasts (it lives inside one handler). A batch
// opened while another lasts does nothing.
class GridWriteBatch {
 public:
  explicit GridWriteBatch(ui::GridRef g);
  ~GridWriteBatch();
  GridWriteBatch(const GridWriteBatch&) = delete;
  GridWriteBatch& operator=(const GridWriteBatch&) = delete;

 private:
  bool opened_ = false;
};

// The cursor cell's row or column; -1 when there is none.
int GetGridCursorRow(ui::GridRef g);
int GetGridCursorColumn(ui::GridRef g);
// Moves the cursor to the cell; false outside the grid.
bool SetGridCursor(ui::GridRef g, int row, int col);
// The kind of data SetGridCellData stores: the programs store every value as the cell's
// content.
enum GridCellDataKind { kCellContent = 1 };
// Stores the value as the cell's text (text unchanged, double "%.13g", float "%.6g", int
// decimal); false outside the grid.
bool SetGridCellData(ui::GridRef g, int row, int col, GridCellDataKind kind, const Value& v);
// SetGridCellData of a text, taken over without a copy.
bool SetGridCellText(ui::GridRef g, int row, int col, std::string text);
// The cell's text ("" outside the grid).
std::string GetGridCellData(ui::GridRef g, int row, int col);
// The cell's text as the grid holds it, without a copy: valid until the cell is written (""
// outside the grid, or when the grid's window is not open).
const std::string& GridCellText(ui::GridRef g, int row, int col);
bool SetGridFontName(ui::GridRef g, int row1, int col1, int row2, int col2,
                     const std::string& face);
bool SetGridFontSize(ui::GridRef g, int row1, int col1, int row2, int col2, int height);
// SetGridFontName and SetGridFontSize in one pass over the range.
bool SetGridFontNameAndSize(ui::GridRef g, int row1, int col1, int row2, int col2,
                            const std::string& face, int height);
// Style 0 normal, 1 bold, 2 italic, 3 bold italic, 4 underline.
bool SetGridFontStyle(ui::GridRef g, int row1, int col1, int row2, int col2, int style);
// Alignment 1 left, 2 centred, 3 right.
bool SetGridAlignment(ui::GridRef g, int row1, int col1, int row2, int col2, int alignment);
// Merges the range into one cell shown by its first cell.
bool JoinGridCells(ui::GridRef g, int row1, int col1, int row2 = -1, int col2 = -1);
// Empties the text and resets every other attribute of the cells of the range but their
// alignment, so that what is typed next sits where the text stood.
bool ClearGridCells(ui::GridRef g, int row1, int col1, int row2 = -1, int col2 = -1);
// Empties every cell, removes merges, column types and widths; counts and fixed rows stay.
bool ClearGrid(ui::GridRef g);
// Removes the row; the rows below move up.
bool DropGridRow(ui::GridRef g, int row);
// Adds a row (column) titled in its header cell; a position outside the non-header rows
// (columns) appends; an empty grid first gets one header row and one header column.
bool InsertGridRow(ui::GridRef g, const std::string& title, int position = -1);
bool InsertGridColumn(ui::GridRef g, const std::string& title, int position = -1);
// The column's cell type 1..8 (2 numeric, 3 date, 4 choice or typed, 8 choice only).
bool SetGridColumnType(ui::GridRef g, int col, int type);
bool AddGridChoiceItem(ui::GridRef g, int col, const std::string& text);
// Empties the choice lists of every column.
bool ClearGridChoiceList(ui::GridRef g);
// False for a column outside the grid.
bool SetGridColumnWidth(ui::GridRef g, int col, int width);
// Sets (on) or clears the read-only state of the range's cells.
bool SetGridCellFlag(ui::GridRef g, int row1, int col1, int row2, int col2, bool on);
// Sets the background colour (COLORREF) of the range's cells.
bool SetGridCellAttribute(ui::GridRef g, int row1, int col1, int row2, int col2, int colour);
// The title printed above the grid on the first page; alignment 1 left, 2 centred, 3 right.
bool SetGridPrintTitle(ui::GridRef g, const std::string& title, const std::string& face,
                       int size = 20, bool bold = true, int alignment = 2);
// Page option 1..7 (margins left, top, right, bottom; header band, footer band, title gap).
bool SetGridPrintOption(ui::GridRef g, int item, int value);
// Prints (or previews) the grid's pages; shows the printing service's error message and
// returns false when printing fails. Without an installed printer the pages go into the
// file GridPrintFile(), and a message says so.
bool PrintGrid(ui::GridRef g);
bool PrintPreviewGrid(ui::GridRef g);
// Where a print goes when no printer is installed: grid.pdf in the run folder.
std::string GridPrintFile();
// Marks the row to be printed on the same page as the row below it (ClearGrid drops the
// marks); false outside the grid. What the grid shows and stores is unchanged.
bool KeepGridRowWithNext(ui::GridRef g, int row);

// Properties.
int GetGridRowCount(ui::GridRef g);
bool SetGridRowCount(ui::GridRef g, int n);
int GetGridColumnCount(ui::GridRef g);
bool SetGridColumnCount(ui::GridRef g, int n);
int GetGridFixedRows(ui::GridRef g);
bool SetGridFixedRows(ui::GridRef g, int n);
bool GetGridEditable(ui::GridRef g);
bool SetGridEditable(ui::GridRef g, bool editable);
int GetGridBackColour(ui::GridRef g);
bool SetGridBackColour(ui::GridRef g, int colour);
// 0 none, 1 left, 2 centred, 3 right.
bool SetGridPrintDatePosition(ui::GridRef g, int position);
bool SetGridPageNumberPosition(ui::GridRef g, int position);
