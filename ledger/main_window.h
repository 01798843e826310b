#pragma once
// rentdesk's main window: four picture buttons with their captions and the menu bar that
// reach the working windows. Created hidden at start-up and shown by the login.
#include "common/ui/ui.h"

namespace MainWindow {
inline constexpr const char* kName = "MainWindow";
inline constexpr ui::WindowRef kWindow{kName};
inline constexpr ui::PictureButtonRef 图形按钮1{kName, "图形按钮1"};
inline constexpr ui::PictureButtonRef 图形按钮2{kName, "图形按钮2"};
inline constexpr ui::PictureButtonRef 图形按钮3{kName, "图形按钮3"};
inline constexpr ui::PictureButtonRef 图形按钮5{kName, "图形按钮5"};
inline constexpr ui::TransparentLabelRef 透明标签1{kName, "透明标签1"};
inline constexpr ui::TransparentLabelRef 透明标签2{kName, "透明标签2"};
inline constexpr ui::TransparentLabelRef 透明标签3{kName, "透明标签3"};
inline constexpr ui::TransparentLabelRef 透明标签5{kName, "透明标签5"};
// Menu entries, by their captions.
inline constexpr ui::MenuItemRef 增加合同{kName, "增加合同"};
inline constexpr ui::MenuItemRef 修改合同{kName, "修改合同"};
inline constexpr ui::MenuItemRef 退出系统{kName, "退出系统"};
inline constexpr ui::MenuItemRef 出租与回收单录入{kName, "出租与回收单录入"};
inline constexpr ui::MenuItemRef 出租与回收单修改{kName, "出租与回收单修改"};
inline constexpr ui::MenuItemRef 用户管理{kName, "用户管理"};
inline constexpr ui::MenuItemRef 数据备份{kName, "数据备份"};
inline constexpr ui::MenuItemRef 租金结算{kName, "租金结算"};
inline constexpr ui::MenuItemRef 使用教程{kName, "使用教程"};
inline constexpr ui::MenuItemRef 软件更新{kName, "软件更新"};
inline constexpr ui::MenuItemRef 关于{kName, "关于"};

// The window's declaration: units, menu bar and handler bindings.
const ui::WindowDecl& Decl();
}  // namespace MainWindow

// Before any window: false, after a message naming the missing file, when 合同.rdb or 合同.rdt
// is missing while the other holds contracts' dockets; the program then ends touching nothing.
bool ContractFilesMayBeCompleted();
// Start-up: the login, the company name, the missing table files, the contract table.
void MainWindow_OnCreated();
// Backup at exit: the contract table's two files into a folder named by the time.
void MainWindow_OnDestroy();

// Menu entries.
void MainWindow_OnMenuAddContract();
void MainWindow_OnMenuEditContract();
void MainWindow_OnMenuExit();
void MainWindow_OnMenuDocketEntry();
void MainWindow_OnMenuDocketEdit();
void MainWindow_OnMenuUserSettings();
void MainWindow_OnMenuBackup();
void MainWindow_OnMenuTutorial();
void MainWindow_OnMenuSoftwareUpdate();
void MainWindow_OnMenuAbout();

// Picture buttons and the settlement caption.
void MainWindow_OnContractButtonClick();
void MainWindow_OnDocketEntryButtonClick();
void MainWindow_OnDocketEditButtonClick();
void MainWindow_OnSettlementButtonClick();
void MainWindow_OnSettlementLabelMouseDown();
