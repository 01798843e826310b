#pragma once
// The contract grid, shared by the contract window and the contract pick.
#include <vector>

#include "common/ui/ui.h"

// The column widths the contract grids are declared with (序号, 合同号, 建筑单位名称 ...).
const std::vector<int>& ContractGridColumnWidths();
// Rebuilds grid from the current table (the contract table): a header row, then row i shows
// record i. Leaves the table on its last record.
void FillContractGrid(ui::GridRef grid);
// The smallest positive integer that no record of the current table holds in 合同序号.
// Leaves the table on its last record.
int FindFreeContractSerial();
