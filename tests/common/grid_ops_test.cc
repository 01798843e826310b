// The grid operations through a grid unit of an open window: their results, their refusals
// outside the grid, and that the program's own writes raise no events.
#include <gtest/gtest.h>

#include <functional>

#include "common/grid/grid_model.h"
#include "tests/common/grid_window.h"

namespace {

using GridOpsTest = GridWindowTest;
constexpr ui::GridRef kGrid = 表格窗口::高级表格1;

TEST_F(GridOpsTest, CellDataIsStoredAsItsText) {
  struct Case {
    Value value;
    std::string text;
  };
  const Case cases[] = {
      {Value(0.1 + 0.2), "0.3"},
      {Value(0.1f), "0.1"},
      {Value(int32_t{42}), "42"},
      {Value(int64_t{-7}), "-7"},
      {Value(1234.5), "1234.5"},
      {Value(1e20), "1e+20"},
      {Value(std::string("钢管")), "钢管"},
      {Value(2.0 / 3.0), "0.6666666666667"},
  };
  ASSERT_TRUE(RunGrid([&] {
    for (const Case& c : cases) {
      EXPECT_TRUE(SetGridCellData(kGrid, 2, 3, kCellContent, c.value)) << c.text;
      EXPECT_EQ(GetGridCellData(kGrid, 2, 3), c.text);
    }
  })) << failure_;
  EXPECT_TRUE(Log().empty());
}

// Each operation aimed at cells outside the 5 x 4 grid.
const std::pair<const char*, std::function<bool()>> kOutside[] = {
    {"cell data row", [] { return SetGridCellData(kGrid, 5, 0, kCellContent, Value(1.0)); }},
    {"cell data col", [] { return SetGridCellData(kGrid, 0, 4, kCellContent, Value(1.0)); }},
    {"cell data neg", [] { return SetGridCellData(kGrid, -1, 0, kCellContent, Value(1.0)); }},
    {"cursor", [] { return SetGridCursor(kGrid, 1, 4); }},
    {"font name", [] { return SetGridFontName(kGrid, 5, 0, 9, 3, "黑体"); }},
    {"font size", [] { return SetGridFontSize(kGrid, 0, 4, 4, 9, 20); }},
    {"font style", [] { return SetGridFontStyle(kGrid, -3, 0, -2, 3, 1); }},
    {"alignment", [] { return SetGridAlignment(kGrid, 0, -5, 4, -2, 2); }},
    {"join", [] { return JoinGridCells(kGrid, 5, 0, 6, 1); }},
    {"clear cells", [] { return ClearGridCells(kGrid, 5, 0); }},
    {"drop row", [] { return DropGridRow(kGrid, 5); }},
    {"drop row neg", [] { return DropGridRow(kGrid, -1); }},
    {"column type", [] { return SetGridColumnType(kGrid, 4, 2); }},
    {"choice item", [] { return AddGridChoiceItem(kGrid, 4, "出库"); }},
    {"column width", [] { return SetGridColumnWidth(kGrid, 4, 50); }},
    {"column width neg", [] { return SetGridColumnWidth(kGrid, -1, 50); }},
    {"cell flag", [] { return SetGridCellFlag(kGrid, 5, 0, 5, 3, true); }},
    {"cell attribute", [] { return SetGridCellAttribute(kGrid, 0, 4, 0, 4, 0xFF); }},
    {"type 0", [] { return SetGridColumnType(kGrid, 1, 0); }},
    {"type 9", [] { return SetGridColumnType(kGrid, 1, 9); }},
    {"style 5", [] { return SetGridFontStyle(kGrid, 1, 1, 1, 1, 5); }},
    {"alignment 4", [] { return SetGridAlignment(kGrid, 1, 1, 1, 1, 4); }},
    {"date position 4", [] { return SetGridPrintDatePosition(kGrid, 4); }},
    {"page number -1", [] { return SetGridPageNumberPosition(kGrid, -1); }},
    {"print option 8", [] { return SetGridPrintOption(kGrid, 8, 1); }},
    {"print option 0", [] { return SetGridPrintOption(kGrid, 0, 1); }},
    {"row count", [] { return SetGridRowCount(kGrid, -1); }},
};

TEST_F(GridOpsTest, OperationsOutsideTheGridFailAndChangeNothing) {
  ASSERT_TRUE(RunGrid([] {
    SetGridCellData(kGrid, 1, 1, kCellContent, Value(std::string("甲")));
    SetGridCursor(kGrid, 2, 2);
    const GridModel before = ui::Grid(kGrid);
    for (const auto& [name, op] : kOutside) {
      EXPECT_FALSE(op()) << name;
      EXPECT_TRUE(ui::Grid(kGrid) == before) << name;
    }
  })) << failure_;
}

TEST_F(GridOpsTest, AGridWhoseWindowIsNotOpenReadsEmptyAndRefuses) {
  ASSERT_TRUE(Run([] {
    EXPECT_FALSE(SetGridCellData(kGrid, 0, 0, kCellContent, Value(1.0)));
    EXPECT_EQ(GetGridCellData(kGrid, 0, 0), "");
    EXPECT_EQ(GetGridRowCount(kGrid), 0);
    EXPECT_EQ(GetGridCursorRow(kGrid), -1);
    EXPECT_FALSE(ClearGrid(kGrid));
    EXPECT_FALSE(InsertGridRow(kGrid, "甲"));
    EXPECT_FALSE(PrintGrid(kGrid));
  })) << failure_;
}

TEST_F(GridOpsTest, CursorStartsNowhereAndFollowsTheProgram) {
  ASSERT_TRUE(RunGrid([] {
    EXPECT_EQ(GetGridCursorRow(kGrid), -1);
    EXPECT_EQ(GetGridCursorColumn(kGrid), -1);
    EXPECT_TRUE(SetGridCursor(kGrid, 3, 2));
    EXPECT_EQ(GetGridCursorRow(kGrid), 3);
    EXPECT_EQ(GetGridCursorColumn(kGrid), 2);
  })) << failure_;
  EXPECT_TRUE(Log().empty()) << "a program's cursor move raises no event";
}

TEST_F(GridOpsTest, FontsAndAlignmentCoverTheRangeOnly) {
  ASSERT_TRUE(RunGrid([] {
    EXPECT_TRUE(SetGridFontName(kGrid, 1, 1, 2, 2, "黑体"));
    EXPECT_TRUE(SetGridFontSize(kGrid, 1, 1, 2, 2, 18));
    EXPECT_TRUE(SetGridFontStyle(kGrid, 1, 1, 2, 2, 3));
    EXPECT_TRUE(SetGridAlignment(kGrid, 1, 1, 2, 2, 3));
    const GridModel& m = ui::Grid(kGrid);
    for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}}) {
      ASSERT_NE(m.Cell(r, c), std::nullopt);
      const GridCell cell = *m.Cell(r, c);
      EXPECT_TRUE(cell.has_font);
      EXPECT_EQ(cell.font.face, "黑体");
      EXPECT_EQ(cell.font.height, 18);
      EXPECT_EQ(cell.font.weight, 700);
      EXPECT_TRUE(cell.font.italic);
      EXPECT_EQ(cell.format & kTextAlignMask, 2);  // right
    }
    EXPECT_EQ(m.Cell(3, 3), std::nullopt);
    EXPECT_EQ(m.Cell(0, 1), std::nullopt);
  })) << failure_;
}

TEST_F(GridOpsTest, FontStylesAndAlignments) {
  struct Style {
    int style, weight;
    bool italic, underline;
  };
  const Style styles[] = {
      {0, 400, false, false}, {1, 700, false, false}, {2, 400, true, false},
      {3, 700, true, false},  {4, 400, false, true},
  };
  ASSERT_TRUE(RunGrid([&] {
    SetGridCellData(kGrid, 1, 1, kCellContent, Value(std::string("甲")));  // keeps the cell stored
    for (const Style& s : styles) {
      ASSERT_TRUE(SetGridFontStyle(kGrid, 1, 1, -1, -1, s.style));
      const GridFont f = ui::Grid(kGrid).Cell(1, 1)->font;
      EXPECT_EQ(f.weight, s.weight) << s.style;
      EXPECT_EQ(f.italic, s.italic) << s.style;
      EXPECT_EQ(f.underline, s.underline) << s.style;
    }
    for (int a = 1; a <= 3; ++a) {
      ASSERT_TRUE(SetGridAlignment(kGrid, 1, 1, -1, -1, a));
      EXPECT_EQ(ui::Grid(kGrid).Cell(1, 1)->format & kTextAlignMask, a - 1);
    }
  })) << failure_;
}

TEST_F(GridOpsTest, ClearGridCellsIsClampedToTheGrid) {
  ASSERT_TRUE(RunGrid([] {
    for (int r = 0; r < 5; ++r) SetGridCellData(kGrid, r, 1, kCellContent, Value(int32_t{r}));
    SetGridFontSize(kGrid, 2, 1, 4, 1, 30);
    EXPECT_TRUE(ClearGridCells(kGrid, 2, 1, 99, 99));
    EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "1");
    for (int r = 2; r < 5; ++r) EXPECT_EQ(ui::Grid(kGrid).Cell(r, 1), std::nullopt) << r;
    EXPECT_TRUE(ClearGridCells(kGrid, -4, 1, 0, 1));  // clamped to row 0
    EXPECT_EQ(GetGridCellData(kGrid, 0, 1), "");
    EXPECT_TRUE(ClearGridCells(kGrid, 1, 1));  // one cell
    EXPECT_TRUE(ui::Grid(kGrid).cells().empty());
  })) << failure_;
}

TEST_F(GridOpsTest, ClearGridKeepsTheCountsAndDropsTheRest) {
  ASSERT_TRUE(RunGrid([] {
    SetGridFixedRows(kGrid, 2);
    SetGridCellData(kGrid, 3, 3, kCellContent, Value(1.5));
    SetGridColumnWidth(kGrid, 2, 150);
    SetGridColumnType(kGrid, 1, 4);
    AddGridChoiceItem(kGrid, 1, "出库");
    JoinGridCells(kGrid, 0, 0, 0, 3);
    EXPECT_TRUE(ClearGrid(kGrid));
    const GridModel& m = ui::Grid(kGrid);
    EXPECT_EQ(GetGridRowCount(kGrid), 5);
    EXPECT_EQ(GetGridColumnCount(kGrid), 4);
    EXPECT_EQ(GetGridFixedRows(kGrid), 2);
    EXPECT_TRUE(m.cells().empty());
    EXPECT_TRUE(m.merges().empty());
    EXPECT_TRUE(m.kinds().empty());
    EXPECT_EQ(m.ColumnWidth(2), kDefaultColumnWidth);
  })) << failure_;
}

TEST_F(GridOpsTest, InsertingIntoAnEmptyGridAddsTheHeaderRowAndColumnFirst) {
  ASSERT_TRUE(RunGrid([] {
    SetGridRowCount(kGrid, 0);
    SetGridColumnCount(kGrid, 0);
    EXPECT_TRUE(InsertGridRow(kGrid, "甲"));
    EXPECT_EQ(GetGridRowCount(kGrid), 2);
    EXPECT_EQ(GetGridColumnCount(kGrid), 1);
    EXPECT_EQ(GetGridCellData(kGrid, 1, 0), "甲");
    SetGridRowCount(kGrid, 0);
    SetGridColumnCount(kGrid, 0);
    EXPECT_TRUE(InsertGridColumn(kGrid, "乙"));
    EXPECT_EQ(GetGridRowCount(kGrid), 1);
    EXPECT_EQ(GetGridColumnCount(kGrid), 2);
    EXPECT_EQ(GetGridCellData(kGrid, 0, 1), "乙");
  })) << failure_;
}

TEST_F(GridOpsTest, InsertedLinesGoInsideOrAtTheEnd) {
  // position -> where the new row lands in the 5-row grid
  const std::pair<int, int> rows[] = {{-1, 5}, {0, 5}, {1, 1}, {4, 4}, {5, 5}, {99, 5}};
  ASSERT_TRUE(RunGrid([&] {
    for (auto [position, at] : rows) {
      SetGridRowCount(kGrid, 5);
      for (int r = 0; r < 5; ++r) SetGridCellData(kGrid, r, 1, kCellContent, Value(int32_t{r}));
      ASSERT_TRUE(InsertGridRow(kGrid, "新", position));
      EXPECT_EQ(GetGridRowCount(kGrid), 6);
      EXPECT_EQ(GetGridCellData(kGrid, at, 0), "新") << position;
      EXPECT_EQ(GetGridCellData(kGrid, at, 1), "") << position;
      EXPECT_EQ(GetGridCellData(kGrid, 5, 1), at == 5 ? "" : "4") << position;
      ClearGrid(kGrid);
    }
    EXPECT_TRUE(InsertGridColumn(kGrid, "列", 2));
    EXPECT_EQ(GetGridColumnCount(kGrid), 5);
    EXPECT_EQ(GetGridCellData(kGrid, 0, 2), "列");
  })) << failure_;
}

TEST_F(GridOpsTest, JoinedCellsShowAsTheirFirstCell) {
  ASSERT_TRUE(RunGrid([] {
    EXPECT_TRUE(JoinGridCells(kGrid, 1, 1, 2, 3));
    const GridModel& m = ui::Grid(kGrid);
    ASSERT_EQ(m.merges().size(), 1u);
    EXPECT_EQ(m.merges()[0].range, (CellRange{1, 1, 2, 3}));
    EXPECT_TRUE(SetGridCursor(kGrid, 2, 3));
    EXPECT_EQ(GetGridCursorRow(kGrid), 1);
    EXPECT_EQ(GetGridCursorColumn(kGrid), 1);
    EXPECT_TRUE(JoinGridCells(kGrid, 2, 2, 9, 9));  // overlaps: the first merge is undone
    ASSERT_EQ(m.merges().size(), 1u);
    EXPECT_EQ(m.merges()[0].range, (CellRange{2, 2, 4, 3}));
  })) << failure_;
}

TEST_F(GridOpsTest, DroppedRowsMoveTheRowsBelowUp) {
  ASSERT_TRUE(RunGrid([] {
    for (int r = 0; r < 5; ++r) SetGridCellData(kGrid, r, 1, kCellContent, Value(int32_t{r * 10}));
    EXPECT_TRUE(DropGridRow(kGrid, 2));
    EXPECT_EQ(GetGridRowCount(kGrid), 4);
    const char* expected[] = {"0", "10", "30", "40"};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(GetGridCellData(kGrid, r, 1), expected[r]);
  })) << failure_;
}

TEST_F(GridOpsTest, ColumnsTypesChoicesAndWidths) {
  ASSERT_TRUE(RunGrid([] {
    const GridModel& m = ui::Grid(kGrid);
    for (int type = 1; type <= 8; ++type) {
      EXPECT_TRUE(SetGridColumnType(kGrid, 2, type));
      EXPECT_EQ(m.Kind(2)->type, type);
    }
    EXPECT_TRUE(AddGridChoiceItem(kGrid, 2, "出库"));
    EXPECT_TRUE(AddGridChoiceItem(kGrid, 2, "入库"));
    EXPECT_EQ(m.Kind(2)->choices, (std::vector<std::string>{"出库", "入库"}));
    EXPECT_TRUE(ClearGridChoiceList(kGrid));
    EXPECT_TRUE(m.Kind(2)->choices.empty());
    EXPECT_TRUE(SetGridColumnWidth(kGrid, 3, 120));
    EXPECT_EQ(m.ColumnWidth(3), 120);
  })) << failure_;
}

TEST_F(GridOpsTest, GridProperties) {
  ASSERT_TRUE(RunGrid([] {
    EXPECT_TRUE(SetGridFixedRows(kGrid, 3));
    EXPECT_EQ(GetGridFixedRows(kGrid), 3);
    EXPECT_TRUE(GetGridEditable(kGrid));
    EXPECT_TRUE(SetGridEditable(kGrid, false));
    EXPECT_FALSE(GetGridEditable(kGrid));
    EXPECT_TRUE(SetGridBackColour(kGrid, 0x123456));
    EXPECT_EQ(GetGridBackColour(kGrid), 0x123456);
    EXPECT_TRUE(SetGridCellAttribute(kGrid, 1, 1, 2, 1, 0xFF));
    EXPECT_EQ(ui::Grid(kGrid).Cell(2, 1)->colour_a, 0xFFu);
    EXPECT_TRUE(SetGridPrintOption(kGrid, 1, 100));
    EXPECT_EQ(ui::Grid(kGrid).settings.page_options[0], 100);
    EXPECT_TRUE(SetGridPrintDatePosition(kGrid, 3));
    EXPECT_TRUE(SetGridPageNumberPosition(kGrid, 0));
    EXPECT_EQ(ui::Grid(kGrid).settings.print_date_position, 3);
  })) << failure_;
}

}  // namespace
