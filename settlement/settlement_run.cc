// The settlement run behind 结算: the period check, the contract's rates, the working docket
// files, the chosen statement and the rows every statement ends with.
#include "settlement/settlement_run.h"

#include <utility>

#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/cumulative_statement.h"
#include "settlement/deduction_statement.h"
#include "settlement/run_dockets.h"
#include "settlement/settlement_window.h"
#include "settlement/statement_state.h"

namespace {

using W = SettlementWindow;

constexpr const char* kDocketAlias = "出租数据";
constexpr const char* kSortedAlias = "出租单临时数据";
constexpr const char* kNoDockets = "没有出租回收数据";
// The run's copies are rebuilt at every run and deleted at its end: never synced.
constexpr Durability kScratch = Durability::kScratch;
constexpr int kRowsPerDocket = 6, kSpareRows = 10;

std::string DocketFile() { return RunPath("出租数据.rdb"); }
std::string SortedFile() { return RunPath("出租单临时数据.rdb"); }

bool PeriodIsValid() { return !(SettlementEndDate().days < SettlementStartDate().days); }

// Loads the rates of the contract the combo shows; its docket bytes into *dockets.
void LoadContract(ContractRatesValue* rates, ByteSet* dockets) {
  SelectTable("合同");
  GoToRecord(ui::GetSelectedIndex(W::组合框1) + 1);
  for (int m = 0; m < kMaterialCount; ++m)
    rates->rent[m] = ToFloat(ReadField(kContractRents[m].number));
  rates->wash_price = ToNumber(ReadField(kContractWashPrice.number));
  rates->missing_screw_price = ToNumber(ReadField(kContractMissingScrewPrice.number));
  Value v = ReadField(kContractDockets.number);
  ByteSet* bytes = std::get_if<ByteSet>(&v);
  *dockets = bytes != nullptr ? std::move(*bytes) : ByteSet{};
}

void RemoveWorkingFiles() {
  CloseTable(kSortedAlias);
  CloseTable(kDocketAlias);
  DeleteDiskFile(SortedFile());
  DeleteDiskFile(DocketFile());
  SelectTable("合同");
}

// Writes the dockets out, opens them and a copy sorted by date, which becomes the current
// table (the unsorted table when the copy cannot be made). False when there is no table.
bool OpenWorkingDockets(const ByteSet& dockets) {
  if (ui::GetSelectedIndex(W::组合框1) < 0 || !WriteBinaryToFile(DocketFile(), dockets, kScratch) ||
      !OpenTable(DocketFile(), kDocketAlias, kScratch)) {
    RemoveWorkingFiles();
    ShowMessageBox(kNoDockets);
    return false;
  }
  if (!SortTableToFile(SortedFile(), {kDocketDate.name}, {true}, kScratch))
    ShowMessageBox("结算窗口按钮1排序数据库失败");
  if (!OpenTable(SortedFile(), kSortedAlias, kScratch)) {
    ShowMessageBox("结算窗口按钮1打开数据库失败");
    SelectTable(kDocketAlias);
  }
  return true;
}

void BuildChosenStatement(StatementBuilder* b) {
  if (ui::GetChecked(W::单选框1)) {
    SetGridFixedRows(W::高级表格1, 3);
    BuildDeductionStatement(b);
  }
  if (ui::GetChecked(W::单选框2)) {
    SetGridFixedRows(W::高级表格1, 2);
    BuildCumulativeStatementHeader(b);
    AppendCumulativeSectionPipe(b);
    AppendCumulativeSectionFastener(b);
    AppendCumulativeSectionJackBase(b);
    AppendCumulativeSectionIBeam(b);
  }
}

}  // namespace

void SettlementWindow_OnSettleClick() {
  if (!PeriodIsValid()) {
    ShowMessageBox("结算终止日期必须在结算开始日期之后", kMbIconStop);
    return;
  }
  // The run's own rates, balances, rent and row: nothing is left of them for the next run.
  StatementBuilder statement;
  ByteSet dockets;
  LoadContract(&statement.ContractRates, &dockets);
  if (!OpenWorkingDockets(dockets)) return;
  const int n = GetRecordCount();
  if (n == 0) {
    ShowMessageBox(kNoDockets, kMbIconInformation);
    RemoveWorkingFiles();
    return;
  }
  {
    // The statement's many cells reach the grid through one lookup; the window shows them
    // when they are all written.
    GridWriteBatch cells(W::高级表格1);
    ClearGrid(W::高级表格1);
    SetGridRowCount(W::高级表格1, n * kRowsPerDocket + kSpareRows);
    statement.Dockets = ReadRunDockets(ShownSettlementPeriod());
    ComputeBalancesBeforePeriod(&statement);
    BuildChosenStatement(&statement);
    CompleteStatement(&statement);
  }
  RemoveWorkingFiles();
}
