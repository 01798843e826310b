#pragma once
// The working windows that the main window opens, each behind one function. Every one opens
// its window modally and returns when the window has been closed.

// The windows the openers lead to.
enum class LedgerWindow { kContract, kContractPick, kSettings, kBackup, kSettlement };

// ContractWindow (adding and modifying contracts).
void OpenContractWindow();
// ContractPickWindow; it reads DocketMode to choose the docket window that follows.
void OpenContractPickWindow();
// SettingsWindow (user settings).
void OpenSettingsWindow();
// BackupWindow (the backup folder).
void OpenBackupWindow();
// SettlementWindow (rent settlement), through the opener registered below; also the handler
// of 结算管理 > 租金结算. Does nothing while none is registered.
void OpenSettlementWindow();
// The settlement sits beside the ledger, not below it: rentdesk's main registers the function
// that opens its window (nullptr = none).
void RegisterSettlementWindowOpener(void (*open)());

// Tests: every opener calls hook in place of opening its window (nullptr = open for real).
void SetWindowOpenerHookForTests(void (*hook)(LedgerWindow));
