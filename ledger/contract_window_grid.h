#pragma once
// The contract grid, shared by the contract window and the contract pick.
#include <vector>

#include "common/ui/ui.h"

// The column widths the contract grids are declared with (序号, 合同号, 建筑单位名称 ...).
const std::vector<int>& ContractGridColumnWidths();
// Rebuilds grid from the current table (the contract table): a header row, then row i shows
// record i. Leaves the table on its last record.
void FillContractGrid(ui::GridRef grid);
// After one record was appended to the table the grid was last filled from: the grid as
// FillContractGrid would leave it, writing only the new row when the grid still shows the
// last fill (else a whole fill). Leaves the table on its last record.
void FillContractGridAfterAppend(ui::GridRef grid);
// The clerk changed a cell of a contract grid: the next append fills the grid whole.
void ForgetContractGridFill();
// The smallest positive integer that no record of the current table holds in 合同序号.
// Leaves the table on its last record.
int FindFreeContractSerial();
