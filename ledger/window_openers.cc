#include "ledger/window_openers.h"

#include "common/ui/ui.h"
#include "ledger/backup_window.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_window.h"
#include "ledger/settings_window.h"

namespace {

void (*g_hook)(LedgerWindow) = nullptr;
void (*g_settlement_opener)() = nullptr;

// True when a test took the opening over (the hook has run).
bool Hooked(LedgerWindow w) {
  if (!g_hook) return false;
  g_hook(w);
  return true;
}

}  // namespace

void SetWindowOpenerHookForTests(void (*hook)(LedgerWindow)) { g_hook = hook; }

void RegisterSettlementWindowOpener(void (*open)()) { g_settlement_opener = open; }

void OpenContractWindow() {
  if (Hooked(LedgerWindow::kContract)) return;
  ui::LoadWindow(ContractWindowDecl(), true);
}

void OpenContractPickWindow() {
  if (Hooked(LedgerWindow::kContractPick)) return;
  ui::LoadWindow(ContractPickWindowDecl(), true);
}

void OpenSettingsWindow() {
  if (Hooked(LedgerWindow::kSettings)) return;
  ui::LoadWindow(SettingsWindowDecl(), true);
}

void OpenBackupWindow() {
  if (Hooked(LedgerWindow::kBackup)) return;
  ui::LoadWindow(BackupWindowDecl(), true);
}

void OpenSettlementWindow() {
  if (Hooked(LedgerWindow::kSettlement)) return;
  if (g_settlement_opener) g_settlement_opener();
}
