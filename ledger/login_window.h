#pragma once
// The login window: shown modally at start-up over the hidden main window; it lets the
// clerk in (the main window shows) or ends the program (through the backup at exit).
#include "common/ui/ui.h"

namespace LoginWindow {
inline constexpr const char* kName = "LoginWindow";
inline constexpr ui::WindowRef kWindow{kName};
inline constexpr ui::EditRef 编辑框1{kName, "编辑框1"};                  // user name, shown only
inline constexpr ui::EditRef 编辑框2{kName, "编辑框2"};                  // password
inline constexpr ui::TransparentLabelRef 透明标签1{kName, "透明标签1"};  // login area
inline constexpr ui::TransparentLabelRef 透明标签2{kName, "透明标签2"};  // exit area

// The window's declaration: units and handler bindings.
const ui::WindowDecl& Decl();
}  // namespace LoginWindow

// Pre-fills the user-name box from the settings (default "经理").
void LoginWindow_OnCreated();
// The password gate: lets the clerk in, or refuses a wrong password.
void LoginWindow_OnLoginMouseDown();
// Ends the program: the login goes, then the main window (which makes the backup).
void LoginWindow_OnExitMouseDown();
// The login going away by its close box counts as the exit area.
void LoginWindow_OnDestroying();
