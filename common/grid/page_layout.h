#pragma once
// Laying a grid out on printed pages, as plain drawing items that a printer or a preview
// paints in order. All measures are device pixels at 96 dpi (an A4 page is 794 x 1123), the
// unit of the grid's row heights, column widths, font heights and page options: margins
// left, top, right, bottom (options 1-4), the band above the grid that holds the print date
// (option 5), the band below it that holds the page number (option 6) and the gap between
// the title and the grid (option 7).
#include <string>
#include <vector>

#include "common/grid/grid_types.h"

class GridModel;

struct PageSetup {
  int width = 794, height = 1123;    // the page, pixels
  int year = 0, month = 0, day = 0;  // the date of printing
};

struct PageRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const PageRect&, const PageRect&) = default;
};

struct PageItem {
  enum class Type { kFill, kText, kFrame };
  Type type = Type::kText;
  PageRect rect;
  std::string text;                 // kText
  GridFont font;                    // kText
  int format = kDefaultTextFormat;  // kText: DrawText flags (alignment in the low two bits)
  uint32_t colour = 0;              // kFill: the fill; kText: the text colour; kFrame: the line
};

struct Page {
  std::vector<int> rows;  // the grid rows drawn on the page, top to bottom
  std::vector<PageItem> items;
};

// The grid's pages: the print title on the first page; the rows, each page starting with the
// fixed heading rows again; columns narrowed to the printable width when wider; the print
// date ("%d-%d-%d") and page number ("第 %d 页 / 共 %d 页") where their positions say.
std::vector<Page> LayoutPages(const GridModel& grid, const PageSetup& setup);
