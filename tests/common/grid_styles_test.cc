// The grid keeps each cell's style once in its style table and rows past the last one written
// not at all: every cell still shows its own font, alignment and colours as the changes
// made to it left them, whatever else shares its style, and rows added, dropped or moved
// take their cells and heights with them.
#include <gtest/gtest.h>

#include <optional>

#include "common/grid/grid_model.h"

namespace {

GridModel MakeGrid(int rows, int cols) { return GridModel(rows, cols, GridFont{}); }

CellRange Range(int row1, int col1, int row2, int col2) {
  return GridModel::MakeRange(row1, col1, row2, col2);
}

// The cell's font as it shows (its own, or the grid's).
GridFont Shown(const GridModel& g, int r, int c) {
  const CellStyle& s = g.StyleAt(r, c);
  return s.has_font ? s.font : g.default_font();
}

TEST(GridStyles, ACellChangedInARangeKeepsItsOwnStyleAndLeavesTheOthers) {
  GridModel g = MakeGrid(6, 4);
  g.SetText(2, 1, "钢管");
  ASSERT_TRUE(g.SetFontFaceAndSize(Range(0, 0, 5, 3), "微软雅黑", 23));
  ASSERT_TRUE(g.SetFontStyle(Range(2, 0, 2, 3), 1));  // one row bold
  ASSERT_TRUE(g.SetFontSize(Range(2, 1, 2, 1), 12));  // one cell of it smaller
  ASSERT_TRUE(g.SetAlignment(Range(1, 0, 4, 3), 2));
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 4; ++c) {
      const GridFont f = Shown(g, r, c);
      EXPECT_EQ(f.face, "微软雅黑") << r << "," << c;
      EXPECT_EQ(f.height, r == 2 && c == 1 ? 12 : 23) << r << "," << c;
      EXPECT_EQ(f.weight, r == 2 ? 700 : 400) << r << "," << c;
      EXPECT_EQ(g.StyleAt(r, c).format & kTextAlignMask, r >= 1 && r <= 4 ? 1 : 0) << r << "," << c;
    }
  }
  EXPECT_EQ(g.CellText(2, 1), "钢管");
  // Back to the grid's own font: no font of the cell's own, and a cell left with nothing is
  // no cell at all.
  ASSERT_TRUE(g.SetFontFaceAndSize(Range(0, 0, 0, 3), "宋体", 12));
  EXPECT_FALSE(g.StyleAt(0, 2).has_font);
  EXPECT_EQ(g.Cell(0, 2), std::nullopt);
  EXPECT_TRUE(g.Cell(5, 3).has_value());
}

TEST(GridStyles, RowsAddedDroppedAndMovedTakeTheirCellsAndHeights) {
  GridModel g = MakeGrid(5, 3);
  g.SetText(1, 0, "一");
  g.SetText(3, 0, "三");
  g.SetFontStyle(Range(3, 0, 3, 2), 1);
  g.SetRowHeight(3, 40);
  ASSERT_TRUE(g.InsertRow("新", 2));  // row 3 moves down to 4
  EXPECT_EQ(g.CellText(2, 0), "新");
  EXPECT_EQ(g.CellText(4, 0), "三");
  EXPECT_EQ(Shown(g, 4, 2).weight, 700);
  EXPECT_EQ(Shown(g, 3, 2).weight, 400);
  EXPECT_EQ(g.RowHeight(4), 40);
  EXPECT_EQ(g.RowHeight(3), kDefaultRowHeight);
  ASSERT_TRUE(g.DropRow(1));  // and back up to 3
  EXPECT_EQ(g.CellText(3, 0), "三");
  EXPECT_EQ(g.RowHeight(3), 40);
  EXPECT_EQ(g.CellText(1, 0), "新");
  // Rows cut off and made again come back blank, at the default height.
  ASSERT_TRUE(g.SetRowCount(2));
  ASSERT_TRUE(g.SetRowCount(6));
  for (int r = 2; r < 6; ++r) {
    EXPECT_EQ(g.Cell(r, 0), std::nullopt) << r;
    EXPECT_EQ(g.RowHeight(r), kDefaultRowHeight) << r;
    EXPECT_EQ(Shown(g, r, 1).weight, 400) << r;
  }
  // A row far past any written keeps what is written into it.
  ASSERT_TRUE(g.SetRowCount(100000));
  ASSERT_TRUE(g.SetText(99999, 2, "末"));
  ASSERT_TRUE(g.SetRowHeight(99998, 30));
  EXPECT_EQ(g.CellText(99999, 2), "末");
  EXPECT_EQ(g.RowHeight(99998), 30);
  EXPECT_EQ(g.RowHeight(99999), kDefaultRowHeight);
  EXPECT_EQ(g.cells().size(), 2u);  // 新 and 末
}

TEST(GridStyles, ClearedCellsKeepOnlyTheirAlignment) {
  GridModel g = MakeGrid(4, 4);
  const CellRange all = Range(0, 0, 3, 3);
  g.SetText(1, 1, "甲");
  g.SetFontFace(all, "黑体");
  g.SetBackground(Range(1, 1, 2, 2), 0xFF);
  g.SetAlignment(Range(2, 0, 2, 3), 3);
  ASSERT_TRUE(g.ClearCells(Range(1, 1, 2, 2)));
  EXPECT_EQ(g.CellText(1, 1), "");
  EXPECT_EQ(g.Cell(1, 1), std::nullopt);
  EXPECT_EQ(g.StyleAt(2, 2).format & kTextAlignMask, 2);
  EXPECT_EQ(g.StyleAt(2, 2).colour_a, kNoColour);
  EXPECT_FALSE(g.StyleAt(2, 2).has_font);
  // The cells around kept theirs.
  EXPECT_EQ(Shown(g, 2, 3).face, "黑体");
  EXPECT_EQ(g.StyleAt(2, 3).format & kTextAlignMask, 2);
  EXPECT_EQ(Shown(g, 1, 0).face, "黑体");
}

// Two grids showing the same cells are equal however their styles came about; a cell changed
// as a whole keeps every attribute it was given.
TEST(GridStyles, GridsShowingTheSameCellsAreEqual) {
  GridModel a = MakeGrid(4, 3), b = MakeGrid(4, 3);
  a.SetBackground(Range(0, 0, 0, 2), 0xC0C0C0);
  a.SetFontStyle(Range(1, 0, 1, 2), 1);
  b.SetFontStyle(Range(1, 0, 1, 2), 1);
  b.SetBackground(Range(0, 0, 0, 2), 0xC0C0C0);
  a.SetText(3, 1, "x");
  b.SetText(3, 1, "x");
  b.SetRowCount(100);
  b.SetRowCount(4);
  EXPECT_TRUE(a == b);
  b.EditCell(2, 2, [](GridCell& cell) {
    cell.value = 77;
    cell.picture = {1, 2};
    cell.state = kCellFixedMark;
  });
  EXPECT_FALSE(a == b);
  const std::optional<GridCell> cell = b.Cell(2, 2);
  ASSERT_TRUE(cell.has_value());
  EXPECT_EQ(cell->value, 77);
  EXPECT_EQ(cell->picture, (ByteSet{1, 2}));
  EXPECT_EQ(cell->state, kCellFixedMark);
  EXPECT_EQ(b.StyleAt(2, 1).value, 0);
  const GridModel copy = b;
  EXPECT_TRUE(copy == b);
}

}  // namespace
