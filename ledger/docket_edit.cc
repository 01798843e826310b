// The docket edit window: its declaration, its title, deleting a docket and the reconciliation
// list's print and preview.
#include "ledger/docket_edit.h"

#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/table/template_fields.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/program_state.h"

namespace {

using W = DocketEditWindow;
using ui::Declare;

ui::WindowDecl MakeDocketEditWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "单据修改";
  d.rect = {0, 0, 1044, 574};
  d.units = {
      Declare(W::高级表格1, {6, 6, 1024, 480})
          .CellTextBytes(1, kRemarkColumn, -1, kRemarkColumn,
                         TemplateTextWidth(kDocketTemplateFile, kDocketRemark.name)),
      Declare(W::按钮1, {40, 496, 160, 36}).Text("确定修改并保存"),
      Declare(W::按钮2, {240, 496, 160, 36}).Text("删除本条单据"),
      Declare(W::按钮3, {440, 496, 160, 36}).Text("关闭退出"),
      Declare(W::按钮4, {640, 496, 160, 36}).Text("打印预览"),
      Declare(W::按钮5, {840, 496, 160, 36}).Text("打印对账单"),
  };
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, DocketEditWindow_OnCreated),
      ui::BindWindow(ui::Event::kDestroying, DocketEditWindow_OnDestroy),
      ui::Bind(W::高级表格1, ui::Event::kGridCellChanged, DocketEditWindow_OnGridCellChanged),
      ui::Bind(W::高级表格1, ui::Event::kGridChoice, DocketEditWindow_OnInOutChosen),
      ui::Bind(W::按钮1, ui::Event::kClick, DocketEditWindow_OnSaveClick),
      ui::Bind(W::按钮2, ui::Event::kClick, DocketEditWindow_OnDeleteClick),
      ui::Bind(W::按钮3, ui::Event::kClick, DocketEditWindow_OnCloseClick),
      ui::Bind(W::按钮4, ui::Event::kClick, DocketEditWindow_OnPrintPreviewClick),
      ui::Bind(W::按钮5, ui::Event::kClick, DocketEditWindow_OnPrintClick),
  };
  return d;
}

}  // namespace

const char* SortedDocketAlias() { return "出租单临时数据"; }

std::string SortedDocketFile() { return RunPath("出租单临时数据.rdb"); }

const ui::WindowDecl& DocketEditWindowDecl() {
  static const ui::WindowDecl decl = MakeDocketEditWindowDecl();
  return decl;
}

void DocketEditWindow_OnCreated() {
  ui::SetTitle(W::self, PickedContract.name.value_or("") + "出租单修改");
  SelectTable(WorkingDocketAlias());
  LoadSortedDocketsIntoGrid();
}

// The header row is no docket: a cursor there counts as no docket chosen, so that no
// record is ever deleted for it; nor is one for a row beyond the sorted copy's records.
void DocketEditWindow_OnDeleteClick() {
  const int row = GetGridCursorRow(W::高级表格1);
  if (row < 1 || row > GetRecordCount()) {
    ShowMessageBox("还没有选中一条单据");
    return;
  }
  if (ShowMessageBox("是否确定删除这条单据", kMbOkCancel) != kIdOk) return;
  GoToRecord(row);
  DropGridRow(W::高级表格1, row);
  DeleteRecord();
  PurgeDeletedRecords();
}

void DocketEditWindow_OnPrintPreviewClick() {
  const std::string title = PickedContract.name.value_or("") + "出入库对账单";
  SetGridPrintTitle(W::高级表格1, title, "黑体字", 30, true, 2);
  PrintPreviewGrid(W::高级表格1);
}

void DocketEditWindow_OnPrintClick() { PrintGrid(W::高级表格1); }

void DocketEditWindow_OnCloseClick() { ui::DestroyWindowUnit(W::self); }
