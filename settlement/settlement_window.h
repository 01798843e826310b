#pragma once
// The settlement window: the clerk picks a contract and a period, the method and the two
// optional charges, has the rent statement built in the grid, and previews or prints it.
#include "common/ui/ui.h"

struct SettlementWindow {
  static constexpr ui::WindowRef self{"SettlementWindow"};
  static constexpr ui::GroupBoxRef 分组框1{"SettlementWindow", "分组框1"};
  static constexpr ui::LabelRef 标签1{"SettlementWindow", "标签1"};
  static constexpr ui::LabelRef 标签2{"SettlementWindow", "标签2"};
  static constexpr ui::LabelRef 标签3{"SettlementWindow", "标签3"};
  static constexpr ui::ComboRef 组合框1{"SettlementWindow", "组合框1"};
  static constexpr ui::DateBoxRef 日期框1{"SettlementWindow", "日期框1"};
  static constexpr ui::DateBoxRef 日期框2{"SettlementWindow", "日期框2"};
  static constexpr ui::RadioRef 单选框1{"SettlementWindow", "单选框1"};
  static constexpr ui::RadioRef 单选框2{"SettlementWindow", "单选框2"};
  static constexpr ui::CheckBoxRef 选择框1{"SettlementWindow", "选择框1"};
  static constexpr ui::CheckBoxRef 选择框2{"SettlementWindow", "选择框2"};
  static constexpr ui::CheckBoxRef 选择框3{"SettlementWindow", "选择框3"};
  static constexpr ui::ButtonRef 按钮1{"SettlementWindow", "按钮1"};
  static constexpr ui::ButtonRef 按钮2{"SettlementWindow", "按钮2"};
  static constexpr ui::ButtonRef 按钮3{"SettlementWindow", "按钮3"};
  static constexpr ui::GridRef 高级表格1{"SettlementWindow", "高级表格1"};
};

// The settlement window's declaration ("结算管理", 1302 x 564 at 50, 50).
const ui::WindowDecl& SettlementWindowDecl();

namespace settlement {
// Opens the settlement window modally; returns when the clerk has closed it.
void OpenSettlementWindow();
}  // namespace settlement

// Handlers of the settlement window.
void SettlementWindow_OnCreated();
void SettlementWindow_OnContractSelected();
void SettlementWindow_OnResized();
void SettlementWindow_OnEditModeClick();
void SettlementWindow_OnPrintPreviewClick();
void SettlementWindow_OnPrintClick();
void SettlementWindow_OnSettleClick();
