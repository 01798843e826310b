// The user settings window's handlers. The password boxes are enabled exactly when the login
// is to ask for the password; they are compared and stored whether enabled or not.
#include <string>

#include "common/message_box.h"
#include "ledger/settings_window.h"
#include "ledger/settings_window_file.h"

namespace {

using W = SettingsWindow;

void EnablePasswordBoxes(bool enabled) {
  ui::SetDisabled(W::编辑框2, !enabled);
  ui::SetDisabled(W::编辑框3, !enabled);
}

// Shows a stored 使用密码: "是" ticks the check box, "否" unticks it; any other value
// leaves the form as declared (unticked, password boxes enabled).
void ShowPasswordUse(const std::string& use) {
  if (use != "是" && use != "否") return;
  ui::SetChecked(W::选择框1, use == "是");
  EnablePasswordBoxes(use == "是");
}

// Stores name, company and password use, in this order; false when any write failed.
bool StoreNameCompanyAndUse() {
  bool stored = WriteUserSetting("用户名", ui::GetText(W::编辑框1));
  stored = WriteUserSetting("单位名称", ui::GetText(W::编辑框4)) && stored;
  return WriteUserSetting("使用密码", ui::GetChecked(W::选择框1) ? "是" : "否") && stored;
}

}  // namespace

void SettingsWindow_OnCreated() {
  ui::SetText(W::编辑框1, ReadUserSetting("用户名"));
  const std::string password = ReadUserSetting("密码");
  ui::SetText(W::编辑框2, password);
  ui::SetText(W::编辑框3, password);
  ui::SetText(W::编辑框4, ReadUserSetting("单位名称"));
  ShowPasswordUse(ReadUserSetting("使用密码"));
}

void SettingsWindow_OnUsePasswordMouseUp() { EnablePasswordBoxes(!ui::GetChecked(W::选择框1)); }

void SettingsWindow_OnConfirmClick() {
  const bool stored = StoreNameCompanyAndUse();
  const std::string password = ui::GetText(W::编辑框3);
  if (ui::GetText(W::编辑框2) != password) {
    ShowMessageBox("两次输入密码不一样", kMbIconStop);
    return;
  }
  // The file would give back a different password, which no login could then match.
  if (!StoresAsWritten(password)) {
    ShowMessageBox("密码含有无法保存的字符", kMbIconStop);
    return;
  }
  // A settings file that could not be written keeps the window open for another try.
  if (!(WriteUserSetting("密码", password) && stored)) {
    ShowMessageBox("设置保存失败");
    return;
  }
  ui::DestroyWindowUnit(W::self);
  ShowMessageBox("设置成功");
}
