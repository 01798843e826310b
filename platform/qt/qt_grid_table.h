#pragma once
// The grid unit's model as a Qt table model: a virtual view over GridModel (no widget per
// cell). Edits go to ui::user, never into the GridModel directly.
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "common/grid/grid_model.h"
#include "common/ui/ui.h"

namespace qtp {

class WindowView;

class GridTable : public QAbstractTableModel {
 public:
  GridTable(WindowView* view, ui::Unit& grid, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The user's edit: a choice of a drop-down column or typed text, reported to the model.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // Follows the GridModel after it changed: a new size at once (reset); new contents are
  // read from the GridModel when the views paint, which they do after RefreshLater's step.
  void Refresh();
  // Runs `then` once the event loop runs again; `then` relays the views out and repaints
  // them, so that a handler's many writes in a row (a grid filled cell by cell) cost one
  // relayout and one repaint, not one per cell. (A repaint, not a dataChanged: a cell editor
  // the clerk opened meanwhile keeps what is typed into it.)
  void RefreshLater(std::function<void()> then);
  // Takes a change of the GridModel that needs nothing of the views now: its size and cursor
  // are as the views have them and a RefreshLater is queued, which repaints the new contents.
  // False (nothing taken) otherwise.
  bool FollowLater();
  // The cursor the views were given last.
  void CursorShown(int row, int col) {
    cursor_row_ = row;
    cursor_col_ = col;
  }
  // The grid's model (nullptr when the unit has none).
  const GridModel* grid() const { return unit_.grid.get(); }

 private:
  QFont FittedFont(const GridModel& m, const CellStyle& cell, int r, int c,
                   bool* whole = nullptr) const;
  QVariant ElidedText(const GridModel& m, const CellStyle& cell, int r, int c) const;
  // The Qt font of the cell font (at pixel_size, when not 0), made once.
  const QFont& FontOf(const GridFont& font, int pixel_size) const;

  using FontKey = std::tuple<std::string, int, int, bool, bool, int>;
  mutable std::map<FontKey, QFont> fonts_;
  // What FittedFont found for a text in a font and a room: the pixel size and whether the
  // text shows whole (a grid repaints the same texts in the same rooms over and over).
  struct Fit {
    int pixels = 0;
    bool whole = true;
  };
  using FitKey = std::tuple<FontKey, int, std::string, int, int, int, int>;
  struct FitKeyHash {
    size_t operator()(const FitKey& k) const;
  };
  mutable std::unordered_map<FitKey, Fit, FitKeyHash> fits_;
  WindowView* view_;
  ui::Unit& unit_;
  int rows_ = 0, cols_ = 0;  // the size the view knows
  bool in_edit_ = false;     // inside setData: a new size waits until the edit is over
  bool pending_ = false;     // a RefreshLater is queued
  int cursor_row_ = -2, cursor_col_ = -2;  // the cursor the views were given last
};

// The colour of a COLORREF (0x00BBGGRR).
QColor FromColorRef(uint32_t colour);
// The Qt alignment of DrawText flags (horizontal in the low two bits, vertical 0x4/0x8).
Qt::Alignment AlignmentOf(int format);
// The declared font of a grid cell font.
ui::Font ToUiFont(const GridFont& font);
// True when the user may change the cell: typing into it or choosing from its list.
bool CellTakesInput(const GridModel& m, int row, int col);

}  // namespace qtp
