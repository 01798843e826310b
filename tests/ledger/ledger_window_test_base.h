#pragma once
// What the ledger's window tests share: a fresh run directory holding the stored table
// templates, the contract table open under "合同", the scripted desktop, and readers that
// check the stored contracts and dockets by opening them as tables.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "common/ui/ui.h"
#include "ledger/program_state.h"
#include "platform/scripted/scripted_platform.h"
#include "tests/ledger/run_folder_test.h"

// One docket as stored in a contract's 数据.
struct StoredDocket {
  double number = 0;
  DateTime date;
  bool out = false;
  double pipe = 0, fasteners = 0, jacks = 0, beams = 0, screws = 0;
  std::string remark;
};

class LedgerWindowTest : public RunFolderTest {
 protected:
  void SetUp() override {
    RunFolderTest::SetUp();
    ContractAddMode = 0;
    EditedContractRecord = 0;
    DocketMode = DocketModeValue::kEntry;
    PickedContract = {};
  }

  // Runs the window modally against the queued script; the test fails when they differ.
  void RunWindow(const ui::WindowDecl& decl) {
    std::string failure;
    const bool ok = RunScripted(
        script_, [&decl] { ASSERT_TRUE(ui::LoadWindow(decl, true)); }, &failure);
    EXPECT_TRUE(ok) << failure;
  }

  // The program shows this message box next under the default title; the clerk presses answer.
  ScriptedPlatform& Expect(const std::string& text, int flags = 0, int answer = kPressOk) {
    return script_.ExpectMessageBox(text, flags, "信息：", answer);
  }

  // The clerk puts the grid cursor on a cell.
  ScriptedPlatform& GridClick(ui::GridRef g, int row, int col = 0) {
    return script_.Act(g.window, g.name, "click cell " + std::to_string(row),
                       [row, col](ui::Unit& u) { return ui::user::GridClick(u, row, col); });
  }
  // The clerk types text into a cell.
  ScriptedPlatform& GridEdit(ui::GridRef g, int row, int col, const std::string& text) {
    return script_.Act(g.window, g.name, "edit cell " + std::to_string(row) + " to " + text,
                       [=](ui::Unit& u) { return ui::user::GridEdit(u, row, col, text); });
  }

  // Appends a contract straight to the contract table (the current table afterwards).
  static void AppendContract(const std::string& name, int serial, const ByteSet& dockets = {}) {
    ASSERT_TRUE(SelectTable("合同"));
    std::vector<Value> values = {
        int32_t{100 + serial},      name, MakeDateTime(2023, 3, 4), 0.5,    1.5f, 0.25f, 2.0f, 3.0f,
        std::string("备注") + name, 0.75, int32_t{serial},          dockets};
    ASSERT_TRUE(AppendRecord(values));
  }

  // The value of a field of contract record n.
  static Value ContractField(int record, const FieldKey& field) {
    EXPECT_TRUE(SelectTable("合同"));
    EXPECT_TRUE(GoToRecord(record));
    return ReadField(field);
  }

  static ByteSet DocketBytes(int record) {
    const Value v = ContractField(record, kContractDockets.number);
    return std::get<ByteSet>(v);
  }

  // The dockets stored in contract record n's 数据, read back as a table.
  std::vector<StoredDocket> DocketsOf(int record) {
    const std::string copy = dir_ + "/检查.rdb";
    EXPECT_TRUE(WriteBinaryToFile(copy, DocketBytes(record)));
    std::vector<StoredDocket> out;
    if (!OpenTable(copy, "检查")) {
      ADD_FAILURE() << "数据 of contract " << record << " is no table";
      return out;
    }
    for (int i = 1; i <= GetRecordCount(); ++i) {
      GoToRecord(i);
      out.push_back({ToNumber(ReadField(1)), ToDateTime(ReadField(2)), std::get<bool>(ReadField(3)),
                     ToNumber(ReadField(4)), ToNumber(ReadField(5)), ToNumber(ReadField(6)),
                     ToNumber(ReadField(7)), ToNumber(ReadField(8)), ToText(ReadField(9))});
    }
    CloseTable("检查");
    SelectTable("合同");
    return out;
  }

  static std::string Cell(ui::GridRef g, int row, int col) {
    return ToText(GetGridCellData(g, row, col));
  }
};
