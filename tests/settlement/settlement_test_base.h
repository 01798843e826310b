#pragma once
// What the settlement window tests share: a fresh run directory with the table templates and
// the contract table open under "合同", contracts with rents and dockets appended straight to
// it, the scripted desktop, and readers of the statement grid.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/ini.h"
#include "common/program_texts.h"
#include "common/table/table.h"
#include "common/text.h"
#include "common/ui/ui.h"
#include "platform/scripted/scripted_platform.h"
#include "settlement/settlement_window.h"
#include "tests/ledger/run_folder_test.h"

// One docket to store in a contract's 数据; returns carry negative quantities.
struct Docket {
  DateTime date;
  bool out = true;
  double pipe = 0, fasteners = 0, jacks = 0, beams = 0, screws = 0;
};

// A contract's rates.
struct Rates {
  float pipe = 0.5f, fastener = 0.01f, jack = 0.1f, beam = 0.2f;
  double screw_price = 0.5, wash_price = 0.3;
};

class SettlementTest : public RunFolderTest {
 protected:
  using W = SettlementWindow;

  void SetUp() override {
    RunFolderTest::SetUp();
    CompanyName.reset();
    UserName.reset();
  }

  static void WriteSettings(const std::string& user, const std::string& company) {
    ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "用户名", user));
    ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "单位名称", company));
  }

  // The bytes of a docket table holding the dockets in the given order.
  ByteSet DocketTable(const std::vector<Docket>& dockets) {
    const std::string path = dir_ + "/构造.rdb";
    WriteBinaryToFile(path, ReadFileToBinary(RunPath("出租单数据.rdb")));
    EXPECT_TRUE(OpenTable(path, "构造"));
    double number = 1;
    for (const Docket& d : dockets) {
      EXPECT_TRUE(AppendRecord({number++, d.date, d.out, d.pipe, d.fasteners, d.jacks, d.beams,
                                d.screws, std::string("")}));
    }
    CloseTable("构造");
    ByteSet bytes = ReadFileToBinary(path);
    DeleteDiskFile(path);
    return bytes;
  }

  // Appends a contract straight to the contract table.
  void AddContract(const std::string& name, DateTime start, const Rates& rates,
                   const std::vector<Docket>& dockets) {
    AddContractBytes(name, start, rates, DocketTable(dockets));
  }
  static void AddContractBytes(const std::string& name, DateTime start, const Rates& rates,
                               const ByteSet& bytes) {
    ASSERT_TRUE(SelectTable("合同"));
    std::vector<Value> values = {
        int32_t{1}, name,       start,           rates.screw_price, rates.pipe, rates.fastener,
        rates.jack, rates.beam, std::string(""), rates.wash_price,  int32_t{1}, bytes};
    ASSERT_TRUE(AppendRecord(values));
  }

  // Chooses the period and the method and presses 结算 .
  ScriptedPlatform& Settle(DateTime start, DateTime end, bool cumulative = false) {
    script_.ChooseDay(W::日期框1, start).ChooseDay(W::日期框2, end);
    if (cumulative) script_.Click(W::单选框2);
    return script_.Click(W::按钮1);
  }

  // Runs the settlement window modally against the queued script, closing it at the end.
  void Run() {
    script_.Close(W::self);
    std::string failure;
    const bool ok = RunScripted(
        script_, [] { settlement::OpenSettlementWindow(); }, &failure);
    EXPECT_TRUE(ok) << failure;
  }

  ScriptedPlatform& Expect(const std::string& text, int flags = 0) {
    return script_.ExpectMessageBox(text, flags, "信息：", kPressOk);
  }

  // Checks the grid inside the running window.
  ScriptedPlatform& Check(std::function<void()> check) { return script_.Do(std::move(check)); }

  static std::string Cell(int row, int col) { return GetGridCellData(W::高级表格1, row, col); }
  static std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < 10; ++c) cells.push_back(Cell(row, c));
    return cells;
  }
  static GridModel& Model() { return ui::Grid(W::高级表格1); }
  static bool Bold(int row, int col) {
    const std::optional<GridCell> c = Model().Cell(row, col);
    return c.has_value() && c->has_font && c->font.weight >= 700;
  }
  // The merge anchored at the cell, as "row1,col1-row2,col2", or "" when none.
  static std::string Merge(int row, int col) {
    const GridMerge* m = Model().MergeAt(row, col);
    if (m == nullptr || m->anchor_row != row || m->anchor_col != col) return "";
    return std::to_string(m->range.row1) + "," + std::to_string(m->range.col1) + "-" +
           std::to_string(m->range.row2) + "," + std::to_string(m->range.col2);
  }
  bool WorkingFilesGone() const {
    return !FileExists(RunPath("出租数据.rdb")) && !FileExists(RunPath("出租单临时数据.rdb"));
  }
};

using Cells = std::vector<std::string>;
