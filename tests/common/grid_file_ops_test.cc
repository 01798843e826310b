// A grid unit's save file on disk: written and read back through the grid unit, refused
// files leaving the grid as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/env.h"
#include "common/grid/grid_file.h"
#include "common/grid/grid_model.h"
#include "tests/common/grid_window.h"
#include "tests/common/scratch_folder.h"

namespace {

constexpr ui::GridRef kGrid = 表格窗口::高级表格1;

// A grid with something of every kind the save file keeps.
void FillGrid() {
  SetGridRowCount(kGrid, 7);
  SetGridColumnCount(kGrid, 5);
  SetGridFixedRows(kGrid, 2);
  SetGridCellData(kGrid, 0, 1, kCellContent, Value(std::string("钢管")));
  SetGridCellData(kGrid, 3, 2, kCellContent, Value(0.1 + 0.2));
  SetGridFontName(kGrid, 0, 0, 0, 4, "黑体");
  SetGridFontStyle(kGrid, 0, 0, 0, 4, 1);
  SetGridAlignment(kGrid, 1, 1, 6, 4, 3);
  JoinGridCells(kGrid, 0, 1, 0, 3);
  SetGridColumnType(kGrid, 3, 8);
  AddGridChoiceItem(kGrid, 3, "出库");
  AddGridChoiceItem(kGrid, 3, "入库");
  SetGridColumnWidth(kGrid, 2, 133);
  SetGridCellFlag(kGrid, 4, 1, 4, 4, true);
  SetGridCellAttribute(kGrid, 5, 1, 5, 2, 0x00FF00);
  SetGridPrintTitle(kGrid, "码单", "宋体", 24, false, 1);
  SetGridPrintOption(kGrid, 1, 100);
}

class GridFileOpsTest : public GridWindowTest {
 protected:
  ScratchFolder scratch_;
};

TEST_F(GridFileOpsTest, AnExportedGridReadsBackAsItWas) {
  const std::string path = scratch_.File("码单.grd");
  ASSERT_TRUE(RunGrid([&] {
    FillGrid();
    const GridModel saved = ui::Grid(kGrid);
    ASSERT_TRUE(ExportGridToFile(kGrid, path));
    ClearGrid(kGrid);
    SetGridRowCount(kGrid, 2);
    SetGridPrintTitle(kGrid, "别的", "楷体");
    ASSERT_TRUE(ImportGridFromFile(kGrid, path));
    EXPECT_TRUE(ui::Grid(kGrid) == saved);
    EXPECT_EQ(GetGridCellData(kGrid, 3, 2), "0.3");
    EXPECT_EQ(GetGridFixedRows(kGrid), 2);
  })) << failure_;
  EXPECT_TRUE(Log().empty()) << "loading a file raises no event";
  ByteSet bytes;
  ASSERT_TRUE(ReadWholeFile(path, &bytes));
  const ByteSet gbk = {0xB8, 0xD6, 0xB9, 0xDC};  // 钢管
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), gbk.begin(), gbk.end()), bytes.end());
}

TEST_F(GridFileOpsTest, ARefusedFileLeavesTheGridUntouched) {
  const std::string good = scratch_.File("good.grd");
  const std::string garbage = scratch_.File("garbage.grd");
  const std::string cut = scratch_.File("cut.grd");
  ASSERT_TRUE(RunGrid([&] {
    FillGrid();
    ASSERT_TRUE(ExportGridToFile(kGrid, good));
    ByteSet bytes;
    ASSERT_TRUE(ReadWholeFile(good, &bytes));
    ASSERT_TRUE(WriteWholeFileAtomic(cut, ByteSet(bytes.begin(), bytes.begin() + 600)));
    ASSERT_TRUE(WriteWholeFileAtomic(garbage, ByteSet(2000, 0x5A)));
    SetGridRowCount(kGrid, 3);
    SetGridCellData(kGrid, 1, 1, kCellContent, Value(std::string("留下")));
    SetGridCursor(kGrid, 2, 2);
    const GridModel before = ui::Grid(kGrid);
    for (const std::string& path : {garbage, cut, scratch_.File("missing.grd"), scratch_.path()}) {
      EXPECT_FALSE(ImportGridFromFile(kGrid, path)) << path;
      EXPECT_TRUE(ui::Grid(kGrid) == before) << path;
    }
  })) << failure_;
}

TEST_F(GridFileOpsTest, WritingFailsWithoutAFolderOrAnOpenGrid) {
  const std::string nowhere = scratch_.File("no/such/folder/x.grd");
  const std::string closed = scratch_.File("closed.grd");
  ASSERT_TRUE(RunGrid([&] { EXPECT_FALSE(ExportGridToFile(kGrid, nowhere)); })) << failure_;
  ASSERT_TRUE(Run([&] {
    EXPECT_FALSE(ExportGridToFile(kGrid, closed));
    EXPECT_FALSE(ImportGridFromFile(kGrid, closed));
  })) << failure_;
  EXPECT_FALSE(std::filesystem::exists(closed));
}

TEST_F(GridFileOpsTest, AnImportAfterTheCursorRowWasDroppedClearsTheCursor) {
  const std::string path = scratch_.File("small.grd");
  ASSERT_TRUE(RunGrid([&] {
    SetGridRowCount(kGrid, 3);
    ASSERT_TRUE(ExportGridToFile(kGrid, path));
    SetGridRowCount(kGrid, 50);
    SetGridCursor(kGrid, 40, 1);
    ASSERT_TRUE(ImportGridFromFile(kGrid, path));
    EXPECT_EQ(GetGridCursorRow(kGrid), -1);
    EXPECT_EQ(GetGridCursorColumn(kGrid), -1);
  })) << failure_;
}

}  // namespace
