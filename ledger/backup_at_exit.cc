#include "ledger/backup_at_exit.h"

#include "common/dates.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/table/table.h"
#include "ledger/main_window.h"

namespace {
constexpr const char* kBackupFolderName = "租赁数据备份";
constexpr const char* kContractFiles[] = {"合同.rdb", "合同.rdt"};

// Makes the folder unless it is there.
void EnsureFolder(const std::string& path) {
  if (!FileExists(path)) MakeDirectory(path);
}
}  // namespace

std::string DefaultBackupFolder() { return GetHomeDirectory() + "/" + kBackupFolderName; }

std::string BackupStamp(DateTime t) { return DateTimeToText(t); }

std::string BackupFolderOfExit(const std::string& base, const std::string& stamp) {
  if (base.empty()) return DefaultBackupFolder() + "/" + stamp;
  return base + "/" + kBackupFolderName + "/" + stamp;
}

// No step's result is checked and nothing is shown: a backup that cannot be made (a
// 备份目录 that does not exist, no access) is simply not made, and the program ends.
void MainWindow_OnDestroy() {
  std::string stamp = BackupStamp(GetCurrentDateTime());
  std::string base = ReadIniItem(SettingsFilePath(), "用户设置", "备份目录");
  CloseTable("合同");
  EnsureFolder(DefaultBackupFolder());
  if (!base.empty()) EnsureFolder(base + "/" + kBackupFolderName);
  std::string folder = BackupFolderOfExit(base, stamp);
  MakeDirectory(folder);
  for (const char* name : kContractFiles) CopyDiskFile(RunPath(name), folder + "/" + name);
}
