// Saving the edited dockets: the negative-balance questions, the sorted copy rewritten from
// the grid, and its bytes stored into the picked contract's 数据.
#include <array>
#include <string>
#include <utility>
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

// The docket grid's cells, looked up once; every text is "" when the window is not open.
class GridCells {
 public:
  GridCells() {
    const ui::Unit* unit = ui::FindUnit(W::高级表格1);
    grid_ = unit ? unit->grid.get() : nullptr;
  }
  // The cell's text as the grid holds it, without a copy.
  const std::string& Text(int row, int col) const {
    static const std::string kNone;
    return grid_ ? grid_->TextAt(row, col) : kNone;
  }
  double Number(int row, int col) const { return ToNumber(Text(row, col)); }

 private:
  const GridModel* grid_;
};

// The final on-rent balance per material over every docket the grid shows.
std::array<double, kMaterialCount> FinalBalances() {
  const GridCells cells;
  std::array<double, kMaterialCount> sum{};
  const int dockets = GetGridRowCount(W::高级表格1) - 1;
  for (int row = 1; row <= dockets; ++row) {
    for (int m = 0; m < kMaterialCount; ++m) sum[m] += cells.Number(row, kFirstQuantityColumn + m);
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
std::vector<Value> DocketValues(const GridCells& cells, int row, bool out) {
  std::vector<Value> values;
  values.reserve(kDocketFieldCount);
  values.push_back(cells.Number(row, 1));
  values.push_back(ToDateTime(cells.Text(row, 2)));
  values.push_back(out);
  for (int col = kFirstQuantityColumn; col <= 8; ++col) values.push_back(cells.Number(row, col));
  values.push_back(ToText(cells.Text(row, 9)));
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
  ByteSet bytes = ReadFileToBinary(SortedDocketFile());
  const bool readable = !bytes.empty() && SortedCopyIsTable();
  SelectTable("合同");
  GoToRecord(PickedContract.record);
  return readable && WriteField(kContractDockets.number, std::move(bytes));
}

}  // namespace

void WriteDocketGridBack() {
  const GridCells cells;
  bool out = false;
  std::vector<int> failed;
  GoToRecord(1);
  ModifyRecords(
      GetRecordCount(),
      [&](int k) {
        const std::string& direction = cells.Text(k + 1, kDirectionColumn);
        if (direction == "出库") out = true;
        if (direction == "入库") out = false;
        return DocketValues(cells, k + 1, out);
      },
      &failed);
  for (size_t k = 0; k < failed.size(); ++k) ShowMessageBox("修改失败");
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
