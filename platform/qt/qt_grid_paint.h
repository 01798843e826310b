#pragma once
// Painting laid-out grid pages (common/grid/page_layout.h) with QPainter, and measuring their
// texts with the fonts they are painted in.
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <map>
#include <tuple>
#include <vector>

#include "common/grid/page_layout.h"

namespace qtp {

// Texts measured with the metrics of the installed fonts that MakeFont picks (the screen's
// fallbacks included), in 96-dpi page pixels, with a little room for the printer's own
// rendering of the glyphs.
class QtTextMeasure : public TextMeasure {
 public:
  double Width(const std::string& text, const GridFont& font) const override;
  double LineHeight(const GridFont& font) const override;

 private:
  const QFontMetricsF& Metrics(const GridFont& font) const;
  using Key = std::tuple<std::string, int, int, bool, bool>;
  mutable std::map<Key, QFontMetricsF> metrics_;
};

// The QFont a laid-out text item is painted in.
QFont PrintFont(const GridFont& font);
// Paints one page's items, in order, in 96-dpi page pixels (the painter scales to its device).
void PaintPage(QPainter& painter, const Page& page);
// The page setup of the printer's full page, in 96-dpi pixels, dated today.
PageSetup SetupOf(QPrinter& printer);
// Paints the grid's pages on the printer, one sheet each, laying out each page just before
// it is painted; 0 done, 2 when printing failed.
int PrintPages(QPrinter& printer, const GridModel& grid);

}  // namespace qtp
