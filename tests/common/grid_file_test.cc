#include "common/grid/grid_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/grid/grid_model.h"
#include "tests/common/grid_samples.h"

namespace {

ByteSet Export(const GridModel& g) {
  ByteSet bytes;
  EXPECT_TRUE(ExportGrid(g, &bytes));
  return bytes;
}

int32_t I32At(const ByteSet& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

void PutI32(ByteSet* b, int32_t v) {
  for (int i = 0; i < 4; ++i)
    b->push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

void PutAt(ByteSet* b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i)
    (*b)[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

constexpr size_t kBlock = 12;  // where the settings block starts

TEST(GridFileRoundTrip, RestoresTheSameModel) {
  for (const GridModel& g : {grid_samples::TallyGrid(), grid_samples::RichGrid(),
                             GridModel(0, 0, GridFont{}), GridModel(60000, 10, GridFont{})}) {
    GridModel back(3, 3, GridFont{});
    ASSERT_TRUE(ImportGrid(&back, Export(g)));
    EXPECT_EQ(back, g);
  }
}

TEST(GridFileRoundTrip, ReplacesWhatTheGridHeld) {
  GridModel target = grid_samples::RichGrid();
  GridModel tally = grid_samples::TallyGrid();
  ASSERT_TRUE(ImportGrid(&target, Export(tally)));
  EXPECT_EQ(target, tally);
}

TEST(GridFileLayout, HeaderBlockAndCountsAsWritten) {
  GridModel g = grid_samples::RichGrid();
  ByteSet b = Export(g);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "TGRD");
  EXPECT_EQ(I32At(b, 4), 6);
  EXPECT_EQ(I32At(b, 8), 0);
  EXPECT_EQ(I32At(b, kBlock + 0), 12);
  EXPECT_EQ(I32At(b, kBlock + 4), 7);
  EXPECT_EQ(I32At(b, kBlock + 8), 3);
  EXPECT_EQ(I32At(b, kBlock + 12), 2);
  EXPECT_EQ(I32At(b, kBlock + 28), 0xFFFFF0);
  EXPECT_EQ(I32At(b, kBlock + 84), 3);   // column kinds
  EXPECT_EQ(I32At(b, kBlock + 88), 2);   // merges
  EXPECT_EQ(I32At(b, kBlock + 92), 4);   // cells holding text, value or picture
  EXPECT_EQ(I32At(b, kBlock + 132), 2);  // second auxiliary list
  EXPECT_EQ(I32At(b, kBlock + 424), 30);
  EXPECT_EQ(I32At(b, kBlock + 436), 100);
  size_t sizes = kBlock + 464;
  EXPECT_EQ(I32At(b, sizes + 4 * 4), 40);
  EXPECT_EQ(I32At(b, sizes + 4 * (12 + 6)), 150);
  size_t kinds = sizes + 4 * (12 + 7);
  EXPECT_EQ(I32At(b, kinds), 1);
  EXPECT_EQ(I32At(b, kinds + 4), 102);
  EXPECT_EQ(I32At(b, kinds + 36), 0);  // no choices
}

TEST(GridFileLayout, SmallGridPaddedToTheLeastReadableLength) {
  ByteSet b = Export(GridModel(1, 1, GridFont{}));
  EXPECT_EQ(b.size(), 540u);
}

TEST(GridFileLayout, EmptyCellWithOnlyAColourIsNoCellRecord) {
  GridModel g(2, 2, GridFont{});
  g.SetBackground(GridModel::MakeRange(1, 1), 0xFF);
  g.SetFontSize(GridModel::MakeRange(0, 1), 30);
  ByteSet b = Export(g);
  EXPECT_EQ(I32At(b, kBlock + 92), 0);
  EXPECT_EQ(I32At(b, kBlock + 96), 1);
  EXPECT_EQ(I32At(b, kBlock + 100), 1);
}

// Builds a version-1 file: 124-byte block, 256-byte cell texts, no cell-state list.
ByteSet VersionOneFile() {
  ByteSet b = {'T', 'G', 'R', 'D'};
  PutI32(&b, 1);
  PutI32(&b, 0);
  int32_t block[31] = {};
  block[0] = 3;         // rows
  block[1] = 2;         // columns
  block[2] = 1;         // fixed rows
  block[3] = 1;         // fixed columns
  block[4] = 1;         // editable
  block[7] = 0xFFFFFF;  // default colour A
  block[23] = 2;        // cells
  block[27] = 1;        // text formats
  for (int32_t v : block) PutI32(&b, v);
  for (int32_t h : {24, 30, 24}) PutI32(&b, h);
  for (int32_t w : {80, 120}) PutI32(&b, w);
  auto cell = [&](int r, int c, const std::string& gbk) {
    PutI32(&b, r);
    PutI32(&b, c);
    ByteSet text(256, 0);
    std::memcpy(text.data(), gbk.data(), gbk.size());
    b.insert(b.end(), text.begin(), text.end());
    PutI32(&b, 0);
    PutI32(&b, 0);
  };
  cell(0, 1, "\xB8\xD6\xB9\xDC");  // 钢管 in GBK
  cell(1, 1, "12");
  for (int32_t v : {1, 1, 0x825}) PutI32(&b, v);
  return b;
}

TEST(GridFileOldVersions, VersionOneLoadsAndKeepsThePrintSettings) {
  GridModel g(5, 5, GridFont{});
  g.SetPrintTitle({"标题", "黑体字", 30, false, 3});
  g.SetPageOption(1, 80);
  GridSettings before = g.settings;
  ByteSet file = VersionOneFile();
  ASSERT_GE(file.size(), 540u);
  ASSERT_TRUE(ImportGrid(&g, file));
  EXPECT_EQ(g.rows(), 3);
  EXPECT_EQ(g.cols(), 2);
  EXPECT_EQ(g.RowHeight(1), 30);
  EXPECT_EQ(g.ColumnWidth(1), 120);
  EXPECT_EQ(g.CellText(0, 1), "钢管");
  EXPECT_EQ(g.CellText(1, 1), "12");
  EXPECT_EQ(g.Cell(1, 1)->format, 0x825);
  EXPECT_EQ(g.settings.title, before.title);
  EXPECT_EQ(g.settings.page_options, before.page_options);
}

TEST(GridFileRefused, ShortEmptyOrForeignFilesLeaveTheGrid) {
  ByteSet good = Export(grid_samples::RichGrid());
  ByteSet wrong_sig = good;
  wrong_sig[0] = 'X';
  ByteSet version0 = good, version7 = good;
  PutAt(&version0, 4, 0);
  PutAt(&version7, 4, 7);
  ByteSet short_file(good.begin(), good.begin() + 539);
  ByteSet truncated(good.begin(), good.end() - 1);
  for (const ByteSet& bad : {ByteSet{}, short_file, wrong_sig, version0, version7, truncated}) {
    GridModel g = grid_samples::TallyGrid();
    EXPECT_FALSE(ImportGrid(&g, bad));
    EXPECT_EQ(g, grid_samples::TallyGrid());
  }
}

// Files that are well formed at the start but lie about what follows.
TEST(GridFileRefused, CountsPositionsAndLengthsThatDoNotFit) {
  GridModel g(4, 3, GridFont{});
  g.SetColumnType(1, 8);
  g.AddChoiceItem(1, "出库");
  g.Join(GridModel::MakeRange(1, 1, 2, 2));
  g.SetText(3, 2, "abc");
  ByteSet good = Export(g);
  size_t kind = kBlock + 464 + 4 * 7;
  size_t merge = kind + 40 + 100;
  size_t cell = merge + 24;
  struct Case {
    const char* what;
    size_t at;
    int32_t value;
  } cases[] = {
      {"rows beyond the file", kBlock + 0, 100000000},
      {"negative columns", kBlock + 4, -1},
      {"column kinds beyond the file", kBlock + 84, 1000000},
      {"cells beyond the file", kBlock + 92, 2000000000},
      {"negative merges", kBlock + 88, -5},
      {"kind of a column outside", kind, 3},
      {"kind outside 101..108", kind + 4, 109},
      {"choices in the millions", kind + 36, 5000000},
      {"merge outside the grid", merge + 16, 4},
      {"merge anchor outside its range", merge, 0},
      {"cell outside the grid", cell, 4},
      {"text beyond the file", cell + 8, 1000000},
      {"empty text length", cell + 8, 0},
      {"negative picture length", cell + 12 + 4 + 4, -1},
      {"row height out of range", kBlock + 464, -3},
  };
  for (const Case& c : cases) {
    ByteSet bad = good;
    PutAt(&bad, c.at, c.value);
    GridModel target = grid_samples::TallyGrid();
    EXPECT_FALSE(ImportGrid(&target, bad)) << c.what;
    EXPECT_EQ(target, grid_samples::TallyGrid()) << c.what;
  }
}

}  // namespace
