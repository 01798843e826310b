#pragma once
// A small test window holding one grid unit whose every grid event writes to the log, and a
// fixture that opens it against the script.
#include <string>

#include "common/grid/grid_ops.h"
#include "tests/common/ui_fixture.h"

struct 表格窗口 {
  static constexpr ui::WindowRef self{"表格窗口"};
  static constexpr ui::GridRef 高级表格1{"表格窗口", "高级表格1"};
};

namespace grid_window {

inline std::string At(const ui::EventArgs& a) {
  return std::to_string(a.row) + "," + std::to_string(a.col);
}
inline void OnCursor(const ui::EventArgs& a) {
  Note("cursor " + At(a) + " reads " + std::to_string(GetGridCursorRow(表格窗口::高级表格1)) + "," +
       std::to_string(GetGridCursorColumn(表格窗口::高级表格1)));
}
// An edit of column 2 has the handler write column 3 of the row (that raises no event); the
// user's text in column 3 takes at most 4 GBK bytes.
inline void OnChanged(const ui::EventArgs& a) {
  constexpr ui::GridRef g = 表格窗口::高级表格1;
  Note("changed " + At(a) + " " + GetGridCellData(g, a.row, a.col) + " cursor " +
       std::to_string(GetGridCursorRow(g)) + "," + std::to_string(GetGridCursorColumn(g)));
  if (a.col == 2)
    SetGridCellData(g, a.row, 3, kCellContent, Value(GetGridCellData(g, a.row, 2) + "!"));
}
inline void OnChoice(const ui::EventArgs& a) { Note("choice " + At(a) + " " + a.text); }
inline void OnChar(const ui::EventArgs& a) { Note("char " + std::to_string(a.code)); }
inline void OnKey(const ui::EventArgs& a) { Note("key " + std::to_string(a.code)); }
inline void OnRightUp(const ui::EventArgs& a) { Note("right up " + At(a)); }

inline ui::WindowDecl Make() {
  using E = ui::Event;
  constexpr ui::GridRef g = 表格窗口::高级表格1;
  return TestWindow(
      "表格窗口", {ui::Declare(g, {10, 10, 380, 280}).CellTextBytes(1, 3, -1, 3, 4)},
      {ui::Bind(g, E::kGridCursorChanged, OnCursor), ui::Bind(g, E::kGridCellChanged, OnChanged),
       ui::Bind(g, E::kGridChoice, OnChoice), ui::Bind(g, E::kGridChar, OnChar),
       ui::Bind(g, E::kGridKey, OnKey), ui::Bind(g, E::kGridRightUp, OnRightUp)});
}

}  // namespace grid_window

inline const ui::WindowDecl& GridWindowDecl() {
  static const ui::WindowDecl decl = grid_window::Make();
  return decl;
}

// Opens 表格窗口 with a grid of 5 rows and 4 columns (one header row and column), runs
// setup, performs the queued steps, then runs check on the still open window.
class GridWindowTest : public UiTest {
 protected:
  static constexpr ui::GridRef g = 表格窗口::高级表格1;
  bool RunGrid(
      const std::function<void()>& setup, const std::function<void()>& check = [] {}) {
    return Run([&] {
      ui::LoadStartWindow(GridWindowDecl());
      SetGridRowCount(g, 5);
      SetGridColumnCount(g, 4);
      setup();
      script_.PerformSteps();
      check();
    });
  }
};
