#include "ledger/backup_window.h"

#include <string>

#include "common/files.h"
#include "common/message_box.h"
#include "ledger/settings_window_file.h"

namespace {

using W = BackupWindow;
using ui::Declare;

constexpr char kBackupFolderKey[] = "备份目录";

ui::WindowDecl MakeBackupWindowDecl() {
  ui::WindowDecl d;
  d.name = W::self.name;
  d.caption = "数据备份";
  d.rect = {0, 0, 334, 141};
  d.units = {
      Declare(W::编辑框1, {16, 8, 184, 32}).Mode(ui::InputMode::kReadOnly).Text("D:\\"),
      Declare(W::按钮1, {208, 8, 112, 32}).Text("选择备份目录"),
      Declare(W::按钮2, {72, 56, 96, 40}).Text("确定"),
      Declare(W::按钮3, {168, 56, 96, 40}).Text("关闭"),
  };
  d.bindings = {
      ui::BindWindow(ui::Event::kCreated, BackupWindow_OnCreated),
      ui::Bind(W::按钮1, ui::Event::kClick, BackupWindow_OnBrowseClick),
      ui::Bind(W::按钮2, ui::Event::kClick, BackupWindow_OnConfirmClick),
      ui::Bind(W::按钮3, ui::Event::kClick, BackupWindow_OnCloseClick),
  };
  return d;
}

}  // namespace

const ui::WindowDecl& BackupWindowDecl() {
  static const ui::WindowDecl decl = MakeBackupWindowDecl();
  return decl;
}

void BackupWindow_OnCreated() { ui::SetText(W::编辑框1, ReadUserSetting(kBackupFolderKey)); }

void BackupWindow_OnBrowseClick() { ui::SetText(W::编辑框1, BrowseForFolder("选择文件夹")); }

void BackupWindow_OnConfirmClick() {
  const std::string folder = ui::GetText(W::编辑框1);
  // The file would give back another path (leading blanks skipped, characters outside GBK lost),
  // and the backups would go elsewhere than the clerk chose.
  if (!StoresAsWritten(folder)) {
    ShowMessageBox("这个文件夹的路径无法保存，请另选一个文件夹");
    return;
  }
  // A folder that could not be stored would silently leave the old one in use.
  if (!WriteUserSetting(kBackupFolderKey, folder)) {
    ShowMessageBox("备份目录保存失败");
    return;
  }
  ui::DestroyWindowUnit(W::self);
}

void BackupWindow_OnCloseClick() { ui::DestroyWindowUnit(W::self); }
