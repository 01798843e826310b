#pragma once
// The user settings window: the clerk's name, whether the login asks for a password, the
// password and the rental company's name, all kept in the section "用户设置" of the
// settings file and read when the window opens, written when the clerk confirms.
#include "common/ui/ui.h"

struct SettingsWindow {
  static constexpr ui::WindowRef self{"SettingsWindow"};
  static constexpr ui::GroupBoxRef 分组框1{"SettingsWindow", "分组框1"};
  static constexpr ui::LabelRef 标签1{"SettingsWindow", "标签1"};
  static constexpr ui::LabelRef 标签2{"SettingsWindow", "标签2"};
  static constexpr ui::LabelRef 标签3{"SettingsWindow", "标签3"};
  static constexpr ui::LabelRef 标签4{"SettingsWindow", "标签4"};
  static constexpr ui::EditRef 编辑框1{"SettingsWindow", "编辑框1"};
  static constexpr ui::EditRef 编辑框2{"SettingsWindow", "编辑框2"};
  static constexpr ui::EditRef 编辑框3{"SettingsWindow", "编辑框3"};
  static constexpr ui::EditRef 编辑框4{"SettingsWindow", "编辑框4"};
  static constexpr ui::CheckBoxRef 选择框1{"SettingsWindow", "选择框1"};
  static constexpr ui::ButtonRef 按钮1{"SettingsWindow", "按钮1"};
};

// The user settings window's declaration ("用户设置", 380 x 232).
const ui::WindowDecl& SettingsWindowDecl();

// Loads the form from the settings file.
void SettingsWindow_OnCreated();
// The mouse was released over 选择框1, before it toggles: the password boxes are enabled
// exactly when it is about to become ticked.
void SettingsWindow_OnUsePasswordMouseUp();
// Stores the form; closes the window when the two password boxes agree.
void SettingsWindow_OnConfirmClick();
