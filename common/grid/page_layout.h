#pragma once
// Laying a grid out on printed pages, as plain drawing items that a printer or a preview
// paints in order. All measures are device pixels at 96 dpi (an A4 page is 794 x 1123), the
// unit of the grid's row heights, column widths, font heights and page options: margins
// left, top, right, bottom (options 1-4), the band above the grid that holds the print date
// (option 5), the band below it that holds the page number (option 6) and the gap between
// the title and the grid (option 7).
//
// What the layout guarantees on paper:
// - every text is drawn whole inside its rectangle: the item's font is the one at which each
//   of its lines fits the rectangle's width (as the measure given measures it) and all its
//   lines fit the height. A text that does not fit at the page's size is set smaller, on
//   several lines where the rectangle is tall enough and the text may break (between CJK
//   characters and at blanks, never inside a number or word); a cell that would have to go
//   below a legible size widens its column with width the other columns of that page can
//   spare, and only where no column can spare enough is it set smaller still.
// - rows marked to keep with the next row (GridModel::SetKeepWithNext) print on one page with
//   it; a run of such rows that does not fit moves whole to the next page, under the repeated
//   heading rows, unless it is taller than a page.
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
  std::string text;                 // kText: the whole text
  std::vector<std::string> lines;   // kText: the text broken into lines (concatenated: text)
  GridFont font;                    // kText: the font it fits at
  int format = kDefaultTextFormat;  // kText: DrawText flags (alignment in the low two bits)
  uint32_t colour = 0;              // kFill: the fill; kText: the text colour; kFrame: the line
};

struct Page {
  std::vector<int> rows;  // the grid rows drawn on the page, top to bottom
  std::vector<PageItem> items;
};

// How wide and how tall text is set in a font, in page pixels: the font engine of the
// printer, or an estimate where there is none.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The advance of text (UTF-8) set on one line.
  virtual double Width(const std::string& text, const GridFont& font) const = 0;
  // The height of one line.
  virtual double LineHeight(const GridFont& font) const = 0;
};

// A measure without a font engine: a CJK character as wide as the font is high, other
// characters 0.6 of that, lines 1.45 times the font's height.
const TextMeasure& EstimatedMeasure();

// The pages of one grid: which rows go on which page is settled at once (it needs no text
// measured); each page's drawing items are laid out only when asked for. The grid and the
// measure must outlive the object.
class GridPages {
 public:
  GridPages(const GridModel& grid, const PageSetup& setup,
            const TextMeasure& measure = EstimatedMeasure());
  int count() const { return static_cast<int>(rows_.size()); }
  // The grid rows of page index (from 0), top to bottom.
  const std::vector<int>& rows(int index) const { return rows_[index]; }
  // Page index with its drawing items: the print title on the first page, the rows with
  // each page starting with the fixed heading rows again, the columns narrowed to the
  // printable width, the print date ("%d-%d-%d") and page number ("第 %d 页 / 共 %d 页").
  Page Lay(int index) const;

 private:
  const GridModel& grid_;
  PageSetup setup_;
  const TextMeasure& measure_;
  std::vector<std::vector<int>> rows_;
};

// Every page of the grid, laid out.
std::vector<Page> LayoutPages(const GridModel& grid, const PageSetup& setup,
                              const TextMeasure& measure = EstimatedMeasure());
