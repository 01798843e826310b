#pragma once
// Saved tallies: the closing check that offers to save the tally on screen, saving it as a
// record of the tally table, and the list window from which saved tallies are reloaded or
// deleted.
#include "common/ui/ui.h"
#include "common/value.h"

struct TallyRecordsWindow {
  static constexpr const char* kName = "TallyRecordsWindow";
  static constexpr ui::WindowRef self{kName};
  static constexpr ui::ListViewRef TallyRecordList{kName, "超级列表框1"};
  static constexpr ui::ButtonRef 按钮1{kName, "按钮1"};  // 清空所有数据
  static constexpr ui::MenuItemRef 删除{kName, "删除"};
  static constexpr ui::MenuItemRef 删除本条{kName, "删除本条"};
};

// The saved-tally list window's declaration (no caption, 414 x 331).
const ui::WindowDecl& TallyRecordsWindowDecl();

// The tally window closes: offers to save an unsaved tally, stores the price.
void TallyWindow_OnDestroy();
// Appends the tally on screen (grid file, fasteners, metres, layout, unit name).
void SaveTallyRecord();
// 打开记录: the saved-tally list, modal.
void TallyWindow_OnOpenRecordsClick();

void TallyRecordsWindow_OnCreated();
// Rebuilds the list: one item per record, item k = record k + 1.
void FillTallyRecordList();
// Reloads the double-clicked tally into the tally window.
void TallyRecordsWindow_OnListDoubleClick();
// The list's pop-up menu "删除".
void TallyRecordsWindow_OnListRightClick();
// 删除本条: deletes the selected tally after a Yes.
void TallyRecordsWindow_OnMenuDeleteEntry();
// 清空所有数据: deletes every tally after a Yes.
void TallyRecordsWindow_OnClearAllClick();
