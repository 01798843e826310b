#pragma once
// Texts made to show whole in a cell: at a smaller font, on one line or wrapped over the lines
// the cell's height holds.
#include <QFont>
#include <QSize>
#include <QString>

namespace qtp {

// The largest font, no larger than font and no smaller than smallest pixels, at which text
// shows whole in room: on one line as wide as room, or word-wrapped (a CJK text breaks
// between its characters) over lines no higher than room. *whole tells whether one was found;
// when none was, font comes back unchanged (the text is then elided).
QFont FitWhole(const QFont& font, const QString& text, const QSize& room, int smallest,
               bool* whole);

// The smallest pixel size a cell's text is made to show whole at: two thirds of the grid's
// own font, and no less than 9 pixels.
int SmallestWholePixels(int grid_font_pixels);

}  // namespace qtp
