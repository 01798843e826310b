// The smaller commands: print and preview with the sheet's title, the help window on a right
// click, clearing the sheet, the read-out, the calculator and the grid's typed characters.
#include <filesystem>
#include <fstream>

#include "tests/common/scoped_variable.h"
#include "tests/tally/tally_test_base.h"

namespace {

using H = HelpWindow;

class TallyCommandsTest : public TallyTest {
 protected:
  // The text items printed on a page, in order.
  static std::vector<std::string> Texts(const Page& page) {
    std::vector<std::string> out;
    for (const PageItem& item : page.items) {
      if (item.type == PageItem::Type::kText) out.push_back(item.text);
    }
    return out;
  }
  static bool Holds(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  // The help window opens; 25 ms later it has grown once and stopped growing.
  void CheckHelpWindowAndCloseIt() {
    script_
        .Do([] {
          EXPECT_EQ(ui::GetTitle(H::self), "帮助");
          EXPECT_TRUE(ui::FindWindow(H::self)->modal);
          EXPECT_EQ(ui::GetWindowWidth(H::self), 397);
          EXPECT_EQ(ui::GetWindowHeight(H::self), 264);
          EXPECT_EQ(ui::GetText(H::编辑框1), HelpText());
          EXPECT_EQ(ui::GetInterval(H::GrowTimer), 25);
        })
        .Wait(25)
        .Do([] {
          EXPECT_EQ(ui::GetWindowHeight(H::self), 274);
          EXPECT_EQ(ui::GetInterval(H::GrowTimer), 0);
        })
        .Wait(100)
        .Do([] { EXPECT_EQ(ui::GetWindowHeight(H::self), 274); })
        .Close(H::self);
  }
};

TEST_F(TallyCommandsTest, PrintAndPreviewCarryTheSheetsTitle) {
  script_.Type(W::UnitNameBox, "北区")
      .ChooseDay(W::SheetDatePicker, MakeDateTime(2015, 10, 9))
      .TypeCell(G, 26, 4, "10")
      .Click(W::按钮3)
      .Do([] {
        EXPECT_EQ(TallyPrintTitle(), "钢管出入库码单（北区2015年10月9日)");
        const PrintTitle& t = Grid(G).settings.title;
        EXPECT_EQ(t.text, "钢管出入库码单（北区2015年10月9日)");
        EXPECT_EQ(t.face, "微软雅黑");
        EXPECT_EQ(t.size, 25);
        EXPECT_TRUE(t.bold);
        EXPECT_EQ(t.alignment, 2);
      })
      .Type(W::UnitNameBox, "")
      .Click(W::按钮6);
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyCommandsTest, ThePrintedPagesHoldTheTitleTheDateAndTheGrid) {
  script_.Type(W::UnitNameBox, "北区")
      .ChooseDay(W::SheetDatePicker, MakeDateTime(2015, 10, 9))
      .TypeCell(G, 26, 4, "10")
      .Click(W::按钮3)
      .Type(W::UnitNameBox, "")
      .Click(W::按钮6);
  ScriptedPlatform* script = &script_;
  std::vector<ScriptedPlatform::PrintCall> prints;
  script_.Do([script, &prints] { prints = script->prints(); });
  CloseAnswering(kPressCancel);
  RunTallybench();
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_FALSE(prints[0].preview);
  EXPECT_TRUE(prints[1].preview);
  EXPECT_EQ(prints[0].grid, "高级表格1");
  ASSERT_FALSE(prints[0].pages.empty());
  const auto first = Texts(prints[0].pages[0]);
  EXPECT_TRUE(Holds(first, "钢管出入库码单（北区2015年10月9日)"));
  EXPECT_TRUE(Holds(first, "2024-5-6"));  // the date of printing
  EXPECT_TRUE(Holds(first, "钢管合计：60"));
  EXPECT_TRUE(Holds(Texts(prints[1].pages[0]), "钢管出入库码单（2015年10月9日)"));
}

TEST_F(TallyCommandsTest, ARightButtonReleasedOverTheGridOpensTheHelpWindow) {
  script_.GridRightUp(G, 3, 1);
  CheckHelpWindowAndCloseIt();
  script_.Do([] { EXPECT_EQ(ui::FindWindow(H::self), nullptr); });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyCommandsTest, ARightButtonPressedOnTheWindowOpensTheHelpWindow) {
  script_.WindowMouseDown(W::self, 2);
  CheckHelpWindowAndCloseIt();
  script_.Do([] { EXPECT_EQ(ui::FindWindow(H::self), nullptr); });
  CloseQuietly();
  RunTallybench();
}

// Left and middle presses on the window open nothing: the tally window keeps the input.
TEST_F(TallyCommandsTest, OtherButtonsPressedOnTheWindowOpenNothing) {
  script_.WindowMouseDown(W::self, 1)
      .WindowMouseDown(W::self, 3)
      .Do([] {
        EXPECT_EQ(ui::FindWindow(H::self), nullptr);
        EXPECT_EQ(ui::ActiveWindow(), ui::FindWindow(W::self));
      })
      .WindowMouseDown(W::self, 4)
      .Refused();
  CloseQuietly();
  RunTallybench();
}

// The help text can be read but not typed over; the tally window is blocked meanwhile.
TEST_F(TallyCommandsTest, TheHelpTextIsReadOnly) {
  script_.WindowMouseDown(W::self, 2)
      .Do([] { EXPECT_EQ(ui::FindUnit(H::编辑框1)->mode, ui::InputMode::kMultiLineReadOnly); })
      .Type(H::编辑框1, "改过的")
      .Refused()
      .Do([] {
        EXPECT_EQ(ui::GetText(H::编辑框1), HelpText());
        EXPECT_FALSE(ui::user::WindowMouseDown(*ui::FindWindow(W::self), 2));
      })
      .Close(H::self);
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyCommandsTest, TheTallyWindowCarriesItsIcon) {
  EXPECT_EQ(TallyWindowDecl().icon, "icon_tallybench.jpg");
  EXPECT_FALSE(FindAsset(TallyWindowDecl().icon).empty());
}

TEST_F(TallyCommandsTest, ClearingTheSheetKeepsTheLayoutAndTheBoxes) {
  AppendTally({"2024年5月1日", {}, 0, 12, true, ""});
  script_.Type(W::HandlingFeeBox, "30")
      .Type(W::UnitNameBox, "北区")
      .TypeCell(G, 53, 1, "10")
      .TypeCell(G, 54, 1, "50")
      .Click(W::按钮2)
      .Do([this] {
        EXPECT_EQ(Rows(), 55);
        EXPECT_EQ(Cell(53, 1), "");
        EXPECT_EQ(Cell(54, 2), Today());
        const std::vector<std::string> zero = {"钢管总米数 0米", "其中6米钢管0米", "不定尺钢管0米",
                                               "一共0吨", "搬运费0元"};
        EXPECT_EQ(Labels(), zero);
        EXPECT_EQ(ui::GetText(W::FastenerCountBox), "");
        EXPECT_DOUBLE_EQ(LastTotalMetres, 0);
        EXPECT_DOUBLE_EQ(LastFastenerCount, 0);
        EXPECT_EQ(ui::GetText(W::ReadOutBox), "");
        EXPECT_EQ(script_.focused(), "TallyWindow.编辑框2");
        EXPECT_EQ(ui::GetText(W::HandlingFeeBox), "30");
        EXPECT_EQ(ui::GetText(W::UnitNameBox), "北区");
      });
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyCommandsTest, TheReadOutListsTheFilledRowsGroupByGroup) {
  script_.TypeCell(G, 8, 1, "3")
      .TypeCell(G, 1, 4, "2")
      .TypeCell(G, 3, 1, "5")
      .TypeCell(G, 26, 4, "7")
      .TypeCell(G, 27, 4, "40")
      .Do([this] {
        TallyWindow_OnReadOutClick();
        EXPECT_EQ(ui::GetText(W::ReadOutBox), "1米5根,1.5米3根,3.5米2根,6米7根,扣件米40根,");
        EXPECT_EQ(script_.focused(), "");  // the fastener mirror is filled
      });
  CloseAnswering(kPressCancel);
  RunTallybench();
}

TEST_F(TallyCommandsTest, TheCalculatorStartsWithoutWaiting) {
  const std::string bin = dir_ + "/bin";
  std::filesystem::create_directory(bin);
  std::ofstream(bin + "/xcalc") << "#!/bin/sh\n";
  const ScopedVariable path("PATH", bin);
  script_.Click(W::按钮5);
  ScriptedPlatform* script = &script_;
  std::vector<ScriptedPlatform::ProgramCall> programs;
  script_.Do([script, &programs] { programs = script->programs(); });
  CloseQuietly();
  RunTallybench();
  ASSERT_EQ(programs.size(), 1u);
  EXPECT_EQ(programs[0].command_line, bin + "/xcalc");
  EXPECT_FALSE(programs[0].wait);
}

TEST_F(TallyCommandsTest, AMissingCalculatorIsIgnored) {
  const ScopedVariable path("PATH", dir_);
  script_.Click(W::按钮5);
  CloseQuietly();
  RunTallybench();
}

TEST_F(TallyCommandsTest, TypedCharactersPlayNothing) {
  script_.GridChar(G, '5').GridChar(G, '.').GridChar(G, '+').GridKey(G, 13);
  ScriptedPlatform* script = &script_;
  int sounds = -1;
  script_.Do([script, &sounds] { sounds = script->sounds_played(); });
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(sounds, 0);
}

}  // namespace
