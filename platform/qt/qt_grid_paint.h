#pragma once
// Painting laid-out grid pages (common/grid/page_layout.h) with QPainter.
#include <QPainter>
#include <QPrinter>
#include <vector>

#include "common/grid/page_layout.h"

namespace qtp {

// Paints one page's items, in order, in 96-dpi page pixels (the painter scales to its device).
void PaintPage(QPainter& painter, const Page& page);
// The page setup of the printer's full page, in 96-dpi pixels, dated today.
PageSetup SetupOf(QPrinter& printer);
// Paints the grid's pages on the printer, one sheet each; 0 done, 2 when printing failed.
int PrintPages(QPrinter& printer, const GridModel& grid);

}  // namespace qtp
