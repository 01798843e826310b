#pragma once
// The grid save file: a whole grid (size, header rows and columns, row heights, column
// widths, column kinds with their choices, merges, cells, fonts, cell properties, print
// title and page options) as the bytes tallybench keeps inside a saved tally. Version 6 is
// written; versions 1 to 6 are read. Texts are GBK in the file.
#include <string>

#include "common/ui/ui.h"
#include "common/value.h"

class GridModel;

// Appends the grid's save file to out (version 6). The file is padded with zero bytes to the
// least length a reader accepts (540), so that even an empty grid reads back.
bool ExportGrid(const GridModel& grid, ByteSet* out);
// Loads a save file into the grid in place of its content. The whole file is checked first:
// on false the grid is as it was. Files of versions 1 to 4 leave the grid's print title and
// page options as they were.
bool ImportGrid(GridModel* grid, const ByteSet& bytes);

// The grid unit's save file written to path (created or truncated); false when it cannot
// be written.
bool ExportGridToFile(ui::GridRef g, const std::string& path);
// Loads the save file at path into the grid unit; false (grid unchanged) when the file
// cannot be read or is refused.
bool ImportGridFromFile(ui::GridRef g, const std::string& path);
