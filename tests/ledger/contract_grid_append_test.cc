// After an added contract the contract grid writes only the new row: whatever the clerk did
// before, the grid must end exactly as a whole fill from the table leaves it.
#include <functional>

#include "common/grid/grid_model.h"
#include "common/message_box.h"
#include "ledger/contract_window.h"
#include "ledger/contract_window_grid.h"
#include "tests/ledger/ledger_window_test_base.h"

namespace {

using W = ContractWindow;

struct Case {
  const char* what;
  // The clerk's steps before the last 保存 of a new contract.
  std::function<void(class ContractGridAppendTest&)> before;
};

class ContractGridAppendTest : public LedgerWindowTest {
 public:
  void AddByHand(const std::string& name) {
    script_.Click(W::按钮1).Type(W::编辑框2, name).Click(W::按钮5);
  }
  ScriptedPlatform& script() { return script_; }
  using LedgerWindowTest::Expect;
  using LedgerWindowTest::GridClick;
  using LedgerWindowTest::GridEdit;

  // Compares the grid as it is with the grid a whole fill makes, every cell and attribute.
  void ExpectAsWholeFill(const char* what) {
    script_.Do([what] {
      const GridModel shown = ui::Grid(W::高级表格1);
      ASSERT_TRUE(SelectTable("合同"));
      FillContractGrid(W::高级表格1);
      const GridModel& filled = ui::Grid(W::高级表格1);
      ASSERT_EQ(shown.rows(), filled.rows()) << what;
      ASSERT_EQ(shown.cols(), filled.cols()) << what;
      for (int r = 0; r < filled.rows(); ++r) {
        for (int c = 0; c < filled.cols(); ++c) {
          const std::optional<GridCell> a = shown.Cell(r, c);
          const std::optional<GridCell> b = filled.Cell(r, c);
          ASSERT_EQ(a == std::nullopt, b == std::nullopt) << what << ": cell " << r << "," << c;
          if (a) {
            ASSERT_EQ(*a, *b) << what << ": cell " << r << "," << c << " " << a->text;
          }
        }
      }
      EXPECT_TRUE(shown == filled) << what;
    });
  }
};

const Case kCases[] = {
    {"two additions in a row", [](ContractGridAppendTest& t) { t.AddByHand("戊"); }},
    {"a contract viewed first", [](ContractGridAppendTest& t) { t.GridClick(W::高级表格1, 2, 3); }},
    {"a cell the clerk typed into",
     [](ContractGridAppendTest& t) { t.GridEdit(W::高级表格1, 1, 2, "改过的名字"); }},
    {"a modified contract",
     [](ContractGridAppendTest& t) {
       t.GridClick(W::高级表格1, 1).Click(W::按钮4).Type(W::编辑框2, "甲改").Click(W::按钮5);
     }},
    {"a deleted contract",
     [](ContractGridAppendTest& t) {
       t.GridClick(W::高级表格1, 2).Click(W::按钮3);
       t.Expect("是否确定删除这条合同", kMbOkCancel);
     }},
};

TEST_F(ContractGridAppendTest, TheGridEndsAsAWholeFillLeavesIt) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(SelectTable("合同"));
    ASSERT_TRUE(ClearTable());
    for (int i = 1; i <= 3; ++i) AppendContract("建筑单位" + std::to_string(i), i);
    script_ = ScriptedPlatform();
    c.before(*this);
    AddByHand("新工地");
    ExpectAsWholeFill(c.what);
    script_.Close(W::self);
    RunWindow(ContractWindowDecl());
  }
}

}  // namespace
