// The contract window's handlers. The form is in view mode when the window opens, after a
// grid click and after a delete (disabled); in adding mode after 添加合同 and in editing mode
// after 修改合同 (enabled). ContractAddMode and EditedContractRecord outlive the window.
#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/table/table.h"
#include "ledger/contract_window.h"
#include "ledger/contract_window_form.h"
#include "ledger/contract_window_grid.h"
#include "ledger/program_state.h"

namespace {

using W = ContractWindow;

// The contract under the grid cursor, or 0 when the cursor is on no record (none, or the
// header row).
int CursorContract() {
  const int row = GetGridCursorRow(W::高级表格1);
  return row >= 1 ? row : 0;
}

void ShowNoRowChosen() { ShowMessageBox("还没有选中一条记录"); }

}  // namespace

void ContractWindow_OnCreated() {
  SelectTable("合同");
  EnableContractForm(false);
  ui::SetDate(W::日期框1, MakeDateTime(GetYear(GetCurrentDateTime()), 1, 1, 12, 30, 25));
  FillContractGrid(W::高级表格1);
}

void ContractWindow_OnGridClick() {
  const int record = CursorContract();
  if (record == 0) return;  // the header row shows no contract
  EditedContractRecord = record;
  ContractAddMode = 0;
  GoToRecord(EditedContractRecord);
  EnableContractForm(false);
  ShowContractRecord();
}

void ContractWindow_OnGridEdited() { ForgetContractGridFill(); }

void ContractWindow_OnAddClick() {
  ContractAddMode = 1;
  ui::SetText(W::编辑框2, "");
  EnableContractForm(true);
  ui::SetFocusToUnit(W::编辑框2);
}

void ContractWindow_OnEditClick() {
  if (CursorContract() == 0 || EditedContractRecord < 1) return ShowNoRowChosen();
  ContractAddMode = 0;
  GoToRecord(EditedContractRecord);
  EnableContractForm(true);
}

void ContractWindow_OnSaveClick() {
  SelectTable("合同");
  if (ui::GetText(W::编辑框2).empty()) {
    ShowMessageBox("合同信息填写不完整，请把必要信息填写完整。", kMbIconInformation);
    return;
  }
  if (ContractAddMode == 1) return AddContractRecord();
  // A modify needs a chosen contract: none after a delete, whose record number now belongs
  // to the contract that moved up into its place.
  if (EditedContractRecord < 1) return ShowNoRowChosen();
  GoToRecord(EditedContractRecord);
  if (!ModifyContractFromForm()) {
    ShowMessageBox("添加合同失败");
    return;
  }
  FillContractGrid(W::高级表格1);
  ui::SetText(W::编辑框2, "");
}

void ContractWindow_OnDeleteClick() {
  if (CursorContract() == 0) return ShowNoRowChosen();
  if (ShowMessageBox("是否确定删除这条合同", kMbOkCancel) != kIdOk) return;
  GoToRecord(CursorContract());
  DeleteRecord();
  PurgeDeletedRecords();
  FillContractGrid(W::高级表格1);
  // Back to view mode with no contract chosen, so that a 保存 cannot overwrite the contract
  // that took the deleted one's record number.
  EnableContractForm(false);
  ContractAddMode = 0;
  EditedContractRecord = 0;
}
