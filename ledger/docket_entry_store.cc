// Storing a docket: the over-return questions, then AddDocketRecord.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/quantities.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/docket_entry.h"

namespace {

using W = DocketEntryWindow;

constexpr int kValueColumn = 1;      // the materials are rows 1-4
constexpr int kLastQuantityRow = 5;  // row 5: missing screws
constexpr int kRemarkRow = 6;

struct OverReturnText {
  const char* prefix;
  const char* suffix;
};
constexpr std::array<OverReturnText, kMaterialCount> kOverReturn = {{
    {"钢管入库数量比出库数量多了", "米， 你确定要录入吗？这样会产生负租金。"},
    {"扣件入库数量比出库数量多了", "套， 你确定要录入吗？这样会产生负租金。"},
    {"顶托入库数量比出库数量多了", "个， 你确定要录入吗？这样会产生负租金。"},
    {"工字钢入库数量比出库数量多了", "米， 你确定要录入吗？这样会产生负租金。"},
}};

double CellNumber(int row) { return ToNumber(GetGridCellData(W::高级表格1, row, kValueColumn)); }

// What is still out on the contract per material: the signed sums over the working table.
std::array<double, kMaterialCount> OnRentBalances() {
  std::array<double, kMaterialCount> balance{};
  SelectTable(WorkingDocketAlias());
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    for (int m = 0; m < kMaterialCount; ++m)
      balance[m] += ToNumber(ReadField(kDocketQuantities[m].number));
  }
  return balance;
}

// Asks about every material the return would take below zero; false when the clerk cancels.
bool ConfirmOverReturns(const std::array<double, kMaterialCount>& balance) {
  for (int m = 0; m < kMaterialCount; ++m) {
    const double q = CellNumber(m + 1);
    if (balance[m] - q >= -kTolerance) continue;
    const std::string text = kOverReturn[m].prefix + ToText(q - balance[m]) + kOverReturn[m].suffix;
    if (ShowMessageBox(text, kMbOkCancel) != kIdOk) return false;
  }
  return true;
}

// Negates the positive quantities of a return docket in the grid; the sum of rows 1-5.
double SignQuantities(bool out) {
  double total = 0;
  for (int row = 1; row <= kLastQuantityRow; ++row) {
    const double q = CellNumber(row);
    total += q;
    if (!out && q > kTolerance) {
      SetGridCellData(W::高级表格1, row, kValueColumn, kCellContent, "-" + ToText(q));
    }
  }
  return total;
}

// The nine DocketRecord values of the docket the window shows.
std::vector<Value> DocketValues(bool out) {
  std::vector<Value> values = {ToNumber(ui::GetText(W::编辑框1)),
                               GetDatePart(ui::GetDate(W::日期框1)), out};
  for (int row = 1; row <= kLastQuantityRow; ++row) values.push_back(CellNumber(row));
  values.push_back(ToText(GetGridCellData(W::高级表格1, kRemarkRow, kValueColumn)));
  return values;
}

}  // namespace

void DocketEntryWindow_OnEnterClick() {
  const std::array<double, kMaterialCount> balance = OnRentBalances();
  if (ui::GetChecked(W::单选框2) && !ConfirmOverReturns(balance)) return;
  AddDocketRecord();
}

void AddDocketRecord() {
  const bool out = ui::GetChecked(W::单选框1);
  if (std::fabs(SignQuantities(out)) <= kTolerance) return;
  if (!AppendRecord(DocketValues(out))) {
    ShowMessageBox("添加失败");
    return;
  }
  // The docket is in the contract before the clerk is told: a crash while the window is still
  // open loses none that was acknowledged.
  StoreWorkingDockets();
  SelectTable(WorkingDocketAlias());
  ShowMessageBox("添加成功");
  ClearGridCells(W::高级表格1, 1, kValueColumn, kRemarkRow, kValueColumn);
}
