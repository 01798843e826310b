// Start-up: what the main window's creation does, after the login has closed.
#include "common/files.h"
#include "common/ini.h"
#include "common/message_box.h"
#include "common/program_texts.h"
#include "common/table/table.h"
#include "common/table/templates.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"

namespace {

// The table files the run directory must hold, written from the stored templates in this
// order when missing.
constexpr const char* kTableFiles[] = {"合同.rdb", "出租单数据.rdb", "合同.rdt"};

// Writes the stored template of that name unless the file is there already; a write that
// fails is reported and start-up goes on.
void WriteMissingTemplate(const char* name) {
  if (!WriteTemplateIfMissing(RunPath(name), name)) ShowMessageBox("写入失败，");
}

// The main window may already be gone (the clerk left at the login): then the contract table
// is not opened, as nothing would close it again.
void OpenContractTable() {
  ui::Window* main = ui::FindWindow(MainWindow::kWindow);
  if (!main || main->destroyed || main->destroy_pending) return;
  if (!OpenTable(RunPath("合同.rdb"), "合同")) ShowMessageBox("打开合同失败");
}

}  // namespace

bool ContractFilesMayBeCompleted() {
  const std::string missing = MissingHalfOfTablePair(RunPath("合同.rdb"), RunPath("合同.rdt"));
  if (missing.empty()) return true;
  ShowMessageBox(MissingTableFileText(missing));
  return false;
}

void MainWindow_OnCreated() {
  ui::LoadWindow(LoginWindow::Decl(), true);
  CompanyName = ReadIniItem(SettingsFilePath(), "用户设置", "单位名称");
  for (const char* name : kTableFiles) WriteMissingTemplate(name);
  OpenContractTable();
}
