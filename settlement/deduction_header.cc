// The deduction statement's heading: the title row and the two header rows.
#include "common/grid/grid_ops.h"
#include "settlement/deduction_statement.h"
#include "settlement/settlement_window.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {

constexpr ui::GridRef kGrid = SettlementWindow::高级表格1;
constexpr int kCentred = 2;

void WriteTitleRow() {
  JoinRow(0, 0, 4);
  JoinRow(0, 5, 9);
  PutText(0, 0, "承租单位：");
  PutText(0, 5, "结算日期：");
}

void JoinHeaderColumn(int col) { JoinGridCells(kGrid, 1, col, 2, col); }

void WriteHeaderRows() {
  PutText(1, 0, "品  名");
  JoinHeaderColumn(1);
  PutText(1, 1, "单 位");
  JoinRow(1, 2, 3);
  JoinRow(1, 4, 5);
  PutText(1, 2, "出     库");
  PutText(1, 4, "入     库");
  PutText(2, 2, "日 期");
  PutText(2, 3, "数 量");
  PutText(2, 4, "日 期");
  PutText(2, 5, "数 量");
  for (int col : {6, 7, 8, 9}) JoinHeaderColumn(col);
  PutText(1, 6, "单位租金");
  PutText(1, 7, "天数");
  PutText(1, 8, "金额（元）");
  PutText(1, 9, "累计在租量");
}

void SetColumnWidths() {
  constexpr int kWidths[][2] = {{0, 110}, {1, 60}, {6, 100}, {7, 70}, {5, 90}, {3, 90}};
  for (const auto& w : kWidths) SetGridColumnWidth(kGrid, w[0], w[1]);
}

}  // namespace

void BuildDeductionStatementHeader(StatementBuilder* b) {
  SetGridColumnCount(kGrid, kStatementColumns);
  WriteTitleRow();
  JoinHeaderColumn(0);
  SetGridPrintOption(kGrid, 1, 100);
  SetGridColumnWidth(kGrid, 2, 145);
  SetGridColumnWidth(kGrid, 4, 145);
  WriteHeaderRows();
  SetColumnWidths();
  SetGridAlignment(kGrid, 1, 0, 2, kLastStatementColumn, kCentred);
  b->StatementRow = 2;
}

void BuildDeductionStatement(StatementBuilder* b) {
  ClearGrid(kGrid);
  BuildDeductionStatementHeader(b);
  AppendDeductionSectionPipe(b);
  AppendDeductionSectionFastener(b);
  AppendDeductionSectionJackBase(b);
  AppendDeductionSectionIBeam(b);
}
