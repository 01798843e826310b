#pragma once
// What the tally tests share: a fresh run directory (also the session's runtime folder, which
// holds the user's own temporary folder), the scripted desktop at a fixed time, tallybench run
// through its own entry, and readers of the stored tallies and the settings file.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/ini.h"
#include "common/table/table.h"
#include "common/text.h"
#include "common/ui/ui.h"
#include "platform/scripted/scripted_platform.h"
#include "tally/tally_commands.h"
#include "tally/tally_program.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"
#include "tests/common/scoped_variable.h"

// One saved tally as the table holds it.
struct StoredTally {
  std::string date;
  ByteSet grid;
  int fasteners = 0;
  double metres = 0;
  bool single = false;
  std::string unit;
};

class TallyTest : public ::testing::Test {
 protected:
  using W = TallyWindow;
  using R = TallyRecordsWindow;
  static constexpr ui::GridRef G = TallyWindow::TallyGrid;

  void SetUp() override {
    char pattern[] = "/tmp/tally-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    SetRunDirectoryForTests(dir_);
    runtime_.Set(dir_);
    script_.SetNow(Now());
  }
  void TearDown() override {
    CloseAllTables();
    SetRunDirectoryForTests("");
    std::filesystem::remove_all(dir_);
  }

  // The scripted clock: 6 May 2024, 9:30.
  static DateTime Now() { return MakeDateTime(2024, 5, 6, 9, 30, 0); }
  static std::string Today() { return "2024年5月6日"; }

  std::string RunPath(const std::string& name) const { return dir_ + "/" + name; }
  // A file of the user's own temporary folder (the session's runtime folder is the test's).
  std::string TempPath(const std::string& name) const { return dir_ + "/rentdesk/" + name; }

  // Runs tallybench against the queued script (which ends by closing the tally window).
  void RunTallybench() {
    std::string failure;
    const bool ok = RunScripted(
        script_, [] { EXPECT_EQ(TallybenchEntry(), 0); }, &failure);
    EXPECT_TRUE(ok) << failure;
    script_ = ScriptedPlatform();
    script_.SetNow(Now());
  }

  // Writes the stored tally table templates, so that records can be added before a run.
  void WriteTemplates() {
    for (const char* name : {"码单数据库.rdb", "码单数据库.RDT"}) {
      auto bytes = FindAsset(name);
      ASSERT_TRUE(WriteBinaryToFile(RunPath(name), ByteSet(bytes.begin(), bytes.end())));
    }
  }

  // Appends a tally straight to the table (templates written first when missing).
  void AppendTally(const StoredTally& t) {
    if (!FileExists(RunPath("码单数据库.rdb"))) WriteTemplates();
    ASSERT_TRUE(OpenTable(RunPath("码单数据库.rdb"), "检查"));
    ASSERT_TRUE(AppendRecord({t.date, t.grid, int32_t{t.fasteners}, t.metres, t.single, t.unit}));
    CloseTable("检查");
  }

  // Every tally the table holds, in order.
  std::vector<StoredTally> Tallies() {
    std::vector<StoredTally> out;
    if (!OpenTable(RunPath("码单数据库.rdb"), "检查")) {
      ADD_FAILURE() << "no tally table";
      return out;
    }
    for (int i = 1; i <= GetRecordCount(); ++i) {
      GoToRecord(i);
      out.push_back({ToText(ReadField(1)), std::get<ByteSet>(ReadField(2)),
                     static_cast<int>(ToNumber(ReadField(3))), ToNumber(ReadField(4)),
                     std::get<bool>(ReadField(5)), ToText(ReadField(6))});
    }
    CloseTable("检查");
    return out;
  }

  std::string Setting(const std::string& section, const std::string& key) const {
    return ReadIniItem(RunPath("配置.ini"), section, key, "<missing>");
  }

  static std::string Cell(int row, int col) { return GetGridCellData(G, row, col); }
  static int Rows() { return GetGridRowCount(G); }
  static int Columns() { return GetGridColumnCount(G); }

  // The five result labels, top to bottom.
  static std::vector<std::string> Labels() {
    return {ui::GetText(W::TotalMetresLabel), ui::GetText(W::SixMetreLabel),
            ui::GetText(W::OddLengthLabel), ui::GetText(W::TonnageLabel),
            ui::GetText(W::HandlingFeeLabel)};
  }

  // The clerk closes the tally window; the closing check asks nothing.
  void CloseQuietly() { script_.Close(W::self); }
  // The clerk closes the tally window and answers the offer to save.
  void CloseAnswering(int answer) {
    script_.Close(W::self).ExpectMessageBox("是否需要保存码单。", kMbOkCancelFlags, "信息：",
                                            answer);
  }
  static constexpr int kMbOkCancelFlags = 1;
  static constexpr int kYesNoQuestion = 4 | 32;

  ScriptedPlatform script_;
  std::string dir_;
  ScopedVariable runtime_{"XDG_RUNTIME_DIR", std::nullopt};
};
