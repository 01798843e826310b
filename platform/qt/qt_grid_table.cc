#include "platform/qt/qt_grid_table.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_font.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_text_fit.h"
#include "platform/qt/qt_window_view.h"

namespace qtp {

QColor FromColorRef(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Qt::Alignment AlignmentOf(int format) {
  Qt::Alignment align = Qt::AlignLeft;
  if ((format & 0x3) == 1) align = Qt::AlignHCenter;
  if ((format & 0x3) == 2) align = Qt::AlignRight;
  if (format & 0x4) return align | Qt::AlignVCenter;
  if (format & 0x8) return align | Qt::AlignBottom;
  return align | Qt::AlignTop;
}

ui::Font ToUiFont(const GridFont& font) {
  ui::Font f;
  f.face = font.face;
  f.height = font.height;
  f.weight = font.weight;
  f.charset = font.charset;
  f.italic = font.italic;
  f.underline = font.underline;
  return f;
}

bool CellTakesInput(const GridModel& m, int row, int col) {
  const ColumnKind* kind = m.Kind(col);
  if (kind && kind->type == 8) {
    return !kind->choices.empty() && m.UserChoiceAllowed(row, col, kind->choices.front());
  }
  return m.UserEditAllowed(row, col, "") || m.UserEditAllowed(row, col, "0");
}

GridTable::GridTable(WindowView* view, ui::Unit& grid, QObject* parent)
    : QAbstractTableModel(parent), view_(view), unit_(grid) {
  if (const GridModel* m = this->grid()) {
    rows_ = m->rows();
    cols_ = m->cols();
  }
}

int GridTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

namespace {

// The most fits a grid keeps; past it they are all forgotten and found again as needed.
constexpr size_t kFitsKept = 20000;

bool IsHeading(const GridModel& m, int r, int c) {
  return r < m.fixed_rows() || c < m.fixed_cols();
}

QVariant Background(const GridModel& m, const CellStyle& cell, int r, int c) {
  if (cell.colour_a <= 0xFFFFFF) return FromColorRef(cell.colour_a);
  if (IsHeading(m, r, c)) return FromColorRef(m.settings.back_colour);
  return FromColorRef(m.settings.default_colour_a);
}

QVariant Foreground(const GridModel& m, const CellStyle& cell) {
  if (cell.colour_b <= 0xFFFFFF) return FromColorRef(cell.colour_b);
  return FromColorRef(m.settings.default_colour_b);
}

// The room a cell's text may take: its row and column (or its merge's rows and columns) less
// a small inset on each side.
QSize CellRoom(const GridModel& m, int r, int c) {
  const GridMerge* merge = m.MergeAt(r, c);
  const CellRange cells = merge ? merge->range : CellRange{r, c, r, c};
  int width = 0, height = 0;
  for (int row = cells.row1; row <= cells.row2; ++row) height += m.RowHeight(row);
  for (int col = cells.col1; col <= cells.col2; ++col) width += m.ColumnWidth(col);
  return QSize(width - 6, height - 2);
}

// The room of one line: a wrapping cell only bounds its height.
QSize TextRoom(const GridModel& m, const CellStyle& cell, int r, int c) {
  const QSize room = CellRoom(m, r, c);
  const bool wraps = (cell.format & 0x10) && !(cell.format & 0x20);
  return wraps ? QSize(0, room.height()) : room;
}

}  // namespace

// The cell's font, made smaller when its line would not fit the row: a font height is the
// height of the character cell, so the text stays whole in short rows. A text set larger
// than the grid's own font also narrows to its column, down to that font; a text that still
// does not show whole then takes a smaller font still, down to a legible size, on one line
// or wrapped over the lines of its row (headings such as 工字钢租金（天）); *whole tells whether
// it shows whole (a text that does not is elided).
QFont GridTable::FittedFont(const GridModel& m, const CellStyle& cell, int r, int c,
                            bool* whole) const {
  const GridFont& font = cell.has_font ? cell.font : m.default_font();
  const QFont& made = FontOf(font, 0);
  // The made font at the pixel size of f (which differs from it in nothing else).
  auto sized = [&](int pixels) -> const QFont& {
    return pixels == made.pixelSize() ? made : FontOf(font, pixels);
  };
  const int smallest = std::max(1, std::abs(m.default_font().height));
  const QSize text_room = TextRoom(m, cell, r, c), cell_room = CellRoom(m, r, c);
  FitKey key{FontKey{font.face, font.height, font.weight, font.italic, font.underline, 0},
             smallest,
             m.TextAt(r, c),
             text_room.width(),
             text_room.height(),
             cell_room.width(),
             cell_room.height()};
  auto found = fits_.find(key);
  if (found == fits_.end()) {
    const QString text = Q(m.TextAt(r, c));
    const QFont& fitted = sized(FitFont(made, text, text_room, smallest).pixelSize());
    Fit fit;
    fit.pixels =
        FitWhole(fitted, text, cell_room, SmallestWholePixels(smallest), &fit.whole).pixelSize();
    if (fits_.size() >= kFitsKept) fits_.clear();
    found = fits_.emplace(std::move(key), fit).first;
  }
  if (whole) *whole = found->second.whole;
  return sized(found->second.pixels);
}

size_t GridTable::FitKeyHash::operator()(const FitKey& k) const {
  const FontKey& f = std::get<0>(k);
  size_t h = std::hash<std::string>()(std::get<2>(k));
  for (size_t v : {std::hash<std::string>()(std::get<0>(f)), size_t(std::get<1>(f)),
                   size_t(std::get<2>(f)), size_t(std::get<3>(f)), size_t(std::get<4>(f)),
                   size_t(std::get<1>(k)), size_t(std::get<3>(k)), size_t(std::get<4>(k)),
                   size_t(std::get<5>(k)), size_t(std::get<6>(k))}) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  }
  return h;
}

// Fonts are made once per cell font and size: a font used before keeps what Qt found for it
// (its face, its metrics), which the many cells of one font then share.
const QFont& GridTable::FontOf(const GridFont& font, int pixel_size) const {
  FontKey key{font.face, font.height, font.weight, font.italic, font.underline, pixel_size};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  QFont made = MakeFont(ToUiFont(font));
  if (pixel_size > 0) made.setPixelSize(pixel_size);
  return fonts_.emplace(std::move(key), made).first->second;
}

// The cell's whole text, when it does not show whole (as a tooltip); nothing else.
QVariant GridTable::ElidedText(const GridModel& m, const CellStyle& cell, int r, int c) const {
  bool whole = true;
  FittedFont(m, cell, r, c, &whole);
  return whole ? QVariant() : QVariant(Q(m.TextAt(r, c)));
}

QVariant GridTable::data(const QModelIndex& index, int role) const {
  if (view_->Dead()) return {};  // a destroyed window's unit is gone
  const GridModel* m = grid();
  const int r = index.row(), c = index.column();
  if (!m || !m->Inside(r, c)) return {};
  const CellStyle& cell = m->StyleAt(r, c);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Q(m->CellText(r, c));
    case Qt::FontRole:
      return FittedFont(*m, cell, r, c);
    case Qt::TextAlignmentRole:
      return static_cast<int>(AlignmentOf(cell.format));
    case Qt::BackgroundRole:
      return Background(*m, cell, r, c);
    case Qt::ForegroundRole:
      return Foreground(*m, cell);
    case Qt::ToolTipRole:
      return ElidedText(*m, cell, r, c);
    default:
      return {};
  }
}

Qt::ItemFlags GridTable::flags(const QModelIndex& index) const {
  if (view_->Dead()) return Qt::NoItemFlags;  // a destroyed window's unit is gone
  const GridModel* m = grid();
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (m && CellTakesInput(*m, index.row(), index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool GridTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !view_->Live()) return false;
  const GridModel* m = grid();
  if (!m) return false;
  const int r = index.row(), c = index.column();
  const std::string text = S(value.toString());
  const ColumnKind* kind = m->Kind(c);
  const bool choice =
      kind && (kind->type == 4 || kind->type == 8) && m->UserChoiceAllowed(r, c, text);
  in_edit_ = true;
  const bool taken =
      choice ? ui::user::GridChoose(unit_, r, c, text) : ui::user::GridEdit(unit_, r, c, text);
  in_edit_ = false;
  return taken;
}

void GridTable::Refresh() {
  const GridModel* m = grid();
  const int rows = m ? m->rows() : 0, cols = m ? m->cols() : 0;
  if (rows == rows_ && cols == cols_) return;  // new contents are read when the views paint
  if (in_edit_) {
    QMetaObject::invokeMethod(
        this, [this] { Refresh(); }, Qt::QueuedConnection);
    return;
  }
  if (cols == cols_ && rows > rows_) {  // rows added at the end: the views add just them
    beginInsertRows(QModelIndex(), rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (cols == cols_) {  // rows dropped at the end
    beginRemoveRows(QModelIndex(), rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  } else {
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    endResetModel();
  }
}

bool GridTable::FollowLater() {
  const GridModel* m = grid();
  return pending_ && !in_edit_ && m && m->rows() == rows_ && m->cols() == cols_ &&
         m->cursor_row() == cursor_row_ && m->cursor_col() == cursor_col_;
}

void GridTable::RefreshLater(std::function<void()> then) {
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this, then = std::move(then)] {
        pending_ = false;
        if (view_->Dead()) return;  // a destroyed window's unit is gone
        then();
      },
      Qt::QueuedConnection);
}

}  // namespace qtp
