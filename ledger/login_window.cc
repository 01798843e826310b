#include "ledger/login_window.h"

#include "common/files.h"
#include "common/ini.h"
#include "common/message_box.h"
#include "ledger/main_window.h"

namespace {

// How the login is leaving: still open, the clerk let in, or the program ending.
enum class LoginOutcome { kOpen, kLetIn, kLeaving };
LoginOutcome g_outcome = LoginOutcome::kOpen;

// A key of the settings file's 用户设置 section, read anew at every call.
std::string UserSetting(const char* key, const std::string& def = "") {
  return ReadIniItem(SettingsFilePath(), "用户设置", key, def);
}

// True when the settings let the clerk in with what the password box holds.
bool PasswordAccepted() {
  if (UserSetting("使用密码") != "是") return true;
  return UserSetting("密码") == ui::GetText(LoginWindow::编辑框2);
}

void LetIn() {
  g_outcome = LoginOutcome::kLetIn;
  ui::DestroyWindowUnit(LoginWindow::kWindow);
  ui::SetWindowVisible(MainWindow::kWindow, true);
}

ui::WindowDecl Build() {
  using ui::Declare;
  using ui::Event;
  ui::WindowDecl d;
  d.name = LoginWindow::kName;
  d.caption = "";
  d.rect = {204, 117, 640, 431};  // centred over the main window
  d.picture = "login_background.jpg";
  d.units = {
      Declare(LoginWindow::编辑框1, {356, 167, 176, 24}),
      Declare(LoginWindow::编辑框2, {356, 195, 176, 24}).Mode(ui::InputMode::kPassword),
      Declare(LoginWindow::透明标签1, {360, 240, 72, 24}),
      Declare(LoginWindow::透明标签2, {442, 239, 72, 24}),
  };
  d.bindings = {
      ui::BindWindow(Event::kCreated, LoginWindow_OnCreated),
      ui::BindWindow(Event::kDestroying, LoginWindow_OnDestroying),
      ui::Bind(LoginWindow::透明标签1, Event::kMouseDown, LoginWindow_OnLoginMouseDown),
      ui::Bind(LoginWindow::透明标签2, Event::kMouseDown, LoginWindow_OnExitMouseDown),
  };
  return d;
}

}  // namespace

const ui::WindowDecl& LoginWindow::Decl() {
  static const ui::WindowDecl decl = Build();
  return decl;
}

void LoginWindow_OnCreated() {
  g_outcome = LoginOutcome::kOpen;
  ui::SetText(LoginWindow::编辑框1, UserSetting("用户名", "经理"));
}

void LoginWindow_OnLoginMouseDown() {
  if (PasswordAccepted()) {
    LetIn();
    return;
  }
  ShowMessageBox("密码输入错误，请重新输入。", kMbIconStop);
}

void LoginWindow_OnExitMouseDown() {
  g_outcome = LoginOutcome::kLeaving;
  ui::DestroyWindowUnit(LoginWindow::kWindow);
  ui::DestroyWindowUnit(MainWindow::kWindow);
}

void LoginWindow_OnDestroying() {
  if (g_outcome != LoginOutcome::kOpen) return;
  g_outcome = LoginOutcome::kLeaving;
  ui::DestroyWindowUnit(MainWindow::kWindow);
}
