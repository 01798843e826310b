// The settlement window as the clerk meets it: the contract list and start date, the opening
// heading, the grid following the window's size, edit mode, print preview and printing.
#include "ledger/window_openers.h"
#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

class SettlementWindowTest : public SettlementTest {
 protected:
  void AddThree() {
    AddContract("一号楼", Day(2015, 3, 4), {}, {{Day(2015, 3, 4), true, 10}});
    AddContract("二号楼", Day(2016, 7, 8), {}, {{Day(2016, 7, 8), true, 10}});
    AddContract("三号楼", Day(2017, 9, 10), {}, {{Day(2017, 9, 10), true, 10}});
  }
  // True when some text item of the page holds the text.
  static bool PageShows(const Page& page, const std::string& text) {
    for (const PageItem& item : page.items) {
      if (item.type == PageItem::Type::kText && item.text == text) return true;
    }
    return false;
  }
};

TEST_F(SettlementWindowTest, OpensWithTheContractsInRecordOrderAndTheFirstStart) {
  AddThree();
  Check([] {
    EXPECT_EQ(ui::GetTitle(W::self), "结算管理");
    const ui::Unit* combo = ui::FindUnit(W::组合框1);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->items, (Cells{"一号楼", "二号楼", "三号楼"}));
    EXPECT_EQ(ui::GetSelectedIndex(W::组合框1), 0);
    EXPECT_EQ(ui::GetDate(W::日期框1), Day(2015, 3, 4));
    EXPECT_TRUE(ui::GetChecked(W::单选框1));
    EXPECT_FALSE(ui::GetChecked(W::单选框2));
    EXPECT_FALSE(ui::GetChecked(W::选择框1));
    EXPECT_FALSE(ui::GetChecked(W::选择框2));
    EXPECT_FALSE(ui::GetChecked(W::选择框3));
    EXPECT_EQ(ui::GetText(W::按钮1), "结算 ");
  });
  Run();
}

TEST_F(SettlementWindowTest, ChoosingAContractResetsOnlyTheStartDate) {
  AddThree();
  Settle(Day(2015, 3, 4), Day(2015, 3, 31));
  script_.Choose(W::组合框1, 1);
  Check([] {
    EXPECT_EQ(ui::GetDate(W::日期框1), Day(2016, 7, 8));
    EXPECT_EQ(GetDatePart(ui::GetDate(W::日期框2)), Day(2015, 3, 31));
    EXPECT_EQ(Cell(0, 0), "承租单位：一号楼");
  });
  script_.Choose(W::组合框1, 2);
  Check([] { EXPECT_EQ(ui::GetDate(W::日期框1), Day(2017, 9, 10)); });
  Run();
}

TEST_F(SettlementWindowTest, OpensWithTheDeductionHeadingOnAHundredRows) {
  Check([] {
    EXPECT_EQ(ui::FindUnit(W::组合框1)->items.size(), 0u);
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 100);
    EXPECT_EQ(GetGridColumnCount(W::高级表格1), 10);
    EXPECT_EQ(Row(0), (Cells{"承租单位：", "", "", "", "", "结算日期：", "", "", "", ""}));
    EXPECT_EQ(Row(1), (Cells{"品  名", "单 位", "出     库", "", "入     库", "", "单位租金",
                             "天数", "金额（元）", "累计在租量"}));
    EXPECT_EQ(Merge(1, 0), "1,0-2,0");
    EXPECT_EQ(Merge(1, 2), "1,2-1,3");
    EXPECT_EQ(Merge(1, 9), "1,9-2,9");
    const int widths[] = {
        110, 60, 145, 90, 145, 90, 100, 70, kDefaultColumnWidth, kDefaultColumnWidth};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(Model().ColumnWidth(c), widths[c]) << c;
    EXPECT_EQ(Model().settings.page_options[0], 100);
    const std::optional<GridCell> cell = Model().Cell(99, 9);
    ASSERT_NE(cell, std::nullopt);
    EXPECT_EQ(cell->font.height, 23);
    EXPECT_EQ(cell->font.face, "微软雅黑");
  });
  Run();
}

TEST_F(SettlementWindowTest, TheGridFollowsTheWindowSize) {
  script_.Resize(W::self, 1000, 600);
  Check([] {
    const ui::Rect r = ui::GetRect(W::高级表格1);
    EXPECT_EQ(r.left, 16);
    EXPECT_EQ(r.top, 64);
    EXPECT_EQ(r.width, 970);
    EXPECT_EQ(r.height, 490);
  });
  Run();
}

TEST_F(SettlementWindowTest, EditModeOpensTheGridAndTheEditIsPrinted) {
  AddThree();
  WriteSettings("王会计", "宏达");
  Settle(Day(2015, 3, 4), Day(2015, 3, 31));
  script_.Act(W::高级表格1.window, W::高级表格1.name, "edit refused",
              [](ui::Unit& u) { return ui::user::GridEdit(u, 3, 3, "改过"); });
  script_.Refused();
  script_.Tick(W::选择框3);
  script_.Act(W::高级表格1.window, W::高级表格1.name, "edit",
              [](ui::Unit& u) { return ui::user::GridEdit(u, 3, 3, "改过"); });
  script_.Click(W::按钮3);
  script_.Tick(W::选择框3).Do([] { EXPECT_FALSE(GetGridEditable(W::高级表格1)); });
  Run();
  ASSERT_EQ(script_.prints().size(), 1u);
  EXPECT_FALSE(script_.prints()[0].preview);
  ASSERT_FALSE(script_.prints()[0].pages.empty());
  EXPECT_TRUE(PageShows(script_.prints()[0].pages[0], "改过"));
}

TEST_F(SettlementWindowTest, BothPrintButtonsSetTheTitleFirst) {
  WriteSettings("王会计", "宏达");
  script_.Click(W::按钮2).Do([] {
    const PrintTitle& t = Model().settings.title;
    EXPECT_EQ(t.text, "宏达租金计算清单");
    EXPECT_EQ(t.face, "黑体字");
    EXPECT_EQ(t.size, 30);
    EXPECT_TRUE(t.bold);
    EXPECT_EQ(t.alignment, 2);
    SetGridPrintTitle(W::高级表格1, "别的", "宋体", 12, false, 1);
  });
  script_.Click(W::按钮3).Do([] { EXPECT_EQ(Model().settings.title.text, "宏达租金计算清单"); });
  Run();
  ASSERT_EQ(script_.prints().size(), 2u);
  EXPECT_TRUE(script_.prints()[0].preview);
  EXPECT_FALSE(script_.prints()[1].preview);
  const Page& page = script_.prints()[0].pages.at(0);
  EXPECT_TRUE(PageShows(page, "宏达租金计算清单"));
  EXPECT_TRUE(PageShows(page, "品  名"));
}

// The company name is read when the window opens; a later change waits for the next opening.
TEST_F(SettlementWindowTest, TheCompanyNameIsReadAtOpening) {
  WriteSettings("王会计", "宏达");
  script_.Do([] { WriteSettings("李", "新名"); }).Click(W::按钮2).Do([] {
    EXPECT_EQ(Model().settings.title.text, "宏达租金计算清单");
    EXPECT_EQ(UserName.value_or(""), "王会计");
  });
  Run();
}

// The main window's opener (menu, picture button and label) leads here once rentdesk's main
// has registered the window.
TEST_F(SettlementWindowTest, TheLedgerOpenerOpensTheWindowModally) {
  RegisterSettlementWindowOpener(settlement::OpenSettlementWindow);
  script_.Do([] {
    const ui::Window* w = ui::FindWindow(W::self);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->modal);
  });
  script_.Close(W::self);
  std::string failure;
  EXPECT_TRUE(RunScripted(
      script_, [] { OpenSettlementWindow(); }, &failure))
      << failure;
  RegisterSettlementWindowOpener(nullptr);
  EXPECT_EQ(ui::FindWindow(W::self), nullptr);
}

}  // namespace
