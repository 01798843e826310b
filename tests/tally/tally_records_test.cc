// Saved tallies: the closing check (save on OK, nothing on Cancel, no question for a saved or
// empty tally), the stored record, the list window, reloading, deleting one and all.
#include "common/grid/grid_file.h"
#include "tests/tally/tally_test_base.h"

namespace {

class TallyRecordsTest : public TallyTest {
 protected:
  // Ten 6 m pipes and 13 fasteners in the double layout, for unit 北区.
  void TypeTally() {
    script_.Type(W::UnitNameBox, "北区").TypeCell(G, 26, 4, "10").TypeCell(G, 27, 4, "13");
  }
  // A first run that saves the typed tally.
  void SaveTypedTally() {
    TypeTally();
    CloseAnswering(kPressOk);
    RunTallybench();
  }
  ScriptedPlatform& OpenRecords() { return script_.Click(W::按钮4); }
  static std::vector<std::vector<std::string>> ListItems() {
    std::vector<std::vector<std::string>> out;
    for (const auto& row : ui::FindUnit(R::TallyRecordList)->rows) out.push_back(row.cells);
    return out;
  }
  static std::vector<std::string> Dates(const std::vector<StoredTally>& tallies) {
    std::vector<std::string> out;
    for (const auto& t : tallies) out.push_back(t.date);
    return out;
  }
  ScriptedPlatform& AskDelete(int answer) {
    return script_.ExpectMessageBox("是否要删除这条记录！", kYesNoQuestion, "询问：", answer);
  }
  ScriptedPlatform& AskClearAll(int answer) {
    return script_.ExpectMessageBox("你确定要清空所有数据！", kYesNoQuestion, "询问：", answer);
  }
};

TEST_F(TallyRecordsTest, ClosingAnEmptySheetAsksNothingButStoresThePrice) {
  script_.Type(W::HandlingFeeBox, "25");
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(Setting("config", "价格"), "25");
  EXPECT_EQ(Tallies().size(), 3u);
}

TEST_F(TallyRecordsTest, OkSavesTheTallyOnScreen) {
  SaveTypedTally();
  const auto tallies = Tallies();
  ASSERT_EQ(tallies.size(), 4u);
  const StoredTally& t = tallies[3];
  EXPECT_EQ(t.date, Today());
  EXPECT_EQ(t.fasteners, 13);
  EXPECT_DOUBLE_EQ(t.metres, 60);
  EXPECT_FALSE(t.single);
  EXPECT_EQ(t.unit, "北区");
  EXPECT_EQ(ReadFileToBinary(TempPath("1.tmp")), t.grid);
  GridModel loaded;
  ASSERT_TRUE(ImportGrid(&loaded, t.grid));
  EXPECT_EQ(loaded.rows(), 28);
  EXPECT_EQ(loaded.CellText(26, 4), "10");
  EXPECT_EQ(loaded.CellText(27, 5), "钢管合计：60");
  EXPECT_EQ(Setting("config", "价格"), "");
}

TEST_F(TallyRecordsTest, CancelSavesNothing) {
  TypeTally();
  CloseAnswering(kPressCancel);
  RunTallybench();
  EXPECT_EQ(Tallies().size(), 3u);
  EXPECT_FALSE(FileExists(TempPath("1.tmp")));
}

TEST_F(TallyRecordsTest, AFastenerCountAloneIsOfferedForSaving) {
  script_.TypeCell(G, 27, 4, "7");
  CloseAnswering(kPressOk);
  RunTallybench();
  const auto tallies = Tallies();
  ASSERT_EQ(tallies.size(), 4u);
  EXPECT_EQ(tallies[3].fasteners, 7);
  EXPECT_DOUBLE_EQ(tallies[3].metres, 0);
}

// A saved tally (date text, metres, fasteners) against the sheet on screen: 60 m and 13
// fasteners today; the closing check asks only when they differ.
struct MatchCase {
  const char* name;
  std::string date;
  double metres;
  int fasteners;
  bool asks;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

const char* const kToday = "2024年5月6日";  // the scripted clock's day

const MatchCase kMatchCases[] = {
    {"same", kToday, 60, 13, false},
    {"metres within 1e-7", kToday, 60 + 5e-8, 13, false},
    {"metres beyond 1e-7", kToday, 60 + 1e-6, 13, true},
    {"other fasteners", kToday, 60, 12, true},
    {"other date", "2024年5月5日", 60, 13, true},
};

class SavedMatchTest : public TallyRecordsTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(SavedMatchTest, ATallyCountsAsSavedOnlyWithinTheToleranceOnTheSameDateText) {
  const MatchCase& c = GetParam();
  AppendTally({c.date, {}, c.fasteners, c.metres, false, ""});
  script_.TypeCell(G, 26, 4, "10").TypeCell(G, 27, 4, "13");
  if (c.asks) {
    CloseAnswering(kPressCancel);
  } else {
    CloseQuietly();
  }
  RunTallybench();
}

INSTANTIATE_TEST_SUITE_P(Cases, SavedMatchTest, ::testing::ValuesIn(kMatchCases));

TEST_F(TallyRecordsTest, TheSheetDateDecidesWhetherASavedTallyMatches) {
  AppendTally({Today(), {}, 13, 60, false, ""});
  script_.ChooseDay(W::SheetDatePicker, MakeDateTime(2024, 5, 7))
      .TypeCell(G, 26, 4, "10")
      .TypeCell(G, 27, 4, "13");
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyRecordsTest, TheListShowsEverySavedTally) {
  SaveTypedTally();
  OpenRecords().Do([] {
    const std::vector<std::vector<std::string>> items = {
        {"2014年1月5日", "", "123", "1048"},
        {"2014年1月27日", "", "123", "1048"},
        {"2014年3月30日", "", "123", "1048"},
        {Today(), "北区", "13", "60"},
    };
    EXPECT_EQ(ListItems(), items);
    EXPECT_EQ(ui::GetTitle(R::self), "");
    EXPECT_EQ(ui::GetWindowWidth(R::self), 414);
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyRecordsTest, ADoubleClickReloadsTheTallyAndClosingThenAsksNothing) {
  SaveTypedTally();
  script_.TypeCell(G, 1, 1, "4").Type(W::UnitNameBox, "别处");
  OpenRecords().ChooseListItem(R::TallyRecordList, 3, true).Do([] {
    EXPECT_EQ(Rows(), 28);
    EXPECT_EQ(Cell(26, 4), "10");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(ui::GetText(W::UnitNameBox), "北区");
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 60米");
    EXPECT_EQ(ui::GetText(W::FastenerCountBox), "13");
    EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption));
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(Tallies().size(), 4u);
  EXPECT_EQ(ReadFileToBinary(TempPath("2.tmp")), Tallies()[3].grid);
}

TEST_F(TallyRecordsTest, ReloadingSelectsTheSavedLayout) {
  CloseQuietly();
  RunTallybench();                                     // the program writes its table
  AppendTally({"2024年5月1日", {}, 0, 12, true, ""});  // start in the single layout
  script_.TypeCell(G, 53, 1, "2").TypeCell(G, 54, 1, "9");
  CloseAnswering(kPressOk);
  RunTallybench();
  ASSERT_EQ(Tallies().size(), 5u);
  EXPECT_TRUE(Tallies()[4].single);
  EXPECT_EQ(Tallies()[4].date, Today());
  // The next start is single; a sample (double, no grid file) and then the single tally.
  OpenRecords()
      .ChooseListItem(R::TallyRecordList, 0, true)
      .Do([] {
        EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption));
        EXPECT_FALSE(ui::GetChecked(W::SingleLayoutOption));
        EXPECT_FALSE(LayoutIsSingle);
        EXPECT_EQ(Rows(), 1);  // the sample's empty grid file is refused
        EXPECT_EQ(Columns(), 1);
      })
      .ChooseListItem(R::TallyRecordList, 4, true)
      .Do([] {
        EXPECT_TRUE(ui::GetChecked(W::SingleLayoutOption));
        EXPECT_TRUE(LayoutIsSingle);
        EXPECT_EQ(Rows(), 55);
        EXPECT_EQ(Cell(53, 1), "2");
        EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 12米");
      });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyRecordsTest, SampleTalliesNeverShowOrFreeASavedTallysGrid) {
  SaveTypedTally();
  const ByteSet saved = Tallies()[3].grid;
  OpenRecords()
      .ChooseListItem(R::TallyRecordList, 0, true)
      .Do([] { EXPECT_EQ(Rows(), 1); })
      .ChooseListItem(R::TallyRecordList, 0, false)
      .ChooseMenu(R::删除本条);
  AskDelete(kPressYes).Close(R::self);
  CloseQuietly();
  RunTallybench();
  const auto tallies = Tallies();
  ASSERT_EQ(tallies.size(), 3u);
  EXPECT_TRUE(tallies[0].grid.empty());
  EXPECT_EQ(tallies[2].grid, saved);
}

TEST_F(TallyRecordsTest, ADoubleClickHandlerWithoutASelectionLoadsNothing) {
  OpenRecords().Do([] {
    TallyRecordsWindow_OnListDoubleClick();
    EXPECT_EQ(Rows(), 28);
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyRecordsTest, DeletingOneTallyAsksFirst) {
  OpenRecords()
      .ChooseMenu(R::删除本条)  // nothing selected: nothing asked
      .ChooseListItem(R::TallyRecordList, 1, false)
      .Do([this] {
        ASSERT_EQ(script_.popups().size(), 1u);
        EXPECT_EQ(script_.popups()[0].menu, "删除");
      })
      .ChooseMenu(R::删除本条);
  AskDelete(kPressNo).Do([] { EXPECT_EQ(ListItems().size(), 3u); }).ChooseMenu(R::删除本条);
  AskDelete(kPressYes).Do([] {
    ASSERT_EQ(ListItems().size(), 2u);
    EXPECT_EQ(ListItems()[1][0], "2014年3月30日");
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
  const std::vector<std::string> dates = {"2014年1月5日", "2014年3月30日"};
  EXPECT_EQ(Dates(Tallies()), dates);
}

TEST_F(TallyRecordsTest, ClearingAllTalliesAsksFirst) {
  OpenRecords().Click(R::按钮1);
  AskClearAll(kPressNo).Do([] { EXPECT_EQ(ListItems().size(), 3u); }).Click(R::按钮1);
  AskClearAll(kPressYes).Do([] { EXPECT_TRUE(ListItems().empty()); });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
  EXPECT_TRUE(Tallies().empty());
  // With every tally gone the next start builds the double layout.
  script_.Do([] { EXPECT_TRUE(ui::GetChecked(W::DoubleLayoutOption)); });
  CloseQuietly();
  RunTallybench();
}

}  // namespace
