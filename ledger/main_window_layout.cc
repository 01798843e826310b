// The main window's declaration.
#include "ledger/main_window.h"
#include "ledger/window_openers.h"

namespace MainWindow {
namespace {

using ui::Bind;
using ui::Declare;
using ui::Event;

// The captions under the picture buttons: 楷体, height 19, bold, GB2312.
ui::UnitDecl Caption(ui::TransparentLabelRef ref, ui::Rect rect, const char* text) {
  return Declare(ref, rect).Text(text).WithFont({"楷体", 19, 700, 134});
}

std::vector<ui::UnitDecl> Units() {
  return {
      Declare(图形按钮1, {72, 48, 64, 64}).Picture("icon_contracts.jpg"),
      Declare(图形按钮2, {192, 48, 64, 64}).Picture("icon_docket_entry.jpg"),
      Declare(图形按钮3, {344, 48, 64, 64}).Picture("icon_docket_edit.jpg"),
      Declare(图形按钮5, {480, 48, 64, 64}).Picture("icon_settlement.jpg"),
      Caption(透明标签1, {56, 112, 88, 32}, "合同管理"),
      Caption(透明标签2, {168, 112, 120, 32}, "出租回收录入"),
      Caption(透明标签3, {320, 112, 120, 32}, "出租回收修改"),
      Caption(透明标签5, {472, 112, 88, 32}, "结算管理"),
  };
}

ui::MenuDecl Entry(ui::MenuItemRef ref) { return {ref.name, ref.name, false, true, {}}; }

// A top menu; its unit is named after its caption with "菜单" added ("合同管理菜单").
ui::MenuDecl Top(const char* caption, const char* name, std::vector<ui::MenuDecl> items) {
  return {caption, name, false, true, std::move(items)};
}

std::vector<ui::MenuDecl> Menu() {
  using ui::Separator;
  return {
      Top("合同管理", "合同管理菜单",
          {Entry(增加合同), Entry(修改合同), Separator(), Separator(), Separator(),
           Entry(退出系统)}),
      Top("出租与回收管理", "出租与回收管理菜单",
          {Entry(出租与回收单录入), Entry(出租与回收单修改), Separator()}),
      Top("基础信息设置", "基础信息设置菜单", {Entry(用户管理), Entry(数据备份)}),
      Top("结算管理", "结算管理菜单", {Entry(租金结算)}),
      Top("关于墨川", "关于墨川菜单", {Entry(使用教程), Entry(软件更新), Entry(关于)}),
  };
}

std::vector<ui::Binding> Bindings() {
  return {
      ui::BindWindow(Event::kCreated, MainWindow_OnCreated),
      ui::BindWindow(Event::kDestroying, MainWindow_OnDestroy),
      Bind(增加合同, Event::kClick, MainWindow_OnMenuAddContract),
      Bind(修改合同, Event::kClick, MainWindow_OnMenuEditContract),
      Bind(退出系统, Event::kClick, MainWindow_OnMenuExit),
      Bind(出租与回收单录入, Event::kClick, MainWindow_OnMenuDocketEntry),
      Bind(出租与回收单修改, Event::kClick, MainWindow_OnMenuDocketEdit),
      Bind(用户管理, Event::kClick, MainWindow_OnMenuUserSettings),
      Bind(数据备份, Event::kClick, MainWindow_OnMenuBackup),
      Bind(租金结算, Event::kClick, OpenSettlementWindow),
      Bind(使用教程, Event::kClick, MainWindow_OnMenuTutorial),
      Bind(软件更新, Event::kClick, MainWindow_OnMenuSoftwareUpdate),
      Bind(关于, Event::kClick, MainWindow_OnMenuAbout),
      Bind(图形按钮1, Event::kClick, MainWindow_OnContractButtonClick),
      Bind(图形按钮2, Event::kClick, MainWindow_OnDocketEntryButtonClick),
      Bind(图形按钮3, Event::kClick, MainWindow_OnDocketEditButtonClick),
      Bind(图形按钮5, Event::kClick, MainWindow_OnSettlementButtonClick),
      Bind(透明标签5, Event::kMouseDown, MainWindow_OnSettlementLabelMouseDown),
  };
}

ui::WindowDecl Build() {
  ui::WindowDecl d;
  d.name = kName;
  d.caption = "墨川租赁软件";
  d.rect = {50, 50, 949, 566};
  d.picture = "main_background.jpg";
  d.hidden = true;
  d.menu = Menu();
  d.units = Units();
  d.bindings = Bindings();
  return d;
}

}  // namespace

const ui::WindowDecl& Decl() {
  static const ui::WindowDecl decl = Build();
  return decl;
}

}  // namespace MainWindow
