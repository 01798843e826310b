// Fitting printed texts into their cells: the font height at which a text fits, on one line
// or broken into several, and the widths a page's columns take so that no text has to go
// below a legible size while other columns can spare width.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <tuple>

#include "common/grid/grid_model.h"
#include "common/grid/page_layout_parts.h"

namespace page_internal {

namespace {

// Printed text narrowed to its room stays at least this tall before its column widens.
constexpr int kSmallestLegiblePixels = 10;

// The code point that starts at text[i], and its length in bytes (a stray byte is itself).
char32_t CodePointAt(const std::string& text, size_t i, size_t* length) {
  const auto b = static_cast<unsigned char>(text[i]);
  int n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
  if (i + n > text.size()) n = 1;
  char32_t cp = n == 1 ? b : b & (0x3F >> (n - 1));
  for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  *length = n;
  return cp;
}

bool IsWide(char32_t cp) { return cp >= 0x2E80; }

// Punctuation that never starts a line, and that never ends one.
bool IsClosing(char32_t cp) {
  static const std::u32string closing = U"）】」』》〉，。、：；！？%),.:;!?";
  return closing.find(cp) != std::u32string::npos;
}
bool IsOpening(char32_t cp) {
  static const std::u32string opening = U"（【「『《〈(";
  return opening.find(cp) != std::u32string::npos;
}

// A line may break between a and b: after blanks, and beside a CJK character unless the
// break would part an opening bracket from what follows or a closing mark from what precedes.
bool BreakBetween(char32_t a, char32_t b) {
  if (b == U' ') return false;
  if (a == U' ') return true;
  return (IsWide(a) || IsWide(b)) && !IsOpening(a) && !IsClosing(b);
}

// The text cut at every place a line may break.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0, length = 0;
  char32_t previous = 0;
  for (size_t i = 0; i < text.size(); i += length) {
    const char32_t cp = CodePointAt(text, i, &length);
    if (i > 0 && BreakBetween(previous, cp)) {
      pieces.push_back(text.substr(start, i - start));
      start = i;
    }
    previous = cp;
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

GridFont AtHeight(GridFont font, int height) {
  font.height = height;
  return font;
}

// The largest s in lo+1 .. hi for which fits(s) holds, trying guess first (fits is taken to
// hold for every size below one that fits); lo when none does.
template <class Fits>
int Largest(int lo, int hi, int guess, Fits fits) {
  if (hi <= lo) return lo;
  guess = std::clamp(guess, lo + 1, hi);
  int yes = lo, no = hi + 1;
  if (fits(guess)) {
    yes = guess;
    if (guess == hi || !fits(guess + 1)) return guess;
    yes = guess + 1;
  } else {
    no = guess;
  }
  while (no - yes > 1) {
    const int mid = yes + (no - yes) / 2;
    (fits(mid) ? yes : no) = mid;
  }
  return yes;
}

// A guess of the height at which something of size `measured` at height h fits `room`.
int Scaled(int h, double measured, double room) {
  if (measured <= room || measured <= 0) return h;
  return static_cast<int>(h * room / measured);
}

// The pieces set greedily into at most max_lines lines no wider than width, each line as
// measured whole; empty when they do not go into that many. A line is filled by the pieces'
// own widths, so a long text costs one measure per piece and per line.
std::vector<std::string> BreakLines(const std::vector<std::string>& pieces, int width,
                                    size_t max_lines, const GridFont& font,
                                    const TextMeasure& measure) {
  std::vector<std::string> lines;
  if (max_lines == 0) return lines;
  std::string line;
  double filled = 0;
  for (const std::string& piece : pieces) {
    const double w = measure.Width(piece, font);
    if (w > width) return {};
    if (!line.empty() && filled + w > width) {
      if (lines.size() + 1 >= max_lines || measure.Width(line, font) > width) return {};
      lines.push_back(std::move(line));
      line.clear();
      filled = 0;
    }
    line += piece;
    filled += w;
  }
  if (!line.empty()) {
    if (measure.Width(line, font) > width) return {};
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

int PageFontHeight(const GridFont& font, double scale) {
  return std::max(1, static_cast<int>(std::abs(font.height) * scale));
}

int LegibleHeight(int page_height) {
  return std::min(page_height, std::max(kSmallestLegiblePixels, (page_height * 2 + 2) / 3));
}

FittedText FitText(const std::string& text, const GridFont& font, int width, int height,
                   const TextMeasure& measure) {
  const int top = std::clamp(std::abs(font.height), 1, kLargestMeasure);
  const GridFont at_top = AtHeight(font, top);
  const double top_width = measure.Width(text, at_top);
  const double top_line = measure.LineHeight(at_top);
  auto one_line = [&](int s) {
    const GridFont f = AtHeight(font, s);
    return measure.LineHeight(f) <= height &&
           (s == top ? top_width : measure.Width(text, f)) <= width;
  };
  const int guess = std::min(Scaled(top, top_width, width), Scaled(top, top_line, height));
  FittedText fit;
  fit.height = std::max(1, Largest(0, top, guess, one_line));
  fit.lines = {text};
  if (fit.height >= top || 2 * measure.LineHeight(AtHeight(font, fit.height + 1)) > height) {
    return fit;
  }
  const std::vector<std::string> pieces = Pieces(text);
  if (pieces.size() < 2) return fit;
  auto lines_at = [&](int s) {
    const GridFont f = AtHeight(font, s);
    const auto most = static_cast<size_t>(height / std::max(1.0, measure.LineHeight(f)));
    return BreakLines(pieces, width, most, f, measure);
  };
  auto wrapped = [&](int s) { return !lines_at(s).empty(); };
  const int two_lines = Scaled(top, 2 * top_line, height);
  const int best = Largest(fit.height, std::min(top, two_lines + 1), two_lines, wrapped);
  if (best > fit.height) {
    fit.height = best;
    fit.lines = lines_at(best);
  }
  return fit;
}

namespace {

// What the texts of one column of the page ask of its width.
struct ColumnNeed {
  double full = 0;      // to draw every text at its page size
  double legible = 0;   // to draw every text at least at its legible size
  bool short_ = false;  // some text falls below its legible size at the frame's width
};

// A text of page height h0 in a cell width x height: what it asks of the column.
void AddNeed(const std::string& text, const GridFont& font, int h0, int width, int height,
             const PageMeasure& measure, ColumnNeed* need) {
  const GridFont page_font = AtHeight(font, h0);
  const int room = width - 2 * kTextInset;
  const int top = measure.Tallest(page_font, height - 2);
  const int legible = std::min(top, LegibleHeight(h0));
  const double one_line = measure.Width(text, page_font);
  // Most texts fit on one line at their tallest: no need to fit them here.
  const int fitted =
      one_line * top / h0 <= room ? top : measure.Fit(text, page_font, room, height - 2).height;
  auto width_at = [&](int s) { return std::ceil(one_line * s / h0) + 2 * kTextInset + 1; };
  const double full = fitted >= top ? std::min<double>(width, width_at(top)) : width_at(top);
  const bool short_ = fitted < legible;
  const double enough = short_ ? width_at(legible) : std::min<double>(width, width_at(legible));
  need->full = std::max(need->full, full);
  need->legible = std::max(need->legible, enough);
  need->short_ = need->short_ || short_;
}

// Takes up to `amount` from the donors' spare widths, in proportion to them; what it took.
double Take(double amount, const std::vector<double>& spare, std::vector<double>* widths) {
  double pool = 0;
  for (double s : spare) pool += s;
  if (pool <= 0 || amount <= 0) return 0;
  const double taken = std::min(amount, pool);
  for (size_t c = 0; c < spare.size(); ++c) (*widths)[c] -= spare[c] * taken / pool;
  return taken;
}

}  // namespace

std::vector<int> PageColumns(const GridModel& g, const Frame& f, const std::vector<int>& rows,
                             const PageMeasure& measure) {
  const int n = g.cols();
  std::vector<double> widths(n);
  for (int c = 0; c < n; ++c) widths[c] = f.xs[c + 1] - f.xs[c];
  std::vector<ColumnNeed> needs(n);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int r = rows[i];
    for (int c = 0; c < n; ++c) {
      const GridMerge* m = g.MergeAt(r, c);
      int height = g.RowHeight(r), anchor_row = r;
      if (m) {
        // A merge across columns only narrows its text; one down a column asks like a cell.
        if (m->range.col1 != m->range.col2) continue;
        if (i > 0 && m->range.Contains(rows[i - 1], c)) continue;
        for (size_t k = i + 1; k < rows.size() && m->range.Contains(rows[k], c); ++k) {
          height += g.RowHeight(rows[k]);
        }
        anchor_row = m->anchor_row;
      }
      const int anchor_col = m ? m->anchor_col : c;
      const std::string& text = g.TextAt(anchor_row, anchor_col);
      if (text.empty()) continue;
      const CellStyle& style = g.StyleAt(anchor_row, anchor_col);
      const GridFont& font = style.has_font ? style.font : g.default_font();
      AddNeed(text, font, PageFontHeight(font, f.scale), static_cast<int>(widths[c]), height,
              measure, &needs[c]);
    }
  }
  // A column whose text would go below its legible size must have what it lacks for that
  // size, and would like what it lacks for the page size.
  double must = 0, would = 0;
  for (int c = 0; c < n; ++c) {
    if (!needs[c].short_) continue;
    must += std::max(0.0, needs[c].legible - widths[c]);
    would += std::max(0.0, needs[c].full - widths[c]);
  }
  if (must <= 0) return f.xs;
  // The others give what their own texts do not need at their page size, then, as far as the
  // legible sizes need it, what their texts need beyond their legible size; none goes below
  // half its width.
  std::vector<double> spare(n, 0), given = widths;
  for (int c = 0; c < n; ++c) {
    if (!needs[c].short_) {
      spare[c] = std::max(0.0, widths[c] - std::max(needs[c].full, widths[c] / 2));
    }
  }
  double taken = Take(would, spare, &given);
  for (int c = 0; c < n; ++c) {
    if (!needs[c].short_) {
      spare[c] = std::max(0.0, given[c] - std::max(needs[c].legible, widths[c] / 2));
    }
  }
  if (taken < must) taken += Take(must - taken, spare, &given);
  for (int c = 0; c < n; ++c) {
    if (!needs[c].short_) continue;
    const double lacks = std::max(0.0, needs[c].legible - widths[c]);
    const double likes = std::max(0.0, needs[c].full - widths[c]) - lacks;
    given[c] +=
        taken <= must ? lacks * taken / must : lacks + likes * (taken - must) / (would - must);
  }
  std::vector<int> xs(n + 1);
  double run = 0;
  for (int c = 0; c < n; ++c) {
    xs[c] = f.xs[0] + static_cast<int>(std::lround(run));
    run += given[c];
  }
  xs[n] = f.xs[n];
  return xs;
}

namespace {

// A key made of the font (face, height, weight, italic, underline), the numbers and the text.
std::string Key(const GridFont& font, std::initializer_list<int> numbers = {},
                const std::string& text = "") {
  std::string key;
  key.reserve(font.face.size() + text.size() + 4 * (numbers.size() + 2) + 2);
  key += font.face;
  key += '\0';
  auto add = [&key](int v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); };
  add(font.height);
  add(font.weight);
  key += static_cast<char>(font.italic | font.underline << 1);
  for (int v : numbers) add(v);
  key += text;
  return key;
}

}  // namespace

double PageMeasure::Width(const std::string& text, const GridFont& font) const {
  const std::string key = Key(font, {}, text);
  auto it = widths_.find(key);
  if (it == widths_.end()) it = widths_.emplace(key, measure_.Width(text, font)).first;
  return it->second;
}

double PageMeasure::LineHeight(const GridFont& font) const {
  const std::string key = Key(font);
  auto it = lines_.find(key);
  if (it == lines_.end()) it = lines_.emplace(key, measure_.LineHeight(font)).first;
  return it->second;
}

int PageMeasure::Tallest(const GridFont& font, int height) const {
  const std::string key = Key(font, {height});
  auto it = tallest_.find(key);
  if (it == tallest_.end()) {
    auto fits = [&](int s) { return LineHeight(AtHeight(font, s)) <= height; };
    const int h = font.height;
    const int tallest = std::max(1, Largest(0, h, Scaled(h, LineHeight(font), height), fits));
    it = tallest_.emplace(key, tallest).first;
  }
  return it->second;
}

const FittedText& PageMeasure::Fit(const std::string& text, const GridFont& font, int width,
                                   int height) const {
  const std::string key = Key(font, {width, height}, text);
  auto it = fits_.find(key);
  if (it == fits_.end()) it = fits_.emplace(key, FitText(text, font, width, height, *this)).first;
  return it->second;
}

namespace {

class Estimate : public TextMeasure {
 public:
  double Width(const std::string& text, const GridFont& font) const override {
    double em = 0;
    size_t length = 0;
    for (size_t i = 0; i < text.size(); i += length) {
      em += IsWide(CodePointAt(text, i, &length)) ? 1.0 : 0.6;
    }
    return em * std::abs(font.height);
  }
  double LineHeight(const GridFont& font) const override { return 1.45 * std::abs(font.height); }
};

}  // namespace

}  // namespace page_internal

const TextMeasure& EstimatedMeasure() {
  static const page_internal::Estimate estimate;
  return estimate;
}
