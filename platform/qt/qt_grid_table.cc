#include "platform/qt/qt_grid_table.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/qt_font.h"
#include "platform/qt/qt_text.h"
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

bool IsHeading(const GridModel& m, int r, int c) {
  return r < m.fixed_rows() || c < m.fixed_cols();
}

QVariant Background(const GridModel& m, const GridCell* cell, int r, int c) {
  if (cell && cell->colour_a <= 0xFFFFFF) return FromColorRef(cell->colour_a);
  if (IsHeading(m, r, c)) return FromColorRef(m.settings.back_colour);
  return FromColorRef(m.settings.default_colour_a);
}

QVariant Foreground(const GridModel& m, const GridCell* cell) {
  if (cell && cell->colour_b <= 0xFFFFFF) return FromColorRef(cell->colour_b);
  return FromColorRef(m.settings.default_colour_b);
}

// The height a cell's text may take: its row's (or its merge's rows') height less a small
// inset above and below.
int TextRoom(const GridModel& m, int r, int c) {
  const GridMerge* merge = m.MergeAt(r, c);
  int height = 0;
  const int top = merge ? merge->range.row1 : r, bottom = merge ? merge->range.row2 : r;
  for (int row = top; row <= bottom; ++row) height += m.RowHeight(row);
  return height - 2;
}

// The cell's font, made smaller when its line would not fit the row: a font height is the
// height of the character cell, so the text stays whole and readable in short rows.
QFont FittedFont(const GridModel& m, const GridCell* cell, int r, int c) {
  QFont font = MakeFont(ToUiFont(cell && cell->has_font ? cell->font : m.default_font()));
  const int room = TextRoom(m, r, c);
  const int line = QFontMetrics(font).height();
  if (room <= 4 || line <= room) return font;
  font.setPixelSize(std::max(4, font.pixelSize() * room / line));
  return font;
}

}  // namespace

QVariant GridTable::data(const QModelIndex& index, int role) const {
  const GridModel* m = grid();
  const int r = index.row(), c = index.column();
  if (!m || !m->Inside(r, c)) return {};
  const GridCell* cell = m->Cell(r, c);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Q(m->CellText(r, c));
    case Qt::FontRole:
      return FittedFont(*m, cell, r, c);
    case Qt::TextAlignmentRole:
      return static_cast<int>(AlignmentOf(cell ? cell->format : kDefaultTextFormat));
    case Qt::BackgroundRole:
      return Background(*m, cell, r, c);
    case Qt::ForegroundRole:
      return Foreground(*m, cell);
    default:
      return {};
  }
}

Qt::ItemFlags GridTable::flags(const QModelIndex& index) const {
  const GridModel* m = grid();
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (m && CellTakesInput(*m, index.row(), index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool GridTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  const GridModel* m = grid();
  if (role != Qt::EditRole || !m || !view_->Live()) return false;
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
  if (rows != rows_ || cols != cols_) {
    if (in_edit_) {
      QMetaObject::invokeMethod(
          this, [this] { Refresh(); }, Qt::QueuedConnection);
      return;
    }
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    endResetModel();
    return;
  }
  if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

}  // namespace qtp
