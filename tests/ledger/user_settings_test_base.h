#pragma once
// What the settings and backup window tests share: the section "用户设置" of the run
// directory's settings file, written and read back the way the program does.
#include <filesystem>
#include <string>

#include "common/ini.h"
#include "common/text.h"
#include "tests/ledger/ledger_window_test_base.h"

class UserSettingsTest : public LedgerWindowTest {
 protected:
  // What a key reads as when it is not in the file at all.
  static constexpr const char* kAbsent = "<absent>";

  static void Store(const std::string& key, const std::string& value) {
    ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", key, value));
  }
  // The stored value of key, kAbsent when the key is missing.
  static std::string Stored(const std::string& key) {
    return ReadIniItem(SettingsFilePath(), "用户设置", key, kAbsent);
  }
  // True when the file holds the line "key=value" written in GBK.
  static bool FileHoldsGbkLine(const std::string& key, const std::string& value) {
    const ByteSet bytes = ReadFileToBinary(SettingsFilePath());
    const std::string text(bytes.begin(), bytes.end());
    return text.find(ToGbk(key + "=" + value)) != std::string::npos;
  }
  // Puts a folder where the settings file should be: it can be neither read nor written.
  static void MakeSettingsFileUnwritable() {
    ASSERT_TRUE(std::filesystem::create_directory(SettingsFilePath()));
  }
};
