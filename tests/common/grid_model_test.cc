#include "common/grid/grid_model.h"

#include <gtest/gtest.h>

namespace {

GridModel MakeGrid(int rows, int cols) { return GridModel(rows, cols, GridFont{}); }

TEST(GridCellData, FormatsNumbersAsTheGridShowsThem) {
  GridModel g = MakeGrid(3, 3);
  struct Case {
    Value v;
    std::string text;
  } cases[] = {
      {0.1 + 0.2, "0.3"},
      {0.1f, "0.1"},
      {int32_t{-42}, "-42"},
      {std::string("钢管"), "钢管"},
      {12.5, "12.5"},
      {30.0, "30"},
      {1.0 / 3.0, "0.3333333333333"},
      {3.14159265f, "3.14159"},
      {int64_t{1} << 40, "1099511627776"},
      {-30 * 0.0, "0"},  // the amount of a return at a rent of 0
      {-0.0f, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(g.SetCellData(1, 1, 1, c.v));
    EXPECT_EQ(g.CellText(1, 1), c.text);
  }
}

TEST(GridCellData, OutsideTheGridFailsAndChangesNothing) {
  GridModel g = MakeGrid(2, 2);
  GridModel before = g;
  EXPECT_FALSE(g.SetCellData(2, 0, 1, 1.5));
  EXPECT_FALSE(g.SetCellData(0, -1, 1, 1.5));
  EXPECT_FALSE(g.SetText(0, 2, "x"));
  EXPECT_FALSE(g.SetColumnWidth(2, 50));
  EXPECT_FALSE(g.SetColumnType(5, 2));
  EXPECT_FALSE(g.SetColumnType(0, 9));
  EXPECT_FALSE(g.SetColumnType(0, 0));
  EXPECT_FALSE(g.SetCursor(-1, 0));
  EXPECT_FALSE(g.SetAlignment(GridModel::MakeRange(5, 5, 6, 6), 2));
  EXPECT_FALSE(g.Join(GridModel::MakeRange(2, 0, 3, 1)));
  EXPECT_FALSE(g.ClearCells(GridModel::MakeRange(-5, 0, -1, 1)));
  EXPECT_FALSE(g.DropRow(2));
  EXPECT_FALSE(g.SetPageOption(8, 1));
  EXPECT_FALSE(g.SetAlignment(GridModel::MakeRange(0, 0), 4));
  EXPECT_EQ(g, before);
}

TEST(GridCellData, EmptyCellsCostNothing) {
  GridModel g = MakeGrid(60000, 10);
  for (int r = 0; r < 60000; r += 20) g.SetText(r, r % 10, "x");
  EXPECT_EQ(g.cells().size(), 3000u);
  g.SetText(20, 0, "");
  EXPECT_EQ(g.cells().size(), 2999u);
}

TEST(GridRanges, ClampedToTheGrid) {
  GridModel g = MakeGrid(4, 3);
  for (int r = 0; r < 4; ++r) g.SetText(r, 2, "v");
  EXPECT_TRUE(g.ClearCells(GridModel::MakeRange(2, 1, 99, 99)));
  EXPECT_EQ(g.CellText(1, 2), "v");
  EXPECT_EQ(g.CellText(2, 2), "");
  EXPECT_EQ(g.CellText(3, 2), "");
  // a range one beyond the last row (as the windows pass it) still centres the grid
  EXPECT_TRUE(g.SetAlignment(GridModel::MakeRange(0, 0, 4, 3), 2));
  EXPECT_EQ(g.Cell(3, 2)->format, 0x825);
  EXPECT_TRUE(g.SetAlignment(GridModel::MakeRange(3, 2), 3));
  EXPECT_EQ(g.Cell(3, 2)->format, 0x826);
  EXPECT_TRUE(g.SetAlignment(GridModel::MakeRange(3, 2), 1));
  EXPECT_EQ(g.Cell(3, 2), std::nullopt);  // left-aligned and empty: blank again
}

TEST(GridRanges, ClearCellsResetsEveryAttributeButTheAlignment) {
  GridModel g = MakeGrid(3, 3);
  CellRange all = GridModel::MakeRange(0, 0, 2, 2);
  g.SetText(1, 1, "a");
  g.SetFontStyle(all, 1);
  g.SetReadOnly(all, true);
  g.SetBackground(all, 0xFF);
  EXPECT_TRUE(g.ClearCells(all));
  EXPECT_TRUE(g.cells().empty());
  // A centred cell stays centred for the next text.
  g.SetText(1, 1, "-400");
  EXPECT_TRUE(g.SetAlignment(all, 2));
  const int32_t centred = g.Cell(1, 1)->format;
  EXPECT_TRUE(g.ClearCells(all));
  EXPECT_EQ(g.CellText(1, 1), "");
  ASSERT_NE(g.Cell(2, 2), std::nullopt);
  EXPECT_EQ(g.Cell(2, 2)->format, centred);
  EXPECT_EQ(g.Cell(1, 1)->format, centred);
}

TEST(GridRanges, FontsAndStyles) {
  GridModel g = MakeGrid(3, 3);
  CellRange r = GridModel::MakeRange(1, 0, 1, 2);
  EXPECT_TRUE(g.SetFontFace(r, "微软雅黑"));
  EXPECT_TRUE(g.SetFontSize(r, 23));
  EXPECT_TRUE(g.SetFontStyle(r, 3));
  const GridFont f = g.Cell(1, 2)->font;
  EXPECT_EQ(f.face, "微软雅黑");
  EXPECT_EQ(f.height, 23);
  EXPECT_EQ(f.weight, 700);
  EXPECT_TRUE(f.italic);
  EXPECT_TRUE(g.SetFontStyle(r, 4));
  EXPECT_EQ(g.Cell(1, 2)->font.weight, 400);
  EXPECT_TRUE(g.Cell(1, 2)->font.underline);
  EXPECT_FALSE(g.SetFontStyle(r, 5));
  EXPECT_EQ(g.Cell(0, 0), std::nullopt);
}

TEST(GridMerges, JoinReplacesOverlappingMerges) {
  GridModel g = MakeGrid(5, 10);
  EXPECT_TRUE(g.Join(GridModel::MakeRange(0, 0, 0, 4)));
  EXPECT_TRUE(g.Join(GridModel::MakeRange(0, 5, 0, 9)));
  EXPECT_TRUE(g.Join(GridModel::MakeRange(1, 0, 2, 0)));
  ASSERT_EQ(g.merges().size(), 3u);
  EXPECT_TRUE(g.Join(GridModel::MakeRange(0, 3, 0, 6)));  // overlaps the first two
  ASSERT_EQ(g.merges().size(), 2u);
  EXPECT_EQ(g.MergeAt(0, 4)->range, GridModel::MakeRange(0, 3, 0, 6));
  EXPECT_EQ(g.MergeAt(0, 0), nullptr);
  g.SetCursor(0, 5);
  EXPECT_EQ(g.cursor_col(), 3);  // the anchor of the merged cell
}

TEST(GridClear, KeepsCountsAndFixedRows) {
  GridModel g = MakeGrid(10, 4);
  g.SetFixedRows(3);
  g.SetText(5, 2, "x");
  g.Join(GridModel::MakeRange(0, 0, 0, 3));
  g.SetColumnType(1, 2);
  g.AddChoiceItem(1, "出库");
  g.SetColumnWidth(2, 150);
  g.Clear();
  EXPECT_EQ(g.rows(), 10);
  EXPECT_EQ(g.cols(), 4);
  EXPECT_EQ(g.fixed_rows(), 3);
  EXPECT_TRUE(g.cells().empty());
  EXPECT_TRUE(g.merges().empty());
  EXPECT_TRUE(g.kinds().empty());
  EXPECT_EQ(g.ColumnWidth(2), kDefaultColumnWidth);
}

TEST(GridCounts, ShrinkingDropsWhatFallsOff) {
  GridModel g = MakeGrid(28, 6);
  g.SetText(0, 0, "钢管型号");
  g.SetText(5, 5, "x");
  g.SetColumnType(4, 2);
  g.Join(GridModel::MakeRange(0, 0, 3, 3));
  g.SetCursor(5, 5);
  EXPECT_TRUE(g.SetRowCount(1));
  EXPECT_TRUE(g.SetColumnCount(1));
  EXPECT_EQ(g.CellText(0, 0), "钢管型号");
  EXPECT_EQ(g.cells().size(), 1u);
  EXPECT_TRUE(g.kinds().empty());
  EXPECT_TRUE(g.merges().empty());
  EXPECT_EQ(g.cursor_row(), -1);
  EXPECT_FALSE(g.SetRowCount(-1));
}

TEST(GridInsert, EmptyGridFirstGetsAHeaderRowAndColumn) {
  GridModel g = MakeGrid(0, 0);
  EXPECT_TRUE(g.InsertRow("0.8"));
  EXPECT_EQ(g.rows(), 2);
  EXPECT_EQ(g.cols(), 1);
  EXPECT_EQ(g.CellText(1, 0), "0.8");
  GridModel h = MakeGrid(0, 0);
  EXPECT_TRUE(h.InsertColumn("钢管根数", 1));
  EXPECT_EQ(h.rows(), 1);
  EXPECT_EQ(h.cols(), 2);
  EXPECT_EQ(h.CellText(0, 1), "钢管根数");
}

TEST(GridInsert, PositionsInsideInsertOutsideAppend) {
  GridModel g = MakeGrid(1, 1);
  for (int i = 1; i <= 5; ++i) g.InsertColumn("c" + std::to_string(i), i);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(g.CellText(0, c), "c" + std::to_string(c));
  g.SetColumnWidth(2, 120);
  g.SetColumnType(2, 2);
  EXPECT_TRUE(g.InsertColumn("new", 2));
  EXPECT_EQ(g.cols(), 7);
  EXPECT_EQ(g.CellText(0, 2), "new");
  EXPECT_EQ(g.CellText(0, 3), "c2");
  EXPECT_EQ(g.ColumnWidth(3), 120);
  EXPECT_EQ(g.ColumnWidth(2), kDefaultColumnWidth);
  EXPECT_NE(g.Kind(3), nullptr);
  EXPECT_EQ(g.Kind(2), nullptr);
  EXPECT_TRUE(g.InsertColumn("end", 0));  // the header column is no insert position
  EXPECT_EQ(g.CellText(0, 7), "end");
  EXPECT_TRUE(g.InsertRow("r", 100));
  EXPECT_EQ(g.rows(), 2);
}

TEST(GridDropRow, LaterRowsMoveUp) {
  GridModel g = MakeGrid(6, 3);
  for (int r = 0; r < 6; ++r) g.SetText(r, 1, "row" + std::to_string(r));
  g.SetRowHeight(4, 40);
  g.Join(GridModel::MakeRange(3, 0, 5, 0));
  g.Join(GridModel::MakeRange(2, 1, 2, 2));
  g.SetCursor(4, 2);
  EXPECT_TRUE(g.DropRow(2));
  EXPECT_EQ(g.rows(), 5);
  for (int r = 2; r < 5; ++r) EXPECT_EQ(g.CellText(r, 1), "row" + std::to_string(r + 1));
  EXPECT_EQ(g.RowHeight(3), 40);
  ASSERT_EQ(g.merges().size(), 1u);  // the merge of row 2 went with it
  EXPECT_EQ(g.merges()[0].range, GridModel::MakeRange(2, 0, 4, 0));
  EXPECT_EQ(g.cursor_row(), 3);
  EXPECT_TRUE(g.DropRow(4));
  EXPECT_EQ(g.merges()[0].range, GridModel::MakeRange(2, 0, 3, 0));
}

// The user's edits, per column kind, flag and grid state.
TEST(GridUserEdit, RulesPerColumnKind) {
  GridModel g = MakeGrid(5, 6);
  g.SetColumnType(1, 2);
  g.SetColumnType(2, 3);
  g.SetColumnType(3, 8);
  g.SetColumnType(4, 4);
  for (int c : {3, 4}) {
    g.AddChoiceItem(c, "出库");
    g.AddChoiceItem(c, "入库");
  }
  struct Case {
    int col;
    std::string text;
    bool allowed;
  } cases[] = {
      {1, "123", true},       {1, "-5.50", true}, {1, "1.2.3", false},    {1, "12a", false},
      {1, "5-", false},       {1, "", true},      {2, "2015-10-9", true}, {2, "2015/10/09", true},
      {2, "2015年", false},   {3, "出库", false}, {4, "出库", true},      {4, "别的", true},
      {5, "任意 text", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(g.UserEditAllowed(1, c.col, c.text), c.allowed) << c.col << " " << c.text;
  }
  EXPECT_TRUE(g.UserChoiceAllowed(1, 3, "入库"));
  EXPECT_TRUE(g.UserChoiceAllowed(1, 4, "出库"));
  EXPECT_FALSE(g.UserChoiceAllowed(1, 3, "别的"));
  EXPECT_FALSE(g.UserChoiceAllowed(1, 1, "出库"));
  g.ClearChoiceLists();
  EXPECT_FALSE(g.UserChoiceAllowed(1, 3, "入库"));
}

TEST(GridUserEdit, ReadOnlyHeaderAndNotEditable) {
  GridModel g = MakeGrid(5, 4);
  g.SetReadOnly(GridModel::MakeRange(1, 2, 4, 2), true);
  EXPECT_FALSE(g.UserEditAllowed(1, 2, "5"));
  EXPECT_TRUE(g.UserEditAllowed(1, 3, "5"));
  EXPECT_TRUE(g.SetText(1, 2, "program writes still go in"));
  EXPECT_FALSE(g.UserEditAllowed(0, 3, "5"));  // header row
  EXPECT_FALSE(g.UserEditAllowed(1, 0, "5"));  // header column
  EXPECT_FALSE(g.UserEditAllowed(5, 3, "5"));  // outside
  g.SetReadOnly(GridModel::MakeRange(1, 2, 4, 2), false);
  EXPECT_TRUE(g.UserEditAllowed(1, 2, "5"));
  g.settings.editable = false;
  EXPECT_FALSE(g.UserEditAllowed(1, 3, "5"));
}

TEST(GridPrintSettings, TitleOptionsAndPositions) {
  GridModel g = MakeGrid(2, 2);
  EXPECT_EQ(g.settings.page_options, kDefaultPageOptions);
  EXPECT_TRUE(g.SetPageOption(1, 100));
  EXPECT_EQ(g.settings.page_options[0], 100);
  EXPECT_FALSE(g.SetPageOption(0, 1));
  EXPECT_TRUE(g.SetPrintTitle({"租金计算清单", "黑体字", 30, true, 2}));
  EXPECT_FALSE(g.SetPrintTitle({"x", "黑体字", 30, true, 4}));
  EXPECT_EQ(g.settings.title.size, 30);
  EXPECT_TRUE(g.SetPrintDatePosition(2));
  EXPECT_FALSE(g.SetPageNumberPosition(4));
}

}  // namespace

// Columns take the widths declared with the grid unit when they are made, inserted or cleared;
// columns beyond the declared ones take the grid's default.
TEST(GridColumnWidths, DeclaredWidthsAreTheColumnsDefaults) {
  GridModel g(2, 2, GridFont{});
  g.DeclareColumnWidths({40, 140, 100});
  EXPECT_EQ(g.ColumnWidth(0), 40);
  EXPECT_EQ(g.ColumnWidth(1), 140);
  g.SetColumnCount(4);
  EXPECT_EQ(g.ColumnWidth(2), 100);
  EXPECT_EQ(g.ColumnWidth(3), kDefaultColumnWidth);
  g.SetColumnWidth(1, 300);
  g.Clear();
  EXPECT_EQ(g.ColumnWidth(1), 140);
}
