#pragma once
// The tally window of tallybench: the tally grid where the clerk types how many pipes of each
// length class were counted, and the panel with the results, the handling-fee price, the
// sheet's date and unit name and the command buttons.
#include <string>

#include "common/ui/ui.h"

struct TallyWindow {
  static constexpr const char* kName = "TallyWindow";
  static constexpr ui::WindowRef self{kName};
  static constexpr ui::GridRef TallyGrid{kName, "高级表格1"};
  static constexpr ui::GroupBoxRef 分组框1{kName, "分组框1"};
  static constexpr ui::LabelRef TotalMetresLabel{kName, "标签1"};
  static constexpr ui::LabelRef SixMetreLabel{kName, "标签2"};
  static constexpr ui::LabelRef OddLengthLabel{kName, "标签3"};
  static constexpr ui::LabelRef TonnageLabel{kName, "标签4"};
  static constexpr ui::LabelRef HandlingFeeLabel{kName, "标签5"};
  static constexpr ui::LabelRef 标签6{kName, "标签6"};
  static constexpr ui::EditRef HandlingFeeBox{kName, "编辑框1"};
  static constexpr ui::LabelRef 标签7{kName, "标签7"};
  static constexpr ui::DateBoxRef SheetDatePicker{kName, "日期框1"};
  static constexpr ui::LabelRef 标签11{kName, "标签11"};
  static constexpr ui::EditRef UnitNameBox{kName, "编辑框4"};
  static constexpr ui::ButtonRef 按钮7{kName, "按钮7"};  // 计算结果
  static constexpr ui::ButtonRef 按钮5{kName, "按钮5"};  // 打开计算器
  static constexpr ui::ButtonRef 按钮6{kName, "按钮6"};  // 打印预览
  static constexpr ui::ButtonRef 按钮2{kName, "按钮2"};  // 清空数据
  static constexpr ui::ButtonRef 按钮4{kName, "按钮4"};  // 打开记录
  static constexpr ui::ButtonRef 按钮3{kName, "按钮3"};  // 打印
  static constexpr ui::EditRef FastenerCountBox{kName, "编辑框2"};
  static constexpr ui::RadioRef SingleLayoutOption{kName, "单选框1"};
  static constexpr ui::RadioRef DoubleLayoutOption{kName, "单选框2"};
  static constexpr ui::ButtonRef 按钮8{kName, "按钮8"};  // 帮助
  static constexpr ui::ButtonRef 按钮1{kName, "按钮1"};  // 语音报数
  static constexpr ui::EditRef ReadOutBox{kName, "编辑框3"};
  static constexpr ui::BalloonTipRef HintBalloon{kName, "气球提示框1"};
  static constexpr ui::ComboRef 组合框1{kName, "组合框1"};
  static constexpr ui::LabelRef 标签10{kName, "标签10"};
  static constexpr ui::SliderRef 滑块条1{kName, "滑块条1"};
  static constexpr ui::LabelRef 标签8{kName, "标签8"};
  static constexpr ui::SliderRef 滑块条2{kName, "滑块条2"};
  static constexpr ui::LabelRef 标签9{kName, "标签9"};
};

// The tally window's declaration ("tallybench", 963 x 777, stored hidden).
const ui::WindowDecl& TallyWindowDecl();

// True while the single layout is built, false for the double layout.
extern bool LayoutIsSingle;
// The total metres and the fastener count of the last recompute.
extern double LastTotalMetres;
extern double LastFastenerCount;

// Before the window: false, after a message naming the missing file, when 码单数据库.rdb or
// 码单数据库.RDT is missing while the other holds saved tallies; tallybench then ends.
bool TallyFilesMayBeCompleted();

// The tally table's file name (its stored template's name too).
inline constexpr const char* kTallyTableFile = "码单数据库.rdb";

// Start-up: version, templates, the tally table, the price, the last layout, the grid.
void TallyWindow_OnCreated();
// The grid follows the window's client height.
void TallyWindow_OnResized();
// The hidden fastener mirror writes its text into the grid's fastener cell.
void TallyWindow_OnFastenerCountChanged();
void TallyWindow_OnComputeClick();
void TallyWindow_OnSingleLayoutClick();
void TallyWindow_OnDoubleLayoutClick();
// Right button released over the grid: the help window.
void TallyWindow_OnGridRightMouseUp();

// Empties the grid and builds the layout of the selected option; sets LayoutIsSingle.
void BuildTallyGrid();
void BuildDoubleLayoutGrid();
void BuildSingleLayoutGrid();
