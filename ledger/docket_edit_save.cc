// Saving the edited dockets: the negative-balance questions, the sorted copy rewritten from
// the grid, and its bytes stored into the picked contract's 数据.
#include <array>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/quantities.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/docket_edit.h"
#include "ledger/program_state.h"

namespace {

using W = DocketEditWindow;

struct NegativeBalanceText {
  const char* prefix;
  const char* suffix;
};
constexpr std::array<NegativeBalanceText, kMaterialCount> kNegativeBalance = {{
    {"钢管入库数量比出库数量多了", "米， 你确定要保存吗？这样会产生负租金。"},
    {"扣件入库数量比出库数量多了", "套， 你确定要保存吗？这样会产生负租金。"},
    {"顶托入库数量比出库数量多了", "个， 你确定要保存吗？这样会产生负租金。"},
    {"工字钢入库数量比出库数量多了", "米， 你确定要保存吗？这样会产生负租金。"},
}};

// The cell's text as the grid holds it, without a copy ("" when the window is not open).
const std::string& Cell(int row, int col) {
  static const std::string kNone;
  const ui::Unit* grid = ui::FindUnit(W::高级表格1);
  return grid && grid->grid ? grid->grid->TextAt(row, col) : kNone;
}

double CellNumber(int row, int col) { return ToNumber(Cell(row, col)); }

// The final on-rent balance per material over every docket the grid shows.
std::array<double, kMaterialCount> FinalBalances() {
  std::array<double, kMaterialCount> sum{};
  const int dockets = GetGridRowCount(W::高级表格1) - 1;
  for (int row = 1; row <= dockets; ++row) {
    for (int m = 0; m < kMaterialCount; ++m) sum[m] += CellNumber(row, kFirstQuantityColumn + m);
  }
  return sum;
}

// Asks about each material whose balance is negative; false when the clerk cancels.
bool ConfirmNegativeBalances() {
  const std::array<double, kMaterialCount> sum = FinalBalances();
  for (int m = 0; m < kMaterialCount; ++m) {
    if (sum[m] >= -kTolerance) continue;
    const auto& t = kNegativeBalance[m];
    const std::string text = t.prefix + ToText(AbsoluteValue(sum[m])) + t.suffix;
    if (ShowMessageBox(text, kMbOkCancel) != kIdOk) return false;
  }
  return true;
}

// The nine DocketRecord values of grid row i; the direction carries over from the row before
// when the cell holds neither choice.
std::vector<Value> RowValues(int row, bool out) {
  std::vector<Value> values = {CellNumber(row, 1), ToDateTime(Cell(row, 2)), out};
  for (int col = kFirstQuantityColumn; col <= 8; ++col) values.push_back(CellNumber(row, col));
  values.push_back(ToText(Cell(row, 9)));
  return values;
}

// True when the closed sorted copy opens as a table; it is closed again.
bool SortedCopyIsTable() {
  if (!OpenTable(SortedDocketFile(), SortedDocketAlias(), Durability::kScratch)) return false;
  CloseTable(SortedDocketAlias());
  return true;
}

// Stores the sorted copy's bytes into the picked contract's 数据; false (数据 kept) when the
// copy cannot be read as a table or the write fails.
bool StoreSortedCopy() {
  const ByteSet bytes = ReadFileToBinary(SortedDocketFile());
  const bool readable = !bytes.empty() && SortedCopyIsTable();
  SelectTable("合同");
  GoToRecord(PickedContract.record);
  return readable && WriteField(kContractDockets.number, bytes);
}

}  // namespace

void WriteDocketGridBack() {
  bool out = false;
  const int records = GetRecordCount();
  for (int i = 1; i <= records; ++i) {
    GoToRecord(i);
    const std::string direction = Cell(i, kDirectionColumn);
    if (direction == "出库") out = true;
    if (direction == "入库") out = false;
    if (!ModifyRecord(RowValues(i, out))) ShowMessageBox("修改失败");
  }
}

// Only a sorted copy that is open can be saved: without it the grid shows the working table
// and the copy on disk is no account of these dockets.
void DocketEditWindow_OnSaveClick() {
  if (!ConfirmNegativeBalances()) return;
  const bool sorted_open = SelectTable(SortedDocketAlias());
  if (sorted_open) WriteDocketGridBack();
  CloseTable(WorkingDocketAlias());
  CloseTable(SortedDocketAlias());
  const bool stored = sorted_open && StoreSortedCopy();
  ShowMessageBox(stored ? "出租单修改成功" : "出租单修改失败");
  ui::DestroyWindowUnit(W::self);
}
