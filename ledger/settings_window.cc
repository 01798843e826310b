#include "ledger/settings_window.h"

#include <vector>

namespace {

using W = SettingsWindow;
using ui::Declare;
using ui::InputMode;

// Everything but the group box lies inside it.
std::vector<ui::UnitDecl> GroupUnits() {
  return {
      Declare(W::标签1, {16, 24, 64, 24}).Text("管理员名称"),
      Declare(W::编辑框1, {88, 24, 112, 24}),
      Declare(W::选择框1, {232, 24, 96, 24}).Text("是否使用密码"),
      Declare(W::标签4, {8, 64, 80, 24}).Text("租赁公司名称"),
      Declare(W::编辑框4, {88, 64, 224, 24}),
      Declare(W::标签2, {40, 104, 32, 24}).Text("密码"),
      Declare(W::编辑框2, {96, 104, 112, 24}).Mode(InputMode::kPassword),
      Declare(W::标签3, {16, 136, 80, 24}).Text("再次输入密码"),
      Declare(W::编辑框3, {96, 136, 112, 24}).Mode(InputMode::kPassword),
      Declare(W::按钮1, {240, 112, 88, 48}).Text("确定修改"),
  };
}

ui::WindowDecl MakeSettingsWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "用户设置";
  d.rect = {0, 0, 380, 232};
  d.units.push_back(Declare(W::分组框1, {8, 8, 360, 192}).Text("基本设置"));
  for (auto& u : GroupUnits()) d.units.push_back(u.In(W::分组框1.name));
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, SettingsWindow_OnCreated),
      ui::Bind(W::选择框1, ui::Event::kMouseUp, SettingsWindow_OnUsePasswordMouseUp),
      ui::Bind(W::按钮1, ui::Event::kClick, SettingsWindow_OnConfirmClick),
  };
  return d;
}

}  // namespace

const ui::WindowDecl& SettingsWindowDecl() {
  static const ui::WindowDecl decl = MakeSettingsWindowDecl();
  return decl;
}
