#pragma once
// Docket entry: the clerk records one rental (出库单) or return (入库单) docket at a time for
// the picked contract; each is appended to the working docket table "出租数据".
#include "common/ui/ui.h"

struct DocketEntryWindow {
  static constexpr ui::WindowRef self{"DocketEntryWindow"};
  static constexpr ui::LabelRef 标签1{"DocketEntryWindow", "标签1"};
  static constexpr ui::DateBoxRef 日期框1{"DocketEntryWindow", "日期框1"};
  static constexpr ui::RadioRef 单选框1{"DocketEntryWindow", "单选框1"};
  static constexpr ui::RadioRef 单选框2{"DocketEntryWindow", "单选框2"};
  static constexpr ui::GroupBoxRef 分组框1{"DocketEntryWindow", "分组框1"};
  static constexpr ui::LabelRef 标签2{"DocketEntryWindow", "标签2"};
  static constexpr ui::EditRef 编辑框1{"DocketEntryWindow", "编辑框1"};
  static constexpr ui::ButtonRef 按钮1{"DocketEntryWindow", "按钮1"};
  static constexpr ui::TabRef 选择夹1{"DocketEntryWindow", "选择夹1"};
  static constexpr ui::GridRef 高级表格1{"DocketEntryWindow", "高级表格1"};
  static constexpr ui::ButtonRef 按钮2{"DocketEntryWindow", "按钮2"};
  static constexpr ui::ButtonRef 按钮3{"DocketEntryWindow", "按钮3"};
  static constexpr ui::ButtonRef 按钮4{"DocketEntryWindow", "按钮4"};
};

// The docket entry window's declaration ("出租单录入", 623 x 668).
const ui::WindowDecl& DocketEntryWindowDecl();

// Handlers of the docket entry window (its destroying event is DocketEntryWindow_OnDestroy,
// ledger/contract_pick_dockets.h).
void DocketEntryWindow_OnCreated();
void DocketEntryWindow_OnTabChanged();
void DocketEntryWindow_OnEnterClick();
void DocketEntryWindow_OnStartTallybenchClick();
void DocketEntryWindow_OnCalculatorClick();
void DocketEntryWindow_OnCloseClick();
// Stores the docket the window shows (return quantities negated) unless its quantities add
// up to zero, and the working table into the picked contract; reports "添加成功" and clears the
// value column, or "添加失败".
void AddDocketRecord();
