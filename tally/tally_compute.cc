// The tally computation of both layouts.
#include "tally/tally_compute.h"

#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/text.h"
#include "tally/length_classes.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;
constexpr ui::GridRef G = W::TallyGrid;

constexpr double kPipeMetresPerTonne = 260;
constexpr double kFastenersPerTonne = 1000;

double CellNumber(int row, int col) { return ToNumber(GetGridCellData(G, row, col)); }

void SetCellNumber(int row, int col, double v) { SetGridCellData(G, row, col, kCellContent, v); }

// Writes the labels and the program-wide values from the total, the 6 m metres cell and the
// fastener mirror (already filled from the grid).
void WriteResults(double total, int six_row, int six_col) {
  ui::SetText(W::TotalMetresLabel, "钢管总米数 " + ToText(total) + "米");
  const std::string six = GetGridCellData(G, six_row, six_col);
  ui::SetText(W::SixMetreLabel, "其中6米钢管" + ToText(six) + "米");
  ui::SetText(W::OddLengthLabel, "不定尺钢管" + ToText(total - ToNumber(six)) + "米");
  const double pipe_tonnes = total / kPipeMetresPerTonne;
  const double fastener_tonnes = ToNumber(ui::GetText(W::FastenerCountBox)) / kFastenersPerTonne;
  ui::SetText(W::TonnageLabel,
              "一共" + ToText(RoundNumber(pipe_tonnes + fastener_tonnes, 2)) + "吨");
  const double price = ToNumber(ui::GetText(W::HandlingFeeBox));
  const double fee = pipe_tonnes * price + fastener_tonnes * price;
  ui::SetText(W::HandlingFeeLabel, "搬运费" + ToText(RoundNumber(fee, 1)) + "元");
  LastTotalMetres = total;
  LastFastenerCount = ToNumber(ui::GetText(W::FastenerCountBox));
}

}  // namespace

void RecomputeTally() {
  if (ui::GetChecked(W::DoubleLayoutOption)) {
    ComputeDoubleLayoutTotals();
    if (GetGridCursorColumn(G) == 2 && GetGridCursorRow(G) == 1) SetGridCursor(G, 1, 4);
  }
  if (ui::GetChecked(W::SingleLayoutOption)) ComputeSingleLayoutTotals();
}

void ComputeDoubleLayoutTotals() {
  double length = kFirstLength;
  for (int i = 1; i <= 27; ++i) {
    SetCellNumber(i, 2, CellNumber(i, 1) * length);
    length += kLengthStep;
    if (i <= 26) SetCellNumber(i, 5, CellNumber(i, 3) * CellNumber(i, 4));
  }
  double total = 0;
  for (int i = 1; i <= 27; ++i) {
    total += CellNumber(i, 2);
    if (i <= 26) total += CellNumber(i, 5);
  }
  ui::SetText(W::FastenerCountBox, ToText(GetGridCellData(G, 27, 4)));
  WriteResults(total, 26, 5);
  SetGridCellData(G, 27, 5, kCellContent, "钢管合计：" + ToText(total));
}

void ComputeSingleLayoutTotals() {
  double length = kFirstLength;
  for (int i = 1; i <= 53; ++i) {
    SetCellNumber(i, 2, CellNumber(i, 1) * length);
    length += kLengthStep;
  }
  double total = 0;
  for (int i = 1; i <= 53; ++i) total += CellNumber(i, 2);
  ui::SetText(W::FastenerCountBox, ToText(GetGridCellData(G, 54, 1)));
  WriteResults(total, 53, 2);
  SetGridCellData(G, 54, 2, kCellContent, ToText(GetDatePart(GetCurrentDateTime())));
}
