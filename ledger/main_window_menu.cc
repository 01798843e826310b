// The main window's menu entries, picture buttons and the settlement caption. Every working
// window opens modally, so each handler ends when its window has closed.
#include "common/message_box.h"
#include "common/programs.h"
#include "ledger/main_window.h"
#include "ledger/program_state.h"
#include "ledger/web_pages.h"
#include "ledger/window_openers.h"

namespace {
// The About box's text: the program's name and version (the project's version in CMake).
constexpr const char* kAboutText = "墨川租赁软件 rentdesk 版本 " RENT_VERSION;

// The contract pick, leading to docket entry or docket editing.
void PickContractFor(DocketModeValue mode) {
  DocketMode = mode;
  OpenContractPickWindow();
}
}  // namespace

void MainWindow_OnMenuAddContract() { OpenContractWindow(); }
void MainWindow_OnMenuEditContract() { OpenContractWindow(); }
void MainWindow_OnMenuExit() { ui::DestroyWindowUnit(MainWindow::kWindow); }
void MainWindow_OnMenuDocketEntry() { PickContractFor(DocketModeValue::kEntry); }
void MainWindow_OnMenuDocketEdit() { PickContractFor(DocketModeValue::kEdit); }
void MainWindow_OnMenuUserSettings() { OpenSettingsWindow(); }
void MainWindow_OnMenuBackup() { OpenBackupWindow(); }
void MainWindow_OnMenuTutorial() { OpenWebPage(TutorialPageAddress()); }
void MainWindow_OnMenuSoftwareUpdate() { OpenWebPage(SoftwareUpdatePageAddress()); }
void MainWindow_OnMenuAbout() { ShowMessageBox(kAboutText, kMbIconInformation); }

void MainWindow_OnContractButtonClick() { MainWindow_OnMenuAddContract(); }
void MainWindow_OnDocketEntryButtonClick() { MainWindow_OnMenuDocketEntry(); }
void MainWindow_OnDocketEditButtonClick() { PickContractFor(DocketModeValue::kEdit); }
void MainWindow_OnSettlementButtonClick() { OpenSettlementWindow(); }
void MainWindow_OnSettlementLabelMouseDown() { OpenSettlementWindow(); }
