// The settlement window's own handlers: opening, the contract choice, the size, edit mode
// and printing. The run behind 结算 is in settlement_run.cc.
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/ini.h"
#include "common/program_texts.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/deduction_statement.h"
#include "settlement/settlement_window.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {

using W = SettlementWindow;

constexpr int kOpeningRows = 100;
constexpr int kWidthMargin = 30, kHeightMargin = 110;

// Sets the start date box to the 合同开始日期 of the contract the combo shows.
void ShowSelectedContractStart() {
  SelectTable("合同");
  GoToRecord(ui::GetSelectedIndex(W::组合框1) + 1);
  ui::SetDate(W::日期框1, ToDateTime(ReadField(kContractStartDate.number)));
}

// One combo item per contract record, in record order: item i is record i + 1.
void FillContractList() {
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    ui::InsertComboItem(W::组合框1, i - 1, ToText(ReadField(kContractUnitName.number)));
  }
}

void ReadClerkAndCompany() {
  UserName = ReadIniItem(SettingsFilePath(), "用户设置", "用户名");
  CompanyName = ReadIniItem(SettingsFilePath(), "用户设置", "单位名称");
}

void SetPrintTitle() {
  SetGridPrintTitle(W::高级表格1, CompanyName.value_or("") + "租金计算清单", "黑体字", 30, true, 2);
}

}  // namespace

void SettlementWindow_OnCreated() {
  SelectTable("合同");
  ReadClerkAndCompany();
  FillContractList();
  ui::SetSelectedIndex(W::组合框1, 0);
  ShowSelectedContractStart();
  StatementBuilder heading;  // the window opens on the empty heading alone
  BuildDeductionStatementHeader(&heading);
  SetGridRowCount(W::高级表格1, kOpeningRows);
  SetStatementFont(kOpeningRows);
  // The grid follows 编辑模式, which starts unchecked.
  SetGridEditable(W::高级表格1, false);
}

void SettlementWindow_OnContractSelected() { ShowSelectedContractStart(); }

void SettlementWindow_OnResized() {
  ui::Rect r = ui::GetRect(W::高级表格1);
  r.width = ui::GetWindowWidth(W::self) - kWidthMargin;
  r.height = ui::GetWindowHeight(W::self) - kHeightMargin;
  ui::SetRect(W::高级表格1, r);
}

void SettlementWindow_OnEditModeClick() {
  SetGridEditable(W::高级表格1, ui::GetChecked(W::选择框3));
}

void SettlementWindow_OnPrintPreviewClick() {
  SetPrintTitle();
  PrintPreviewGrid(W::高级表格1);
}

void SettlementWindow_OnPrintClick() {
  SetPrintTitle();
  PrintGrid(W::高级表格1);
}
