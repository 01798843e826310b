// The tally computation: metres per class, the total, 6 m and odd metres, tonnes and the
// handling fee, in both layouts; the cursor step and the date cell of the single layout.
#include "tally/tally_compute.h"

#include "tests/tally/tally_test_base.h"

namespace {

// One sheet typed into the double layout and what the labels then show.
struct SheetCase {
  const char* name;
  std::vector<std::tuple<int, int, std::string>> counts;  // (row, column, text)
  std::string price;
  std::vector<std::string> labels;
  std::string total_cell;  // (27, 5)
  bool offers_save;        // at closing: metres above 0 or a fastener count
};

class TallyComputeTest : public TallyTest {
 protected:
  void StartSingle() { AppendTally({"2024年5月1日", {}, 0, 12, true, ""}); }
};

const SheetCase kSheetCases[] = {
    {"empty",
     {},
     "",
     {"钢管总米数 0米", "其中6米钢管0米", "不定尺钢管0米", "一共0吨", "搬运费0元"},
     "钢管合计：0",
     false},
    {"ten 6 m pipes",
     {{26, 4, "10"}},
     "",
     {"钢管总米数 60米", "其中6米钢管60米", "不定尺钢管0米", "一共0.23吨", "搬运费0元"},
     "钢管合计：60",
     true},
    {"13 fasteners and 2600 m at 30",
     {{3, 1, "2600"}, {27, 4, "13"}},
     "30",
     {"钢管总米数 2600米", "其中6米钢管0米", "不定尺钢管2600米", "一共10.01吨", "搬运费300.4元"},
     "钢管合计：2600",
     true},
    {"3.4 m row and both groups",
     {{27, 1, "10"}, {1, 4, "2"}, {26, 4, "1"}},
     "10",
     {"钢管总米数 47米", "其中6米钢管6米", "不定尺钢管41米", "一共0.18吨", "搬运费1.8元"},
     "钢管合计：47",
     true},
    {"negative count",
     {{1, 1, "-5"}},
     "",
     {"钢管总米数 -4米", "其中6米钢管0米", "不定尺钢管-4米", "一共-0.02吨", "搬运费0元"},
     "钢管合计：-4",
     false},
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.name; }

class DoubleLayoutSheetTest : public TallyComputeTest,
                              public ::testing::WithParamInterface<SheetCase> {};

TEST_P(DoubleLayoutSheetTest, LabelsAndTotalCell) {
  const SheetCase& c = GetParam();
  if (!c.price.empty()) script_.Type(W::HandlingFeeBox, c.price);
  for (const auto& [row, col, text] : c.counts) script_.TypeCell(G, row, col, text);
  script_.Click(W::按钮7).Do([&c] {
    EXPECT_EQ(Labels(), c.labels);
    EXPECT_EQ(Cell(27, 5), c.total_cell);
  });
  script_.Close(W::self);
  if (c.offers_save) script_.ExpectMessageBox("是否需要保存码单。", 1, "信息：", kPressCancel);
  RunTallybench();
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleLayoutSheetTest, ::testing::ValuesIn(kSheetCases));

TEST_F(TallyComputeTest, MetresCellsShowTheClassTimesTheCount) {
  script_.TypeCell(G, 5, 1, "100").Do([] {
    EXPECT_EQ(Cell(5, 2), "120");  // 1.2 m, although the running length is a bit above 1.2
    EXPECT_EQ(Cell(1, 2), "0");    // a row without a count
    EXPECT_EQ(Cell(1, 5), "0");
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 120米");
    EXPECT_DOUBLE_EQ(LastTotalMetres, 120);
  });
  // Every typed count recomputes at once.
  script_.TypeCell(G, 8, 4, "3").Do([] {
    EXPECT_EQ(Cell(8, 5), "12.6");  // 4.2 m
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 132.6米");
    EXPECT_EQ(ui::GetText(W::OddLengthLabel), "不定尺钢管132.6米");
  });
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyComputeTest, TheFastenerCountIsMirroredAndCounted) {
  script_.TypeCell(G, 27, 4, "500").Do([] {
    EXPECT_EQ(ui::GetText(W::FastenerCountBox), "500");
    EXPECT_DOUBLE_EQ(LastFastenerCount, 500);
    EXPECT_DOUBLE_EQ(LastTotalMetres, 0);
    EXPECT_EQ(ui::GetText(W::TonnageLabel), "一共0.5吨");
  });
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyComputeTest, TheCursorOnTheFirstLeftMetresCellStepsToTheRightGroup) {
  struct Case {
    int row, col, to_row, to_col;
  };
  const Case cases[] = {{1, 2, 1, 4}, {2, 2, 2, 2}, {1, 1, 1, 1}, {1, 5, 1, 5}};
  for (const Case& c : cases) {
    script_.ClickCell(G, c.row, c.col).Click(W::按钮7).Do([c] {
      EXPECT_EQ(GetGridCursorRow(G), c.to_row) << c.row << "," << c.col;
      EXPECT_EQ(GetGridCursorColumn(G), c.to_col) << c.row << "," << c.col;
    });
  }
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyComputeTest, SingleLayoutTotalsAndTheDateCell) {
  StartSingle();
  script_.Type(W::HandlingFeeBox, "20")
      .TypeCell(G, 53, 1, "10")
      .TypeCell(G, 1, 1, "5")
      .TypeCell(G, 54, 1, "100")
      .TypeCell(G, 54, 2, "2020年1月1日")
      .Do([] {
        EXPECT_EQ(Cell(53, 2), "60");
        EXPECT_EQ(Cell(1, 2), "4");
        EXPECT_EQ(Cell(54, 2), Today());
        EXPECT_EQ(ui::GetText(W::FastenerCountBox), "100");
        const std::vector<std::string> labels = {"钢管总米数 64米", "其中6米钢管60米",
                                                 "不定尺钢管4米", "一共0.35吨", "搬运费6.9元"};
        EXPECT_EQ(Labels(), labels);
        EXPECT_EQ(Cell(27, 5), "");  // no total cell in this layout
      });
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyComputeTest, NeitherOptionSelectedComputesNothing) {
  script_.Do([] {
    ui::SetChecked(W::DoubleLayoutOption, false);
    ui::SetChecked(W::SingleLayoutOption, false);
    SetGridCellData(G, 26, 4, kCellContent, std::string("10"));
    RecomputeTally();
    EXPECT_EQ(Cell(26, 5), "");
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "");
    ui::SetChecked(W::DoubleLayoutOption, true);
    SetGridCellData(G, 26, 4, kCellContent, std::string(""));
  });
  CloseQuietly();
  RunTallybench();
}

}  // namespace
