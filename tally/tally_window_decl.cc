// The tally window's declaration: the grid on the left, the panel of results and commands.
#include "common/record_fields.h"
#include "common/table/template_fields.h"
#include "tally/tally_commands.h"
#include "tally/tally_compute.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;
using ui::Declare;

void Ignore() {}

ui::Font Bold(int height) {
  ui::Font f;
  f.weight = 700;
  f.height = height;
  return f;
}

// The five result labels at the top of the panel.
std::vector<ui::UnitDecl> ResultLabels() {
  const char* panel = W::分组框1.name;
  return {
      Declare(W::TotalMetresLabel, {16, 8, 248, 32}).WithFont(Bold(21)).In(panel),
      Declare(W::SixMetreLabel, {8, 56, 256, 32}).WithFont(Bold(12)).In(panel),
      Declare(W::OddLengthLabel, {8, 104, 256, 32}).WithFont(Bold(12)).In(panel),
      Declare(W::TonnageLabel, {8, 160, 256, 32}).WithFont(Bold(12)).In(panel),
      Declare(W::HandlingFeeLabel, {8, 216, 248, 32}).WithFont(Bold(12)).In(panel),
  };
}

// The price, the date and the unit name.
std::vector<ui::UnitDecl> SheetFields() {
  const char* panel = W::分组框1.name;
  return {
      Declare(W::标签6, {16, 264, 88, 24}).Text("搬运费每吨/元").In(panel),
      Declare(W::HandlingFeeBox, {112, 264, 40, 24}).Mode(ui::InputMode::kInteger).In(panel),
      Declare(W::标签7, {16, 304, 46, 24}).Text("日   期").In(panel),
      Declare(W::SheetDatePicker, {94, 306, 112, 24}).In(panel),
      Declare(W::标签11, {16, 336, 70, 24}).Text("单位名称").In(panel),
      Declare(W::UnitNameBox, {88, 336, 134, 24})
          .In(panel)
          .TextBytes(TemplateTextWidth(kTallyTableFile, kTallyUnitName.name)),
  };
}

std::vector<ui::UnitDecl> CommandButtons() {
  const char* panel = W::分组框1.name;
  return {
      Declare(W::按钮7, {30, 424, 64, 40}).Text("计算结果").In(panel),
      Declare(W::按钮5, {94, 424, 72, 40}).Text("打开计算器").In(panel),
      Declare(W::按钮6, {166, 424, 72, 40}).Text("打印预览").In(panel),
      Declare(W::按钮2, {29, 477, 65, 40}).Text("清空数据").In(panel),
      Declare(W::按钮4, {94, 477, 72, 40}).Text("打开记录").In(panel),
      Declare(W::按钮3, {165, 478, 73, 39}).Text("打印").In(panel),
  };
}

// Units the clerk never sees: the fastener mirror, the layout options, the read-out.
std::vector<ui::UnitDecl> HiddenUnits() {
  const char* panel = W::分组框1.name;
  return {
      Declare(W::FastenerCountBox, {-384, 504, 56, 24})
          .Mode(ui::InputMode::kInteger)
          .In(panel)
          .Hidden(),
      Declare(W::SingleLayoutOption, {38, 528, 96, 32}).Text("单排显示").In(panel).Hidden(),
      Declare(W::DoubleLayoutOption, {158, 528, 80, 32}).Text("双排显示").In(panel).Hidden(),
      Declare(W::按钮8, {166, 378, 72, 44}).Text("帮助").In(panel).Hidden(),
      Declare(W::按钮1, {29, 378, 137, 44}).Text("语音报数").In(panel).Hidden(),
      Declare(W::ReadOutBox, {1056, 696, 152, 40}).Hidden(),
      Declare(W::HintBalloon, {0, 0, 0, 0}),
      Declare(W::组合框1, {88, 560, 150, 24}).In(panel).Hidden(),
      Declare(W::标签10, {16, 564, 70, 24}).Text("选择语言库").In(panel).Hidden(),
      Declare(W::滑块条1, {88, 600, 150, 24}).In(panel).Hidden(),
      Declare(W::标签8, {16, 604, 40, 24}).Text("语速").In(panel).Hidden(),
      Declare(W::滑块条2, {88, 640, 150, 24}).In(panel).Hidden(),
      Declare(W::标签9, {16, 644, 40, 24}).Text("音量").In(panel).Hidden(),
  };
}

std::vector<ui::Binding> Bindings() {
  return {
      ui::BindWindow(ui::Event::kCreated, TallyWindow_OnCreated),
      ui::BindWindow(ui::Event::kDestroying, TallyWindow_OnDestroy),
      ui::BindWindow(ui::Event::kResized, TallyWindow_OnResized),
      ui::BindWindow(ui::Event::kMouseDown, TallyWindow_OnRightMouseDown),
      ui::Bind(W::TallyGrid, ui::Event::kGridCellChanged, RecomputeTally),
      ui::Bind(W::TallyGrid, ui::Event::kGridChar, TallyWindow_OnGridCharInput),
      ui::Bind(W::TallyGrid, ui::Event::kGridKey, Ignore),
      ui::Bind(W::TallyGrid, ui::Event::kGridRightUp, TallyWindow_OnGridRightMouseUp),
      ui::Bind(W::FastenerCountBox, ui::Event::kChanged, TallyWindow_OnFastenerCountChanged),
      ui::Bind(W::按钮7, ui::Event::kClick, TallyWindow_OnComputeClick),
      ui::Bind(W::按钮5, ui::Event::kClick, TallyWindow_OnCalculatorClick),
      ui::Bind(W::按钮6, ui::Event::kClick, TallyWindow_OnPrintPreviewClick),
      ui::Bind(W::按钮2, ui::Event::kClick, TallyWindow_OnClearDataClick),
      ui::Bind(W::按钮4, ui::Event::kClick, TallyWindow_OnOpenRecordsClick),
      ui::Bind(W::按钮3, ui::Event::kClick, TallyWindow_OnPrintClick),
      ui::Bind(W::按钮8, ui::Event::kClick, TallyWindow_OnHelpClick),
      ui::Bind(W::按钮1, ui::Event::kClick, TallyWindow_OnReadOutClick),
      ui::Bind(W::SingleLayoutOption, ui::Event::kClick, TallyWindow_OnSingleLayoutClick),
      ui::Bind(W::DoubleLayoutOption, ui::Event::kClick, TallyWindow_OnDoubleLayoutClick),
      ui::Bind(W::组合框1, ui::Event::kSelectionChanged, Ignore),
      ui::Bind(W::滑块条1, ui::Event::kChanged, Ignore),
      ui::Bind(W::滑块条2, ui::Event::kChanged, Ignore),
  };
}

ui::WindowDecl MakeTallyWindowDecl() {
  ui::WindowDecl d;
  d.name = W::kName;
  d.caption = "tallybench";
  d.rect = {250, 10, 963, 777};
  d.icon = "icon_tallybench.jpg";
  d.hidden = true;
  // The single layout's date cell is what a saved tally keeps as its 日期.
  d.units = {Declare(W::TallyGrid, {32, 8, 592, 704})
                 .CellTextBytes(54, 2, 54, 2, TemplateTextWidth(kTallyTableFile, kTallyDate.name)),
             Declare(W::分组框1, {658, -2, 272, 706})};
  for (auto part : {ResultLabels(), SheetFields(), CommandButtons(), HiddenUnits()}) {
    d.units.insert(d.units.end(), part.begin(), part.end());
  }
  d.bindings = Bindings();
  return d;
}

}  // namespace

const ui::WindowDecl& TallyWindowDecl() {
  static const ui::WindowDecl decl = MakeTallyWindowDecl();
  return decl;
}
