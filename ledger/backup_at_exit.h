#pragma once
// The backup at every exit: the contract table's two files are copied into a new folder
// named by the date and time of the exit.
#include <string>

#include "common/value.h"

// The folder that takes the backups when the settings name none: 租赁数据备份 in the home folder.
std::string DefaultBackupFolder();
// The name of the backup folder of an exit at t ("2015年10月7日12时30分").
std::string BackupStamp(DateTime t);
// The folder that receives one exit's copies, for the settings' 备份目录 (base, used as stored).
std::string BackupFolderOfExit(const std::string& base, const std::string& stamp);
