// The cumulative statement's heading: the title row and the header row.
#include "common/grid/grid_ops.h"
#include "settlement/cumulative_statement.h"
#include "settlement/settlement_window.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {
constexpr ui::GridRef kGrid = SettlementWindow::高级表格1;
constexpr const char* kHeaders[kStatementColumns] = {
    "品  名",   "单 位",    "出入状态", "租退数量", "累计在租",
    "起租日期", "结止日期", "天数",     "单位租金", "金额（元）"};
}  // namespace

void BuildCumulativeStatementHeader(StatementBuilder* b) {
  SetGridColumnCount(kGrid, kStatementColumns);
  JoinRow(0, 0, 4);
  JoinRow(0, 5, 9);
  PutText(0, 0, "承租单位：");
  PutText(0, 5, "结算日期：");
  b->StatementRow = 0;
  SetGridPrintOption(kGrid, 1, 80);
  SetGridColumnWidth(kGrid, 1, 60);
  SetGridColumnWidth(kGrid, 2, 90);
  SetGridColumnWidth(kGrid, 5, 155);
  for (int col = 0; col < kStatementColumns; ++col) PutText(1, col, kHeaders[col]);
  SetGridColumnWidth(kGrid, 6, 155);
  SetGridColumnWidth(kGrid, 7, 60);
  SetGridColumnWidth(kGrid, 8, 100);
  SetGridColumnWidth(kGrid, 9, 100);
  b->StatementRow = b->StatementRow + 1;
}
