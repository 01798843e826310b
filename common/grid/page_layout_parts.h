#pragma once
// The pieces of the page layout (internal to common/grid): the printable frame, the page
// breaks, and the fitting of texts and columns to a page.
#include <string>
#include <unordered_map>
#include <vector>

#include "common/grid/page_layout.h"

class GridModel;

namespace page_internal {

// A text stays this far from the left and right edges of its cell.
inline constexpr int kTextInset = 2;
// Page options and title sizes are cut to this.
inline constexpr int kLargestMeasure = 100000;

// The printable area and the columns' places on the page.
struct Frame {
  int left, right, top, bottom;  // the grid's area
  int date_top, date_height, number_top, number_height;
  int first_top;        // where the grid starts on the first page, below the title
  double scale = 1.0;   // the columns' declared widths to the page, at most 1
  std::vector<int> xs;  // left edge of every column, and the right edge of the last
};
Frame MakeFrame(const GridModel& g, const PageSetup& setup);

// Which rows go on which page: the rows run on from the first page's top; a later page
// starts with the heading rows again when they leave room for the rows that come next; a
// row marked to keep with the next one goes on the page of that row (the run of marked rows
// moves whole) unless the run is taller than a page.
std::vector<std::vector<int>> BreakRows(const GridModel& g, const Frame& f);

// The height a cell font of the grid has on the page: its height times the frame's scale.
int PageFontHeight(const GridFont& font, double scale);
// The smallest height a text of that page height is set at before its column widens.
int LegibleHeight(int page_height);

// How a text fits a room of width x height: the largest font height (at most font.height)
// at which all of its lines fit, and the lines (one, or several where breaking gives a
// larger font). height is at least 1 even when nothing fits.
struct FittedText {
  int height = 1;
  std::vector<std::string> lines;
};
FittedText FitText(const std::string& text, const GridFont& font, int width, int height,
                   const TextMeasure& measure);

// A measure that remembers what it measured and fitted while one page is laid out: a text
// repeated down a column is measured and fitted once.
class PageMeasure : public TextMeasure {
 public:
  explicit PageMeasure(const TextMeasure& measure) : measure_(measure) {}
  double Width(const std::string& text, const GridFont& font) const override;
  double LineHeight(const GridFont& font) const override;
  // FitText through this measure, once for each text, font and room.
  const FittedText& Fit(const std::string& text, const GridFont& font, int width,
                        int height) const;
  // The largest height, at most font.height, at which a line of the font fits height.
  int Tallest(const GridFont& font, int height) const;

 private:
  const TextMeasure& measure_;
  mutable std::unordered_map<std::string, double> widths_, lines_;
  mutable std::unordered_map<std::string, int> tallest_;
  mutable std::unordered_map<std::string, FittedText> fits_;
};

// The left edges of the columns (and the right edge of the last) on a page showing rows:
// the frame's, except that a column whose text would fall below its legible height takes
// the width it lacks from the columns that can spare it.
std::vector<int> PageColumns(const GridModel& g, const Frame& f, const std::vector<int>& rows,
                             const PageMeasure& measure);

}  // namespace page_internal
