#pragma once
// The contract pick: the clerk chooses the contract whose dockets are to be entered or
// edited; its dockets are written out as the working docket file and the docket window opens.
#include "common/ui/ui.h"

struct ContractPickWindow {
  static constexpr ui::WindowRef self{"ContractPickWindow"};
  static constexpr ui::GridRef 高级表格1{"ContractPickWindow", "高级表格1"};
  static constexpr ui::ButtonRef 按钮1{"ContractPickWindow", "按钮1"};
};

// The pick window's declaration (" 请选择合同", 782 x 462).
const ui::WindowDecl& ContractPickWindowDecl();

// Handlers of the pick window.
void ContractPickWindow_OnCreated();
void ContractPickWindow_OnGridClick();
void ContractPickWindow_OnConfirmClick();
// Fills the pick grid as the contract window's grid; leaves the last contract current.
void FillContractPickGrid();
