// The printable frame of a page and the breaking of the grid's rows into pages.
#include <algorithm>

#include "common/grid/grid_model.h"
#include "common/grid/page_layout_parts.h"

namespace page_internal {

namespace {

int TitleHeight(const PrintTitle& t) {
  return t.text.empty() ? 0 : std::clamp(t.size, 1, kLargestMeasure) * 3 / 2;
}

// Fills pages row by row, starting a page with the heading rows again where they fit.
class Breaker {
 public:
  Breaker(const GridModel& g, const Frame& f) : g_(g), f_(f), y_(f.first_top) {
    const int fixed = std::min(g.fixed_rows(), g.rows());
    for (int r = 0; r < fixed; ++r) heading_.push_back(r), heading_height_ += g.RowHeight(r);
    pages_.emplace_back();
  }

  // Rows first..last, which must share a page where one can hold them.
  void PlaceRun(int first, int last) {
    long height = 0;
    for (int r = first; r <= last; ++r) height += g_.RowHeight(r);
    if (body_ > 0 && y_ + height > f_.bottom && first >= Fixed() &&
        f_.top + heading_height_ + height <= f_.bottom) {
      NewPage(true);
    }
    for (int r = first; r <= last; ++r) Place(r);
  }

  std::vector<std::vector<int>> Take() { return std::move(pages_); }

 private:
  int Fixed() const { return static_cast<int>(heading_.size()); }

  // Row r on the current page, or on a new one when it does not fit under what is there.
  void Place(int r) {
    const int h = g_.RowHeight(r);
    if (placed_ > 0 && y_ + h > f_.bottom) {
      NewPage(r >= Fixed() && f_.top + heading_height_ + h <= f_.bottom);
    }
    pages_.back().push_back(r);
    y_ += h;
    ++placed_;
    body_ += r >= Fixed();
  }

  void NewPage(bool repeat_heading) {
    pages_.push_back(repeat_heading ? heading_ : std::vector<int>{});
    y_ = f_.top + (repeat_heading ? heading_height_ : 0);
    placed_ = body_ = 0;
  }

  const GridModel& g_;
  const Frame& f_;
  std::vector<int> heading_;
  long heading_height_ = 0;
  std::vector<std::vector<int>> pages_;
  long y_;
  int placed_ = 0;  // rows on the current page besides its repeated heading
  int body_ = 0;    // those of them below the heading rows
};

}  // namespace

Frame MakeFrame(const GridModel& g, const PageSetup& setup) {
  const auto& o = g.settings.page_options;
  auto at_least0 = [](int v) { return std::clamp(v, 0, kLargestMeasure); };
  Frame f;
  f.left = at_least0(o[0]);
  f.right = std::max(f.left + 1, setup.width - at_least0(o[2]));
  f.date_top = at_least0(o[1]);
  f.date_height = at_least0(o[4]);
  f.top = f.date_top + f.date_height;
  f.number_height = at_least0(o[5]);
  f.number_top = setup.height - at_least0(o[3]) - f.number_height;
  f.bottom = std::max(f.top + 1, f.number_top);
  const int title = TitleHeight(g.settings.title);
  f.first_top = f.top + (title ? title + at_least0(o[6]) : 0);
  long total = 0;
  for (int c = 0; c < g.cols(); ++c) total += g.ColumnWidth(c);
  if (total > f.right - f.left) f.scale = static_cast<double>(f.right - f.left) / total;
  long run = 0;
  for (int c = 0; c <= g.cols(); ++c) {
    f.xs.push_back(f.left + static_cast<int>(run * f.scale));
    run += g.ColumnWidth(c);
  }
  return f;
}

std::vector<std::vector<int>> BreakRows(const GridModel& g, const Frame& f) {
  Breaker breaker(g, f);
  for (int r = 0; r < g.rows();) {
    int last = r;
    while (last + 1 < g.rows() && g.KeepsWithNext(last)) ++last;
    breaker.PlaceRun(r, last);
    r = last + 1;
  }
  return breaker.Take();
}

}  // namespace page_internal
