#pragma once
// The backup window: the folder under which the backup at exit makes its folders, kept as
// 备份目录 in the section "用户设置" of the settings file.
#include "common/ui/ui.h"

struct BackupWindow {
  static constexpr ui::WindowRef self{"BackupWindow"};
  static constexpr ui::EditRef 编辑框1{"BackupWindow", "编辑框1"};
  static constexpr ui::ButtonRef 按钮1{"BackupWindow", "按钮1"};
  static constexpr ui::ButtonRef 按钮2{"BackupWindow", "按钮2"};
  static constexpr ui::ButtonRef 按钮3{"BackupWindow", "按钮3"};
};

// The backup window's declaration ("数据备份", 334 x 141).
const ui::WindowDecl& BackupWindowDecl();

// Shows the stored backup folder ("" when none is stored).
void BackupWindow_OnCreated();
// The folder dialog: the chosen folder into 编辑框1, or "" when the clerk cancels.
void BackupWindow_OnBrowseClick();
// Stores 编辑框1 as the backup folder and closes the window.
void BackupWindow_OnConfirmClick();
// Closes the window without storing anything.
void BackupWindow_OnCloseClick();
