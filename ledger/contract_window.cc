#include "ledger/contract_window.h"

#include <string>
#include <vector>

#include "common/record_fields.h"
#include "common/table/template_fields.h"
#include "ledger/contract_window_grid.h"

namespace {

using W = ContractWindow;
using ui::Declare;
using ui::InputMode;

// The width of a text field of ContractRecord: the most its box takes.
int ContractTextWidth(const char* field) { return TemplateTextWidth("合同.rdb", field); }

// The form below the grid: three rows of label + box pairs, then the buttons.
std::vector<ui::UnitDecl> FormUnits() {
  return {
      Declare(W::标签1, {8, 334, 56, 24}).Text("合同号"),
      Declare(W::编辑框1, {66, 330, 110, 26}).Mode(InputMode::kInteger),
      Declare(W::标签2, {190, 334, 96, 24}).Text("建筑单位名称"),
      Declare(W::编辑框2, {288, 330, 220, 26}).TextBytes(ContractTextWidth(kContractUnitName.name)),
      Declare(W::标签3, {522, 334, 96, 24}).Text("合同开始日期"),
      Declare(W::日期框1, {620, 330, 150, 26}),
      Declare(W::标签9, {784, 334, 40, 24}).Text("备注"),
      Declare(W::编辑框4, {826, 330, 200, 26}).TextBytes(ContractTextWidth(kContractRemark.name)),
      Declare(W::标签5, {8, 374, 80, 24}).Text("钢管日租金"),
      Declare(W::编辑框5, {90, 370, 150, 26}).Mode(InputMode::kDecimal),
      Declare(W::标签8, {264, 374, 80, 24}).Text("扣件日租金"),
      Declare(W::编辑框6, {346, 370, 150, 26}).Mode(InputMode::kDecimal),
      Declare(W::标签7, {520, 374, 80, 24}).Text("顶托日租金"),
      Declare(W::编辑框7, {602, 370, 150, 26}).Mode(InputMode::kDecimal),
      Declare(W::标签6, {776, 374, 80, 24}).Text("工字钢租金"),
      Declare(W::编辑框8, {858, 370, 150, 26}).Mode(InputMode::kDecimal),
      Declare(W::标签10, {8, 414, 176, 24}).Text("差螺丝赔偿单价（元/套）"),
      Declare(W::编辑框3, {186, 410, 150, 26}),
      Declare(W::标签4, {360, 414, 176, 24}).Text("扣件洗油费单价（元/套）"),
      Declare(W::编辑框9, {538, 410, 150, 26}),
  };
}

std::vector<ui::UnitDecl> ButtonUnits() {
  return {
      Declare(W::按钮1, {96, 452, 140, 36}).Text("添加合同"),
      Declare(W::按钮4, {276, 452, 140, 36}).Text("修改合同"),
      Declare(W::按钮5, {456, 452, 140, 36}).Text("保存"),
      Declare(W::按钮3, {636, 452, 140, 36}).Text("删除本条记录"),
      Declare(W::按钮2, {816, 452, 140, 36}).Text("清空合同数据库").Hidden(),
  };
}

ui::WindowDecl MakeContractWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "添加与修改合同";
  d.rect = {0, 0, 1061, 539};
  d.units.push_back(
      Declare(W::高级表格1, {0, 0, 1032, 320}).ColumnWidths(ContractGridColumnWidths()));
  for (auto& u : FormUnits()) d.units.push_back(u);
  for (auto& u : ButtonUnits()) d.units.push_back(u);
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, ContractWindow_OnCreated),
      ui::Bind(W::高级表格1, ui::Event::kGridCursorChanged, ContractWindow_OnGridClick),
      ui::Bind(W::高级表格1, ui::Event::kGridCellChanged, ContractWindow_OnGridEdited),
      ui::Bind(W::高级表格1, ui::Event::kGridChoice, ContractWindow_OnGridEdited),
      ui::Bind(W::按钮1, ui::Event::kClick, ContractWindow_OnAddClick),
      ui::Bind(W::按钮4, ui::Event::kClick, ContractWindow_OnEditClick),
      ui::Bind(W::按钮5, ui::Event::kClick, ContractWindow_OnSaveClick),
      ui::Bind(W::按钮3, ui::Event::kClick, ContractWindow_OnDeleteClick),
  };
  return d;
}

}  // namespace

const ui::WindowDecl& ContractWindowDecl() {
  static const ui::WindowDecl decl = MakeContractWindowDecl();
  return decl;
}
