// The two layouts of the tally grid: two groups of 27 length classes side by side, or one
// column of 53 classes; the fastener count has a row of its own in both.
#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/text.h"
#include "tally/length_classes.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;
constexpr ui::GridRef G = W::TallyGrid;

constexpr int kCountType = 2;
constexpr int kCentred = 2;

void ShowHintBalloon() {
  const ui::Window* w = ui::FindWindow(W::self);
  if (!w) return;
  const int x = static_cast<int>(static_cast<double>(w->rect.left) + 150);
  const int y = static_cast<int>(static_cast<double>(w->rect.top) + 30);
  ui::AddBalloonTip(W::HintBalloon, x, y, "在这里输入钢管数量即可\r\n\r\n鼠标右键弹出帮助。", -1);
}

std::string TodayText() { return ToText(GetDatePart(GetCurrentDateTime())); }

}  // namespace

void BuildTallyGrid() {
  SetGridRowCount(G, 1);
  SetGridColumnCount(G, 1);
  if (ui::GetChecked(W::DoubleLayoutOption)) {
    BuildDoubleLayoutGrid();
    LayoutIsSingle = false;
  } else {
    BuildSingleLayoutGrid();
    LayoutIsSingle = true;
  }
}

void BuildDoubleLayoutGrid() {
  double left = kFirstLength, right = kRightGroupFirstLength;
  const char* titles[] = {"钢管根数", "钢管米数", "钢管型号", "钢管根数", "钢管米数"};
  for (int c = 1; c <= 5; ++c) InsertGridColumn(G, titles[c - 1], c);
  SetGridCellData(G, 0, 0, kCellContent, std::string("钢管型号"));
  for (int i = 1; i <= 27; ++i) {
    InsertGridRow(G, ToText(left), i);
    left += kLengthStep;
    SetGridCellData(G, i, 3, kCellContent, ToText(right));
    right += kLengthStep;
  }
  SetGridCellData(G, 27, 3, kCellContent, std::string("扣件"));
  SetGridColumnType(G, 1, kCountType);
  SetGridColumnType(G, 4, kCountType);
  SetGridColumnWidth(G, 1, 90);
  SetGridColumnWidth(G, 2, 120);
  SetGridColumnWidth(G, 5, 150);
  SetGridColumnWidth(G, 4, 90);
  SetGridCellFlag(G, 1, 2, 27, 3, true);
  SetGridCellFlag(G, 1, 5, 27, 5, true);
  SetGridCellAttribute(G, 1, 3, 27, 3, GetGridBackColour(G));
  SetGridAlignment(G, 1, 1, 27, 5, kCentred);
  ShowHintBalloon();
}

void BuildSingleLayoutGrid() {
  double length = kFirstLength;
  for (int i = 1; i <= 53; ++i) {
    InsertGridRow(G, ToText(length), i);
    length += kLengthStep;
  }
  InsertGridColumn(G, "钢管根数", 1);
  InsertGridColumn(G, "钢管米数", 2);
  SetGridCellFlag(G, 1, 2, 53, 2, true);
  SetGridColumnType(G, 1, kCountType);
  SetGridAlignment(G, 1, 1, 53, 2, kCentred);
  SetGridCellData(G, 0, 0, kCellContent, std::string("钢管型号"));
  InsertGridRow(G, "扣件", 54);
  SetGridColumnWidth(G, 2, 100);
  SetGridColumnWidth(G, 1, 90);
  SetGridCellData(G, 54, 2, kCellContent, TodayText());
  ShowHintBalloon();
}
