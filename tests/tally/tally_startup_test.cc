// Start-up of tallybench: the files it writes, the price and the layout it restores, the two
// grid layouts, the read-only cells and the grid following the window's height.
#include "common/env.h"
#include "tests/tally/tally_test_base.h"

namespace {

class TallyStartupTest : public TallyTest {};

TEST_F(TallyStartupTest, FirstStartInAnEmptyFolderWritesTheTemplatesAndTheVersion) {
  script_.Do([] {
    EXPECT_TRUE(ui::GetWindowVisible(W::self));
    EXPECT_EQ(ui::GetTitle(W::self), "tallybench");
    EXPECT_EQ(ui::GetText(W::HandlingFeeBox), "");
    EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption));
    EXPECT_FALSE(ui::GetChecked(W::SingleLayoutOption));
    EXPECT_FALSE(LayoutIsSingle);
    EXPECT_EQ(Rows(), 28);
    EXPECT_EQ(Columns(), 6);
    EXPECT_EQ(Grid(G).settings.print_date_position, 2);
  });
  CloseQuietly();
  RunTallybench();
  auto companion = FindAsset("码单数据库.RDT");
  EXPECT_EQ(ReadFileToBinary(RunPath("码单数据库.RDT")),
            ByteSet(companion.begin(), companion.end()));
  EXPECT_EQ(Setting("版本号", "tallybench"), "3.0");
  EXPECT_EQ(Setting("config", "价格"), "");
  const auto tallies = Tallies();
  ASSERT_EQ(tallies.size(), 3u);
  const char* dates[] = {"2014年1月5日", "2014年1月27日", "2014年3月30日"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tallies[i].date, dates[i]);
    EXPECT_EQ(tallies[i].fasteners, 123);
    EXPECT_DOUBLE_EQ(tallies[i].metres, 1048);
    EXPECT_FALSE(tallies[i].single);
    EXPECT_EQ(tallies[i].unit, "");
    EXPECT_TRUE(tallies[i].grid.empty());
  }
}

TEST_F(TallyStartupTest, AFreshTableIsTheTemplateWithItsSamplesPointingAtNoBlock) {
  CloseQuietly();
  RunTallybench();
  auto stored = FindAsset("码单数据库.rdb");
  ByteSet expected(stored.begin(), stored.end());
  const ByteSet written = ReadFileToBinary(RunPath("码单数据库.rdb"));
  ASSERT_EQ(written.size(), expected.size());
  // Each sample's 码单数据 is the 4-byte block number at offset 24 of its record.
  const size_t records = expected.size() - 3 * 61;
  for (size_t r = 0; r < 3; ++r) {
    for (size_t b = 0; b < 4; ++b) expected[records + r * 61 + 24 + b] = 0;
  }
  EXPECT_EQ(written, expected);
}

TEST_F(TallyStartupTest, TheVersionIsWrittenAtEveryStartAndThePriceRestored) {
  ASSERT_TRUE(WriteIniItem(RunPath("配置.ini"), "版本号", "tallybench", "2.1"));
  ASSERT_TRUE(WriteIniItem(RunPath("配置.ini"), "config", "价格", "35"));
  script_.Do([] { EXPECT_EQ(ui::GetText(W::HandlingFeeBox), "35"); });
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(Setting("版本号", "tallybench"), "3.0");
  EXPECT_EQ(Setting("config", "价格"), "35");
}

TEST_F(TallyStartupTest, AnExistingTableIsKept) {
  AppendTally({"2020年2月2日", {}, 5, 7.5, false, "旧"});
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(Tallies().size(), 4u);
}

TEST_F(TallyStartupTest, TheDoubleLayoutTitlesLengthsAndCells) {
  script_.Do([] {
    const char* titles[] = {"钢管型号", "钢管根数", "钢管米数", "钢管型号", "钢管根数", "钢管米数"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(0, c), titles[c]) << c;
    const char* left[] = {"0.8", "0.9", "1",   "1.1", "1.2", "1.3", "1.4", "1.5", "1.6",
                          "1.7", "1.8", "1.9", "2",   "2.1", "2.2", "2.3", "2.4", "2.5",
                          "2.6", "2.7", "2.8", "2.9", "3",   "3.1", "3.2", "3.3", "3.4"};
    const char* right[] = {"3.5", "3.6", "3.7", "3.8", "3.9", "4",   "4.1", "4.2", "4.3",
                           "4.4", "4.5", "4.6", "4.7", "4.8", "4.9", "5",   "5.1", "5.2",
                           "5.3", "5.4", "5.5", "5.6", "5.7", "5.8", "5.9", "6",   "扣件"};
    for (int r = 1; r <= 27; ++r) {
      EXPECT_EQ(Cell(r, 0), left[r - 1]) << r;
      EXPECT_EQ(Cell(r, 3), right[r - 1]) << r;
    }
    const GridModel& grid = Grid(G);
    EXPECT_EQ(grid.ColumnWidth(1), 90);
    EXPECT_EQ(grid.ColumnWidth(2), 120);
    EXPECT_EQ(grid.ColumnWidth(4), 90);
    EXPECT_EQ(grid.ColumnWidth(5), 150);
    ASSERT_NE(grid.Kind(1), nullptr);
    EXPECT_EQ(grid.Kind(1)->type, 2);
    ASSERT_NE(grid.Kind(4), nullptr);
    EXPECT_EQ(grid.Kind(4)->type, 2);
    ASSERT_NE(grid.Cell(5, 3), std::nullopt);
    EXPECT_EQ(grid.Cell(5, 3)->colour_a, grid.settings.back_colour);
  });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyStartupTest, TheLastSavedSingleTallyGivesTheSingleLayout) {
  AppendTally({"2024年5月1日", {}, 0, 12, true, ""});
  script_.Do([] {
    EXPECT_TRUE(ui::GetChecked(W::SingleLayoutOption));
    EXPECT_FALSE(ui::GetChecked(W::DoubleLayoutOption));
    EXPECT_TRUE(LayoutIsSingle);
    EXPECT_EQ(Rows(), 55);
    EXPECT_EQ(Columns(), 3);
    EXPECT_EQ(Cell(0, 0), "钢管型号");
    EXPECT_EQ(Cell(0, 1), "钢管根数");
    EXPECT_EQ(Cell(0, 2), "钢管米数");
    EXPECT_EQ(Cell(1, 0), "0.8");
    EXPECT_EQ(Cell(53, 0), "6");
    EXPECT_EQ(Cell(54, 0), "扣件");
    EXPECT_EQ(Cell(54, 2), Today());
    EXPECT_EQ(Grid(G).ColumnWidth(1), 90);
    EXPECT_EQ(Grid(G).ColumnWidth(2), 100);
  });
  // The date cell may be typed into; the metres cells may not.
  script_.TypeCell(G, 54, 2, "2024年1月1日").TypeCell(G, 10, 2, "5").Refused();
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyStartupTest, AnEmptyTableGivesTheDoubleLayout) {
  WriteTemplates();
  ASSERT_TRUE(OpenTable(RunPath("码单数据库.rdb"), "检查"));
  ASSERT_TRUE(ClearTable());
  CloseTable("检查");
  script_.Do([] {
    EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption));
    EXPECT_EQ(Rows(), 28);
  });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyStartupTest, ReadOnlyCellsRefuseTheClerksTyping) {
  struct Case {
    int row, col;
    bool refused;
  };
  const Case cases[] = {{1, 2, true},  {27, 2, true}, {5, 3, true},  {27, 3, true},
                        {3, 5, true},  {27, 5, true}, {3, 1, false}, {27, 1, false},
                        {3, 4, false}, {27, 4, false}};
  for (const Case& c : cases) {
    script_.TypeCell(G, c.row, c.col, "2");
    if (c.refused) script_.Refused();
  }
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyStartupTest, TheHintBalloonPointsIntoTheWindow) {
  script_.Do([this] {
    ASSERT_EQ(script_.balloons().size(), 1u);
    const auto& b = script_.balloons()[0];
    EXPECT_EQ(b.unit, "气球提示框1");
    EXPECT_EQ(b.text, "在这里输入钢管数量即可\r\n\r\n鼠标右键弹出帮助。");
    EXPECT_EQ(b.x, 400);
    EXPECT_EQ(b.y, 40);
    EXPECT_EQ(b.icon, -1);
  });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyStartupTest, TheGridFollowsTheClientHeight) {
  script_.Resize(W::self, 963, 100 + ScriptedPlatform::kFrameHeight).Do([] {
    EXPECT_EQ(ui::GetRect(G).height, 80);
    EXPECT_EQ(ui::GetRect(G).width, 592);
    EXPECT_EQ(ui::GetRect(G).left, 32);
  });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyStartupTest, TheLayoutOptionsAreHiddenFromTheClerk) {
  script_.Click(W::SingleLayoutOption).Refused().Click(W::按钮1).Refused();
  CloseQuietly();
  RunTallybench();
}

}  // namespace

namespace {

TEST_F(TallyStartupTest, WithoutATableTheWindowStillWorksAndSavesNothing) {
  SetRunDirectoryForTests(dir_ + "/不存在");  // nothing can be written there
  script_.Do([] {
    EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption));
    EXPECT_EQ(Rows(), 28);
  });
  script_.TypeCell(G, 26, 4, "10").Do([] {
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 60米");
  });
  script_.Click(W::按钮4).Do([] { EXPECT_TRUE(ui::FindUnit(R::TallyRecordList)->rows.empty()); });
  script_.Close(R::self);
  CloseAnswering(kPressOk);
  RunTallybench();
  EXPECT_FALSE(FileExists(dir_ + "/不存在"));
}

}  // namespace

namespace {

// Half of the tally pair missing while the other half holds saved tallies: the templates would
// hand the saved tallies' blocks to new ones. tallybench names the missing file before its
// window opens and ends, writing nothing (not even the version into the settings file).
class HalfMissingTallyPair : public TallyStartupTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(HalfMissingTallyPair, EndsTallybenchTouchingNothing) {
  const std::string removed = GetParam();
  AppendTally({"2024年5月1日", ByteSet(700, 7), 5, 7.5, false, "旧"});
  ASSERT_TRUE(DeleteDiskFile(RunPath(removed)));
  const std::string kept = removed == "码单数据库.RDT" ? "码单数据库.rdb" : "码单数据库.RDT";
  const ByteSet before = ReadFileToBinary(RunPath(kept));
  script_.ExpectMessageBox("找不到" + removed + "，数据无法打开。");
  std::string failure;
  EXPECT_TRUE(RunScripted(
      script_, [] { EXPECT_EQ(TallybenchEntry(), 1); }, &failure))
      << failure;
  std::vector<std::string> names;
  ASSERT_TRUE(PosixEnv()->ListDirectory(dir_, &names));
  EXPECT_EQ(names, std::vector<std::string>{kept});
  EXPECT_EQ(ReadFileToBinary(RunPath(kept)), before);
}

INSTANTIATE_TEST_SUITE_P(Files, HalfMissingTallyPair,
                         ::testing::Values("码单数据库.RDT", "码单数据库.rdb"));

// Once the samples of a fresh table point at no block, a lost companion is written anew.
TEST_F(TallyStartupTest, ACompanionLostBesideATableOfNoSavedTallyIsWrittenAnew) {
  CloseQuietly();
  RunTallybench();
  ASSERT_TRUE(DeleteDiskFile(RunPath("码单数据库.RDT")));
  CloseQuietly();
  RunTallybench();
  auto companion = FindAsset("码单数据库.RDT");
  EXPECT_EQ(ReadFileToBinary(RunPath("码单数据库.RDT")),
            ByteSet(companion.begin(), companion.end()));
  EXPECT_EQ(Tallies().size(), 3u);
}

}  // namespace
