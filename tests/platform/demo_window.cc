#include "tests/platform/demo_window.h"

namespace demo {

namespace {

using D = DemoWindow;
using ui::Declare;
using ui::InputMode;

std::vector<ui::MenuDecl> DemoMenu() {
  ui::MenuDecl file{"文件(&F)", "文件"};
  file.items = {{"打开", D::打开.name}, ui::Separator(), {"退出", D::退出.name}};
  ui::MenuDecl popup{"右键菜单", D::右键菜单.name};
  popup.visible = false;
  popup.items = {{"复制", D::复制.name}};
  return {file, popup};
}

ui::UnitDecl WithWidths(ui::UnitDecl unit, std::vector<int> widths) {
  unit.item_widths = std::move(widths);
  return unit;
}

std::vector<ui::UnitDecl> DemoUnits() {
  const ui::Font big{"黑体字", 20, 700};
  return {
      Declare(D::标签1, {10, 10, 200, 24}).Text("合同编号：").WithFont(big),
      Declare(D::透明标签1, {220, 10, 200, 24}).Text("租赁结算").WithFont({"楷体", 18}),
      Declare(D::编辑框1, {10, 40, 150, 22}).Text("建设单位"),
      Declare(D::编辑框2, {170, 40, 100, 22}).Text("secret").Mode(InputMode::kPassword),
      Declare(D::编辑框3, {280, 40, 80, 22}).Text("42").Mode(InputMode::kInteger),
      Declare(D::编辑框4, {370, 40, 150, 60}).Text("第一行\n第二行").Mode(InputMode::kMultiLine),
      Declare(D::分组框1, {10, 70, 200, 80}).Text("计算方法"),
      Declare(D::单选框1, {10, 20, 120, 20}).In(D::分组框1.name).Text("扣除法").Checked(),
      Declare(D::单选框2, {10, 45, 120, 20}).In(D::分组框1.name).Text("累计法"),
      Declare(D::选择框1, {220, 110, 140, 20}).Text("计算丢失螺丝"),
      Declare(D::按钮1, {220, 140, 90, 28}).Text("确定"),
      Declare(D::图片按钮1, {320, 140, 60, 28}).Text("图片"),
      Declare(D::图片框1, {390, 110, 60, 40}),
      Declare(D::组合框1, {10, 175, 150, 24}).Items({"出库", "入库"}),
      Declare(D::选择夹1, {10, 205, 300, 100}).Items({"钢管", "扣件"}),
      Declare(D::按钮2, {10, 10, 100, 26}).OnPage(D::选择夹1.name, 1).Text("第二页按钮"),
      Declare(D::日期框1, {170, 175, 140, 24}),
      Declare(D::时钟1, {0, 0, 0, 0}).Interval(0),
      Declare(D::滑块条1, {320, 175, 200, 24}),
      WithWidths(Declare(D::超级列表框1, {320, 205, 290, 120}).Items({"名称", "数量"}), {150, 80}),
      Declare(D::气球提示框1, {0, 0, 0, 0}),
      Declare(D::高级表格1, {10, 315, 300, 100}),
  };
}

}  // namespace

ui::WindowDecl MakeDemoWindow(std::vector<ui::Binding> bindings) {
  ui::WindowDecl decl;
  decl.name = D::kWindow.name;
  decl.caption = "演示窗口";
  decl.rect = {50, 50, 640, 480};
  decl.menu = DemoMenu();
  decl.units = DemoUnits();
  decl.bindings = std::move(bindings);
  return decl;
}

}  // namespace demo
