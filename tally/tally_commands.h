#pragma once
// The smaller commands of the tally window: printing and previewing the tally sheet, the help
// window, clearing the sheet, the read-out, the calculator and the grid's key handlers.
#include <string>

#include "common/ui/ui.h"

struct HelpWindow {
  static constexpr const char* kName = "HelpWindow";
  static constexpr ui::WindowRef self{kName};
  static constexpr ui::EditRef 编辑框1{kName, "编辑框1"};
  static constexpr ui::TimerRef GrowTimer{kName, "时钟1"};
};

// The help window's declaration ("帮助", 397 x 264).
const ui::WindowDecl& HelpWindowDecl();
// The help window's text.
std::string HelpText();
// "钢管出入库码单（" + unit name + the sheet's date + ")".
std::string TallyPrintTitle();

void TallyWindow_OnPrintClick();
void TallyWindow_OnPrintPreviewClick();
// The right button pressed on the window (other buttons do nothing), or 帮助: the help
// window, modal.
void TallyWindow_OnRightMouseDown(const ui::EventArgs& args);
void TallyWindow_OnHelpClick();
void HelpWindow_OnCreated();
// Grows the help window by 10 until it is higher than 266, then stops the timer.
void HelpWindow_OnGrowTimer();
// 清空数据: the grid rebuilt empty in the current layout, then the read-out.
void TallyWindow_OnClearDataClick();
// The read-out text of every filled row, into ReadOutBox.
void TallyWindow_OnReadOutClick();
void TallyWindow_OnCalculatorClick();
// A character typed in the grid: its key clip while the key echo is on (it never is).
void TallyWindow_OnGridCharInput(const ui::EventArgs& args);
