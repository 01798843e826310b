#include "ledger/contract_window_grid.h"

#include <array>
#include <cmath>
#include <vector>

#include "common/dates.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/quantities.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"

namespace {

constexpr std::array<const char*, 11> kHeaders = {"序号",
                                                  "合同号",
                                                  "建筑单位名称",
                                                  "合同开始日期",
                                                  "差螺丝赔偿单价",
                                                  "钢管租金（天）",
                                                  "扣件租金（天）",
                                                  "顶托租金（天）",
                                                  "工字钢租金（天）",
                                                  "洗油费单价",
                                                  "备注"};

// Writes record i (the current record) into grid row i.
void WriteContractRow(ui::GridRef grid, int i) {
  SetGridCellData(grid, i, 0, kCellContent, ToText(i));
  SetGridCellData(grid, i, 1, kCellContent, ReadField(kContractNumber.name));
  SetGridCellData(grid, i, 2, kCellContent, ReadField(kContractUnitName.name));
  const DateTime start = ToDateTime(ReadField(kContractStartDate.number));
  SetGridCellData(grid, i, 3, kCellContent, ToText(GetDatePart(start)));
  SetGridCellData(grid, i, 4, kCellContent, ToText(ReadField(kContractMissingScrewPrice.number)));
  for (int m = 0; m < kMaterialCount; ++m)
    SetGridCellData(grid, i, 5 + m, kCellContent, ReadField(kContractRents[m].number));
  SetGridCellData(grid, i, 9, kCellContent, ReadField(kContractWashPrice.number));
  SetGridCellData(grid, i, 10, kCellContent, ReadField(kContractRemark.number));
}

// What the last fill left in a grid: the grid's model and the records it shows. An append
// then needs only the new record's row for the grid to end as a new fill would leave it.
struct FilledGrid {
  const GridModel* model = nullptr;
  int records = -1;
};
FilledGrid g_filled;

const GridModel* ModelOf(ui::GridRef grid) {
  const ui::Unit* u = ui::FindUnit(grid);
  return u ? u->grid.get() : nullptr;
}

}  // namespace

const std::vector<int>& ContractGridColumnWidths() {
  static const std::vector<int> widths = {40, 60, 140, 104, 96, 92, 92, 92, 100, 72, 110, 30};
  return widths;
}

void FillContractGrid(ui::GridRef grid) {
  SetGridRowCount(grid, GetRecordCount() + 1);
  SetGridColumnCount(grid, GetFieldCount());
  for (int c = 0; c < static_cast<int>(kHeaders.size()); ++c) {
    SetGridCellData(grid, 0, c, kCellContent, std::string(kHeaders[c]));
  }
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    WriteContractRow(grid, i);
  }
  SetGridAlignment(grid, 0, 0, n, GetFieldCount() - 1, 2);
  g_filled = {ModelOf(grid), n};
}

void FillContractGridAfterAppend(ui::GridRef grid) {
  const int n = GetRecordCount();
  const bool as_filled = ModelOf(grid) == g_filled.model && g_filled.model != nullptr &&
                         n == g_filled.records + 1 && GetGridRowCount(grid) == n &&
                         GetGridColumnCount(grid) == GetFieldCount();
  if (!as_filled) return FillContractGrid(grid);
  SetGridRowCount(grid, n + 1);
  GoToRecord(n);
  WriteContractRow(grid, n);
  SetGridAlignment(grid, n, 0, n, GetFieldCount() - 1, 2);
  g_filled.records = n;
}

void ForgetContractGridFill() { g_filled = {}; }

int FindFreeContractSerial() {
  // One pass collects the serials in use; the answer is the first positive integer missing.
  const int n = GetRecordCount();
  std::vector<bool> used(n + 2, false);
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    const double v = ToNumber(ReadField(kContractSerial.number));
    const double whole = std::round(v);
    if (std::fabs(v - whole) <= kTolerance && whole >= 1 && whole <= n + 1) {
      used[static_cast<size_t>(whole)] = true;
    }
  }
  int candidate = 1;
  while (used[candidate]) ++candidate;
  return candidate;
}
