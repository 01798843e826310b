#include "settlement/settlement_window.h"

#include <vector>

namespace {

using W = SettlementWindow;
using ui::Declare;

constexpr const char* kGroup = "分组框1";

// The period, method and charge choices that stand in the group box along the top.
std::vector<ui::UnitDecl> ChoiceUnits() {
  return {
      Declare(W::标签1, {8, 16, 72, 24}).Text("选择结算单位").In(kGroup),
      Declare(W::组合框1, {87, 18, 104, 20}).In(kGroup),
      Declare(W::标签2, {198, 16, 80, 24}).Text("结算开始日期").In(kGroup),
      Declare(W::日期框1, {285, 16, 112, 24}).In(kGroup),
      Declare(W::标签3, {404, 12, 76, 32}).Text("结算终止日期").In(kGroup),
      Declare(W::日期框2, {487, 16, 120, 24}).In(kGroup),
      Declare(W::单选框1, {614, 16, 88, 24}).Text("倒扣法结算").Checked().In(kGroup),
      Declare(W::单选框2, {712, 16, 88, 24}).Text("累计法结算").In(kGroup),
      Declare(W::选择框1, {808, 14, 96, 16}).Text("差螺丝赔偿").In(kGroup),
      Declare(W::选择框2, {808, 35, 88, 16}).Text("扣件洗油费").In(kGroup),
  };
}

std::vector<ui::UnitDecl> ButtonUnits() {
  return {
      Declare(W::按钮1, {913, 13, 79, 35}).Text("结算 ").In(kGroup),
      Declare(W::按钮2, {996, 13, 79, 35}).Text("打印预览").In(kGroup),
      Declare(W::按钮3, {1080, 13, 79, 35}).Text("打印").In(kGroup),
      Declare(W::选择框3, {1184, 24, 72, 16}).Text("编辑模式").In(kGroup),
  };
}

std::vector<ui::Binding> Bindings() {
  return {
      ui::BindWindow(ui::Event::kCreated, SettlementWindow_OnCreated),
      ui::BindWindow(ui::Event::kResized, SettlementWindow_OnResized),
      ui::Bind(W::组合框1, ui::Event::kSelectionChanged, SettlementWindow_OnContractSelected),
      ui::Bind(W::选择框3, ui::Event::kClick, SettlementWindow_OnEditModeClick),
      ui::Bind(W::按钮1, ui::Event::kClick, SettlementWindow_OnSettleClick),
      ui::Bind(W::按钮2, ui::Event::kClick, SettlementWindow_OnPrintPreviewClick),
      ui::Bind(W::按钮3, ui::Event::kClick, SettlementWindow_OnPrintClick),
  };
}

ui::WindowDecl MakeSettlementWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "结算管理";
  d.rect = {50, 50, 1302, 564};
  d.units.push_back(Declare(W::分组框1, {16, 0, 1272, 56}));
  for (auto& u : ChoiceUnits()) d.units.push_back(u);
  for (auto& u : ButtonUnits()) d.units.push_back(u);
  d.units.push_back(Declare(W::高级表格1, {16, 64, 1120, 464}));
  d.bindings = Bindings();
  return d;
}

}  // namespace

const ui::WindowDecl& SettlementWindowDecl() {
  static const ui::WindowDecl decl = MakeSettlementWindowDecl();
  return decl;
}

void settlement::OpenSettlementWindow() { ui::LoadWindow(SettlementWindowDecl(), true); }
