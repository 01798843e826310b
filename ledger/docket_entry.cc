#include "ledger/docket_entry.h"

#include <array>
#include <string>

#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/programs.h"
#include "common/record_fields.h"
#include "common/table/template_fields.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/program_state.h"

namespace {

using W = DocketEntryWindow;
using ui::Declare;

constexpr int kGridRows = 7;
constexpr int kRemarkRow = 6;
constexpr int kGridColumns = 2;

// The units above the tab share one row, so that the whole quantity grid stays visible in the
// small window size (623 x 315).
std::vector<ui::UnitDecl> HeadUnits() {
  return {
      Declare(W::标签1, {10, 20, 32, 22}).Text("日期"),
      Declare(W::日期框1, {44, 17, 146, 26}),
      Declare(W::单选框1, {198, 18, 68, 24}).Text("出库单").Checked(),
      Declare(W::单选框2, {268, 18, 68, 24}).Text("入库单"),
      Declare(W::分组框1, {340, 2, 266, 52}),
      Declare(W::标签2, {8, 20, 32, 22}).Text("单号").In(W::分组框1.name),
      Declare(W::编辑框1, {42, 17, 112, 26}).Mode(ui::InputMode::kInteger).In(W::分组框1.name),
      Declare(W::按钮1, {160, 13, 98, 34}).Text("确定录入").In(W::分组框1.name),
  };
}

// The tab with the quantity grid and the tool buttons on its first page.
std::vector<ui::UnitDecl> TabUnits() {
  const char* tab = W::选择夹1.name;
  return {
      Declare(W::选择夹1, {8, 60, 598, 564}).Items({"合计录入", "码单录入"}),
      Declare(W::高级表格1, {4, 4, 400, 172})
          .OnPage(tab, 0)
          .CellTextBytes(kRemarkRow, 1, kRemarkRow, 1,
                         TemplateTextWidth(kDocketTemplateFile, kDocketRemark.name)),
      Declare(W::按钮2, {420, 6, 160, 36}).Text("打开tallybench").OnPage(tab, 0),
      Declare(W::按钮3, {420, 50, 160, 36}).Text("打开计算器").OnPage(tab, 0),
      Declare(W::按钮4, {420, 94, 160, 36}).Text("关闭").OnPage(tab, 0),
  };
}

void Ignore() {}

ui::WindowDecl MakeDocketEntryWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "出租单录入";
  d.rect = {0, 0, 623, 668};
  d.units = HeadUnits();
  for (auto& u : TabUnits()) d.units.push_back(u);
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, DocketEntryWindow_OnCreated),
      ui::BindWindow(ui::Event::kDestroying, DocketEntryWindow_OnDestroy),
      ui::Bind(W::选择夹1, ui::Event::kPageChanged, DocketEntryWindow_OnTabChanged),
      ui::Bind(W::选择夹1, ui::Event::kClick, Ignore),
      ui::Bind(W::高级表格1, ui::Event::kGridCellChanged, Ignore),
      ui::Bind(W::按钮1, ui::Event::kClick, DocketEntryWindow_OnEnterClick),
      ui::Bind(W::按钮2, ui::Event::kClick, DocketEntryWindow_OnStartTallybenchClick),
      ui::Bind(W::按钮3, ui::Event::kClick, DocketEntryWindow_OnCalculatorClick),
      ui::Bind(W::按钮4, ui::Event::kClick, DocketEntryWindow_OnCloseClick),
  };
  return d;
}

constexpr std::array<const char*, kGridRows* kGridColumns> kGridLabels = {
    "材料品名",     "数量", "钢管（米）",       "", "扣件（套）", "", "顶托（根）", "",
    "工字钢（米）", "",     "扣件差螺丝（套）", "", "其它备注",   ""};

void WriteGridLabels() {
  SetGridRowCount(W::高级表格1, kGridRows);
  SetGridColumnCount(W::高级表格1, kGridColumns);
  for (int r = 0; r < kGridRows; ++r) {
    SetGridCellData(W::高级表格1, r, 0, kCellContent, std::string(kGridLabels[r * 2]));
  }
  SetGridCellData(W::高级表格1, 0, 1, kCellContent, std::string(kGridLabels[1]));
  // The label column fits "扣件差螺丝（套）"; the value column takes the rest of the grid.
  SetGridColumnWidth(W::高级表格1, 0, 130);
  SetGridColumnWidth(W::高级表格1, 1, 200);
}

}  // namespace

const ui::WindowDecl& DocketEntryWindowDecl() {
  static const ui::WindowDecl decl = MakeDocketEntryWindowDecl();
  return decl;
}

void DocketEntryWindow_OnCreated() {
  WriteGridLabels();
  SetGridAlignment(W::高级表格1, 0, 0, kGridRows - 1, kGridColumns - 1, 2);
  DocketEntryWindow_OnTabChanged();
  ui::SetTitle(W::self, PickedContract.name.value_or("") + "  出租单录入");
}

void DocketEntryWindow_OnTabChanged() {
  const int page = ui::GetCurrentPage(W::选择夹1);
  if (page == 0) ui::SetWindowSize(W::self, 623, 315);
  if (page == 1) ui::SetWindowSize(W::self, 623, 668);
}

void DocketEntryWindow_OnStartTallybenchClick() {
  if (!RunProgram(GetRunDirectory() + "/tallybench.exe")) {
    ShowMessageBox("找不到tallybench。", kMbIconStop);
  }
}

void DocketEntryWindow_OnCalculatorClick() { RunProgram("calc.exe"); }

void DocketEntryWindow_OnCloseClick() { ui::DestroyWindowUnit(W::self); }
