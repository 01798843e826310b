#pragma once
// A fresh run directory for one test: the stored table templates written into it, the contract
// table open under "合同", and the scripted desktop with its clock at 2024-05-06 09:30.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/table/table.h"
#include "platform/scripted/scripted_platform.h"

class RunFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/rentdesk-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    SetRunDirectoryForTests(dir_);
    for (const char* name : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) WriteTemplate(name);
    ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
    script_.SetNow(MakeDateTime(2024, 5, 6, 9, 30, 0));
  }
  void TearDown() override {
    CloseAllTables();
    SetRunDirectoryForTests("");
    std::filesystem::remove_all(dir_);
  }

  // Writes the stored template of that name into the run directory.
  static void WriteTemplate(const char* name) {
    auto bytes = FindAsset(name);
    ASSERT_FALSE(bytes.empty()) << name;
    ASSERT_TRUE(WriteBinaryToFile(RunPath(name), ByteSet(bytes.begin(), bytes.end())));
  }

  ScriptedPlatform script_;
  std::string dir_;
};
