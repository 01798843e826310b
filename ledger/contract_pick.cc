#include "ledger/contract_pick.h"

#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/contract_window_grid.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "ledger/program_state.h"

namespace {

using W = ContractPickWindow;

ui::WindowDecl MakeContractPickWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = " 请选择合同";
  d.rect = {0, 0, 782, 462};
  ui::Font bold;
  bold.face = "宋体";
  bold.height = 12;
  bold.weight = 700;
  d.units = {
      ui::Declare(W::高级表格1, {8, 8, 768, 352}).ColumnWidths(ContractGridColumnWidths()),
      ui::Declare(W::按钮1, {304, 368, 152, 48}).Text("确  定").WithFont(bold),
  };
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, ContractPickWindow_OnCreated),
      ui::Bind(W::高级表格1, ui::Event::kGridCursorChanged, ContractPickWindow_OnGridClick),
      ui::Bind(W::按钮1, ui::Event::kClick, ContractPickWindow_OnConfirmClick),
  };
  return d;
}

// The contract under the grid cursor, or -1 when the cursor is on no contract (none, or
// the header row).
int CursorContract() {
  const int row = GetGridCursorRow(W::高级表格1);
  return row >= 1 ? row : -1;
}

// A contract that never had dockets is given the empty docket template.
void SeedEmptyDockets() {
  Value dockets;
  if (GetRecordCount() < 1 || !ReadFieldChecked(kContractDockets.number, &dockets)) return;
  const ByteSet* bytes = std::get_if<ByteSet>(&dockets);
  if (bytes != nullptr && !bytes->empty()) return;
  WriteField(kContractDockets.number, ReadFileToBinary(RunPath(kDocketTemplateFile)));
}

// Opens the docket window that DocketMode asks for.
void OpenDocketWindowForMode() {
  if (DocketMode == DocketModeValue::kEntry) ui::LoadWindow(DocketEntryWindowDecl(), true);
  if (DocketMode == DocketModeValue::kEdit) ui::LoadWindow(DocketEditWindowDecl(), true);
}

}  // namespace

const ui::WindowDecl& ContractPickWindowDecl() {
  static const ui::WindowDecl decl = MakeContractPickWindowDecl();
  return decl;
}

void FillContractPickGrid() { FillContractGrid(W::高级表格1); }

void ContractPickWindow_OnCreated() {
  SelectTable("合同");
  FillContractPickGrid();
  CloseTable(WorkingDocketAlias());
}

void ContractPickWindow_OnGridClick() {
  const int record = CursorContract();
  if (record >= 1) GoToRecord(record);
}

void ContractPickWindow_OnConfirmClick() {
  PickedContract.record = CursorContract();
  SeedEmptyDockets();
  if (PickedContract.record == -1) {
    ShowMessageBox("您还没有选择合同，请选择一个合同！", kMbIconQuestion);
    return;
  }
  ui::DestroyWindowUnit(W::self, true);
  if (!OpenPickedContractDockets()) return;
  OpenDocketWindowForMode();
}
