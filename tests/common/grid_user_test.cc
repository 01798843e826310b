// The user's actions on a grid unit through the scripted platform: clicks, edits per column
// type, drop-down choices, keys, and the events they raise.
#include <gtest/gtest.h>

#include "common/grid/grid_model.h"
#include "tests/common/grid_window.h"

namespace {

using GridUserTest = GridWindowTest;
using Strings = std::vector<std::string>;
constexpr ui::GridRef kGrid = 表格窗口::高级表格1;

TEST_F(GridUserTest, AClickPutsTheCursorOnTheCell) {
  script_.ClickCell(kGrid, 2, 3).ClickCell(kGrid, 0, 0).ClickCell(kGrid, 5, 0).Refused();
  script_.ClickCell(kGrid, 1, 4).Refused().ClickCell(kGrid, -1, 1).Refused();
  ASSERT_TRUE(RunGrid([] {},
                      [] {
                        EXPECT_EQ(GetGridCursorRow(kGrid), 0);
                        EXPECT_EQ(GetGridCursorColumn(kGrid), 0);
                      }))
      << failure_;
  EXPECT_EQ(Log(), (Strings{"cursor 2,3 reads 2,3", "cursor 0,0 reads 0,0"}));
}

TEST_F(GridUserTest, AClickOnJoinedCellsPutsTheCursorOnTheirFirstCell) {
  script_.ClickCell(kGrid, 2, 3);
  ASSERT_TRUE(RunGrid([] { JoinGridCells(kGrid, 1, 2, 3, 3); })) << failure_;
  EXPECT_EQ(Log(), (Strings{"cursor 1,2 reads 1,2"}));
}

TEST_F(GridUserTest, AnEditStoresTheTextAndRaisesTheChangeWithTheCursorThere) {
  script_.TypeCell(kGrid, 3, 1, "钢管 6m").TypeCell(kGrid, 2, 2, "12");
  ASSERT_TRUE(RunGrid([] {},
                      [] {
                        EXPECT_EQ(GetGridCellData(kGrid, 3, 1), "钢管 6m");
                        EXPECT_EQ(GetGridCellData(kGrid, 2, 3), "12!");  // the handler's write
                      }))
      << failure_;
  // The handler's own write of (2, 3) raised nothing.
  EXPECT_EQ(Log(), (Strings{"changed 3,1 钢管 6m cursor 3,1", "changed 2,2 12 cursor 2,2"}));
}

// Return moves the cursor on before the edit's handler runs (it sees the cursor on the next
// cell): down the column, from its last row to the top of the next column, not past the
// last cell; text that is no change is not stored again.
TEST_F(GridUserTest, ReturnMovesTheCursorOnThenStoresTheEdit) {
  script_.ReturnInCell(kGrid, 1, 1, "5").ReturnInCell(kGrid, 2, 1);
  script_.ReturnInCell(kGrid, 4, 1, "7").ReturnInCell(kGrid, 1, 1, "5");
  script_.ReturnInCell(kGrid, 4, 3).ReturnInCell(kGrid, 0, 1, "甲");
  ASSERT_TRUE(RunGrid([] {},
                      [] {
                        EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "5");
                        EXPECT_EQ(GetGridCellData(kGrid, 4, 1), "7");
                        EXPECT_EQ(GetGridCellData(kGrid, 0, 1), "");  // a heading: refused
                      }))
      << failure_;
  EXPECT_EQ(Log(),
            (Strings{"changed 1,1 5 cursor 2,1", "cursor 2,1 reads 2,1", "cursor 3,1 reads 3,1",
                     "changed 4,1 7 cursor 1,2", "cursor 1,2 reads 1,2", "cursor 2,1 reads 2,1",
                     "cursor 1,1 reads 1,1"}));
}

// A cell whose text goes into a text field keeps no more GBK bytes than it holds.
TEST_F(GridUserTest, TypedTextIsCutToTheCellsByteLimit) {
  script_.TypeCell(kGrid, 1, 3, "钢管扣件")
      .TypeCell(kGrid, 2, 3, "ab钢管")
      .ReturnInCell(kGrid, 3, 3, "顶托123");
  ASSERT_TRUE(RunGrid([] {},
                      [] {
                        EXPECT_EQ(GetGridCellData(kGrid, 1, 3), "钢管");
                        EXPECT_EQ(GetGridCellData(kGrid, 2, 3), "ab钢");
                        EXPECT_EQ(GetGridCellData(kGrid, 3, 3), "顶托");
                        SetGridCellData(kGrid, 3, 3, kCellContent,
                                        Value(std::string("程序写的长文字")));
                        EXPECT_EQ(GetGridCellData(kGrid, 3, 3), "程序写的长文字");
                      }))
      << failure_;
}

TEST_F(GridUserTest, AnEditOfJoinedCellsGoesToTheirFirstCell) {
  script_.TypeCell(kGrid, 2, 3, "合并");
  ASSERT_TRUE(RunGrid([] { JoinGridCells(kGrid, 1, 1, 2, 3); },
                      [] {
                        EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "合并");
                        EXPECT_EQ(GetGridCellData(kGrid, 2, 3), "");
                      }))
      << failure_;
  EXPECT_EQ(Log(), (Strings{"changed 1,1 合并 cursor 1,1"}));
}

TEST_F(GridUserTest, HeaderCellsAndCellsOutsideRefuseTheUsersEdit) {
  script_.TypeCell(kGrid, 0, 1, "甲").Refused().TypeCell(kGrid, 1, 0, "乙").Refused();
  script_.TypeCell(kGrid, 5, 1, "丙").Refused().TypeCell(kGrid, 1, 4, "丁").Refused();
  ASSERT_TRUE(RunGrid([] {}, [] { EXPECT_TRUE(ui::Grid(kGrid).cells().empty()); })) << failure_;
  EXPECT_TRUE(Log().empty());
}

TEST_F(GridUserTest, AReadOnlyCellRefusesTheUserButTakesTheProgramsWrite) {
  script_.TypeCell(kGrid, 2, 1, "改").Refused().TypeCell(kGrid, 3, 2, "改").Refused();
  script_.Do([] {
    EXPECT_TRUE(SetGridCellData(kGrid, 2, 1, kCellContent, Value(std::string("程序"))));
    EXPECT_TRUE(SetGridCellFlag(kGrid, 3, 2, 3, 2, false));
  });
  script_.TypeCell(kGrid, 3, 2, "可改").ChooseCell(kGrid, 1, 2, "出库").Refused();
  ASSERT_TRUE(RunGrid(
      [] {
        SetGridColumnType(kGrid, 2, 4);
        AddGridChoiceItem(kGrid, 2, "出库");
        SetGridCellFlag(kGrid, 1, 1, 3, 2, true);
      },
      [] {
        EXPECT_EQ(GetGridCellData(kGrid, 2, 1), "程序");
        EXPECT_EQ(GetGridCellData(kGrid, 3, 2), "可改");
      }))
      << failure_;
  EXPECT_EQ(Log(), (Strings{"changed 3,2 可改 cursor 3,2"}));
}

TEST_F(GridUserTest, AGridThatIsNotEditableRefusesEveryEdit) {
  script_.TypeCell(kGrid, 1, 1, "甲").Refused().ChooseCell(kGrid, 1, 2, "出库").Refused();
  script_.ClickCell(kGrid, 1, 1);  // the cursor still moves
  ASSERT_TRUE(RunGrid([] {
    SetGridColumnType(kGrid, 2, 8);
    AddGridChoiceItem(kGrid, 2, "出库");
    SetGridEditable(kGrid, false);
    EXPECT_TRUE(SetGridCellData(kGrid, 1, 1, kCellContent, Value(1.5)));
  })) << failure_;
  EXPECT_EQ(Log(), (Strings{"cursor 1,1 reads 1,1"}));
}

TEST_F(GridUserTest, ADisabledOrHiddenGridTakesNoInput) {
  script_.ClickCell(kGrid, 1, 1).Refused().GridKey(kGrid, 13).Refused();
  script_.Do([] { ui::SetDisabled(kGrid, false), ui::SetVisible(kGrid, false); });
  script_.TypeCell(kGrid, 1, 1, "甲").Refused().GridChar(kGrid, 65).Refused();
  script_.GridRightUp(kGrid, 1, 1).Refused();
  ASSERT_TRUE(RunGrid([] { ui::SetDisabled(kGrid, true); })) << failure_;
  EXPECT_TRUE(Log().empty());
}

// Which texts the user may type into a column of each type.
TEST_F(GridUserTest, ColumnTypesDecideWhatMayBeTyped) {
  struct Case {
    int type;
    std::string text;
    bool taken;
  };
  const Case cases[] = {
      {2, "123", true},      {2, "-1.5", true},         {2, ".5", true},
      {2, "", true},         {2, "1.2.3", false},       {2, "1-2", false},
      {2, "--1", false},     {2, "abc", false},         {2, "1e5", false},
      {2, "+1", false},      {2, "1 ", false},          {3, "2014-01-05", true},
      {3, "2014/1/5", true}, {3, "2014.1.5", false},    {3, "一月", false},
      {4, "随便写", true},   {4, "出库", true},         {8, "出库", false},
      {8, "随便写", false},  {1, "任何文字 -./", true}, {5, "abc", true},
  };
  Strings expected;
  for (const Case& c : cases) {
    int type = c.type;
    script_.Do("column type " + std::to_string(type),
               [type] { ASSERT_TRUE(SetGridColumnType(kGrid, 1, type)); });
    script_.TypeCell(kGrid, 1, 1, c.text);
    if (!c.taken) script_.Refused();
    if (c.taken) expected.push_back("changed 1,1 " + c.text + " cursor 1,1");
  }
  ASSERT_TRUE(RunGrid([] { AddGridChoiceItem(kGrid, 1, "出库"); })) << failure_;
  EXPECT_EQ(Log(), expected);
}

TEST_F(GridUserTest, AChoiceTakesAListedTextOfADropDownColumn) {
  script_.ChooseCell(kGrid, 1, 1, "入库").ChooseCell(kGrid, 2, 2, "出库");
  script_.ChooseCell(kGrid, 1, 1, "退货").Refused().ChooseCell(kGrid, 1, 3, "出库").Refused();
  script_.ChooseCell(kGrid, 0, 1, "出库").Refused();
  ASSERT_TRUE(RunGrid(
      [] {
        SetGridColumnType(kGrid, 1, 8);
        SetGridColumnType(kGrid, 2, 4);
        for (int c = 1; c <= 3; ++c) {
          AddGridChoiceItem(kGrid, c, "出库");
          AddGridChoiceItem(kGrid, c, "入库");
        }
      },
      [] {
        EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "入库");
        EXPECT_EQ(GetGridCellData(kGrid, 2, 2), "出库");
        EXPECT_EQ(GetGridCursorRow(kGrid), 2);
      }))
      << failure_;
  EXPECT_EQ(Log(), (Strings{"choice 1,1 入库", "choice 2,2 出库"}));
}

TEST_F(GridUserTest, AfterTheListIsClearedNothingCanBeChosen) {
  script_.ChooseCell(kGrid, 1, 1, "出库").Refused();
  ASSERT_TRUE(RunGrid([] {
    SetGridColumnType(kGrid, 1, 8);
    AddGridChoiceItem(kGrid, 1, "出库");
    ClearGridChoiceList(kGrid);
  })) << failure_;
}

TEST_F(GridUserTest, CharactersKeysAndTheRightButtonReachTheirHandlers) {
  script_.GridChar(kGrid, 0x41).GridKey(kGrid, 13).GridRightUp(kGrid, 3, 2).GridChar(kGrid, 8);
  ASSERT_TRUE(RunGrid([] {})) << failure_;
  EXPECT_EQ(Log(), (Strings{"char 65", "key 13", "right up 3,2", "char 8"}));
}

TEST_F(GridUserTest, AnUnexpectedRefusalOrEditFailsNamingTheStep) {
  script_.TypeCell(kGrid, 0, 1, "abc");
  EXPECT_FALSE(RunGrid([] {}));
  EXPECT_NE(failure_.find("type \"abc\" into cell (0, 1) of 表格窗口.高级表格1: refused"),
            std::string::npos)
      << failure_;
  ScriptedPlatform script;
  script.ClickCell(kGrid, 1, 1).Refused();
  std::string failure;
  EXPECT_FALSE(RunScripted(
      script,
      [&] {
        ui::LoadStartWindow(GridWindowDecl());
        script.PerformSteps();
      },
      &failure));
  EXPECT_NE(failure.find("click cell (1, 1) of 表格窗口.高级表格1: expected to be refused"),
            std::string::npos)
      << failure;
}

}  // namespace
