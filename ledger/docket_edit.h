#pragma once
// Docket editing: every docket of the picked contract in one grid, sorted by date, on a
// sorted copy of the working docket file ("出租单临时数据.rdb", alias "出租单临时数据").
// The clerk corrects cells, switches dockets between 出库 and 入库, deletes dockets and
// prints the grid as the contract's in/out reconciliation list; only the save button
// stores the sorted copy back into the contract's 数据.
#include <string>

#include "common/ui/ui.h"

struct DocketEditWindow {
  static constexpr ui::WindowRef self{"DocketEditWindow"};
  static constexpr ui::GridRef 高级表格1{"DocketEditWindow", "高级表格1"};
  static constexpr ui::ButtonRef 按钮1{"DocketEditWindow", "按钮1"};
  static constexpr ui::ButtonRef 按钮2{"DocketEditWindow", "按钮2"};
  static constexpr ui::ButtonRef 按钮3{"DocketEditWindow", "按钮3"};
  static constexpr ui::ButtonRef 按钮4{"DocketEditWindow", "按钮4"};
  static constexpr ui::ButtonRef 按钮5{"DocketEditWindow", "按钮5"};
};

// The grid's columns: 0 row number, 1 docket number, 2 date, 3 direction, 4-7 the four
// material quantities in MaterialKind order, 8 missing screws, 9 remark.
inline constexpr int kDocketEditColumns = 10;
inline constexpr int kDirectionColumn = 3;
inline constexpr int kFirstQuantityColumn = 4;
inline constexpr int kLastQuantityColumn = 7;
inline constexpr int kRemarkColumn = 9;

// The alias the sorted copy is open under while the window lives.
const char* SortedDocketAlias();
// The sorted copy's path: the run directory + "/出租单临时数据.rdb".
std::string SortedDocketFile();

// The docket edit window's declaration ("单据修改", 1044 x 574); its destroying event is
// DocketEditWindow_OnDestroy (ledger/contract_pick_dockets.h).
const ui::WindowDecl& DocketEditWindowDecl();

// Titles the window with the contract's name and fills the grid from the sorted copy.
void DocketEditWindow_OnCreated();
// Sorts the working table on 日期 into the sorted copy, opens it (it stays current) and
// writes one grid row per docket under the header row.
void LoadSortedDocketsIntoGrid();
// A positive quantity typed on a 入库 row becomes negative ("-" + the text as typed): the
// cell typed into, which the event names.
void DocketEditWindow_OnGridCellChanged(const ui::EventArgs& args);
// A direction chosen for the row: 入库 negates its positive quantities, 出库 drops the
// minus of its negative ones; 差螺丝 is never touched.
void DocketEditWindow_OnInOutChosen(const ui::EventArgs& args);
// Asks about each material whose final balance is negative, rewrites the sorted copy from
// the grid, stores its bytes into the contract, reports and closes the window.
void DocketEditWindow_OnSaveClick();
// Rewrites record i of the current table from grid row i; "修改失败" for each row that fails.
void WriteDocketGridBack();
// Deletes the docket under the cursor (after asking) from the grid and the sorted copy.
void DocketEditWindow_OnDeleteClick();
// Sets the list's print title (the contract name + "出入库对账单") and previews the grid.
void DocketEditWindow_OnPrintPreviewClick();
// Prints the grid with whatever print title the preview set last (none before a preview).
void DocketEditWindow_OnPrintClick();
// Closes the window; nothing is stored.
void DocketEditWindow_OnCloseClick();
