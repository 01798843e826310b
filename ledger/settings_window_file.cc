#include "ledger/settings_window_file.h"

#include "common/files.h"
#include "common/ini.h"
#include "common/text.h"

namespace {

constexpr char kSection[] = "用户设置";

}  // namespace

std::string ReadUserSetting(const std::string& key) {
  return ReadIniItem(SettingsFilePath(), kSection, key);
}

bool WriteUserSetting(const std::string& key, const std::string& value) {
  return WriteIniItem(SettingsFilePath(), kSection, key, value);
}

bool StoresAsWritten(const std::string& value) { return FromGbk(ToGbk(value)) == value; }
