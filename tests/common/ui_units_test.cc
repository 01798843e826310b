// Units as the program and the user change them: content-changed events, number boxes,
// radio groups, check boxes, combos, tabs, date boxes, list views.
#include "tests/common/ui_fixture.h"

namespace {

struct 单元窗口 {
  static constexpr ui::WindowRef self{"单元窗口"};
  static constexpr ui::EditRef 编辑框1{"单元窗口", "编辑框1"};  // plain
  static constexpr ui::EditRef 编辑框2{"单元窗口", "编辑框2"};  // integer
  static constexpr ui::EditRef 编辑框3{"单元窗口", "编辑框3"};  // decimal
  static constexpr ui::EditRef 编辑框4{"单元窗口", "编辑框4"};  // read-only
  static constexpr ui::EditRef 编辑框5{"单元窗口", "编辑框5"};  // multi-line read-only
  static constexpr ui::EditRef 编辑框6{"单元窗口", "编辑框6"};  // a 6-byte text field
  static constexpr ui::GroupBoxRef 分组框1{"单元窗口", "分组框1"};
  static constexpr ui::RadioRef 单选框1{"单元窗口", "单选框1"};
  static constexpr ui::RadioRef 单选框2{"单元窗口", "单选框2"};
  static constexpr ui::RadioRef 单选框3{"单元窗口", "单选框3"};
  static constexpr ui::RadioRef 单选框4{"单元窗口", "单选框4"};
  static constexpr ui::CheckBoxRef 选择框1{"单元窗口", "选择框1"};
  static constexpr ui::ComboRef 组合框1{"单元窗口", "组合框1"};
  static constexpr ui::TabRef 选择夹1{"单元窗口", "选择夹1"};
  static constexpr ui::ButtonRef 按钮1{"单元窗口", "按钮1"};  // on page 1 of the tab
  static constexpr ui::DateBoxRef 日期框1{"单元窗口", "日期框1"};
  static constexpr ui::ListViewRef 列表框1{"单元窗口", "列表框1"};
};
using W = 单元窗口;

void OnEdit1Changed() { Note("changed " + ui::GetText(W::编辑框1)); }
void OnCheckUp() { Note(std::string("up ") + (ui::GetChecked(W::选择框1) ? "ticked" : "clear")); }
void OnCheckClick() {
  Note(std::string("click ") + (ui::GetChecked(W::选择框1) ? "ticked" : "clear"));
}

const ui::WindowDecl kUnits = TestWindow(
    "单元窗口",
    {ui::Declare(W::编辑框1, {}), ui::Declare(W::编辑框2, {}).Mode(ui::InputMode::kInteger),
     ui::Declare(W::编辑框3, {}).Mode(ui::InputMode::kDecimal),
     ui::Declare(W::编辑框4, {}).Mode(ui::InputMode::kReadOnly).Text("固定"),
     ui::Declare(W::编辑框5, {}).Mode(ui::InputMode::kMultiLineReadOnly).Text("一行\r\n二行"),
     ui::Declare(W::编辑框6, {}).TextBytes(6), ui::Declare(W::分组框1, {}),
     ui::Declare(W::单选框1, {}).In("分组框1").Checked(), ui::Declare(W::单选框2, {}).In("分组框1"),
     ui::Declare(W::单选框3, {}).Checked(), ui::Declare(W::单选框4, {}),
     ui::Declare(W::选择框1, {}), ui::Declare(W::组合框1, {}).Items({"出库", "入库"}),
     ui::Declare(W::选择夹1, {}).Items({"第一页", "第二页"}),
     ui::Declare(W::按钮1, {}).OnPage("选择夹1", 1), ui::Declare(W::日期框1, {}),
     ui::Declare(W::列表框1, {}).Items({"名称", "数量"})},
    {ui::Bind(W::编辑框1, ui::Event::kChanged, OnEdit1Changed),
     ui::Bind(W::选择框1, ui::Event::kMouseUp, OnCheckUp),
     ui::Bind(W::选择框1, ui::Event::kClick, OnCheckClick),
     ui::Bind(W::组合框1, ui::Event::kSelectionChanged, [] { Note("selection"); }),
     ui::Bind(W::选择夹1, ui::Event::kPageChanged, [] { Note("page"); }),
     ui::Bind(W::按钮1, ui::Event::kClick, [] { Note("button"); }),
     ui::Bind(W::列表框1, ui::Event::kItemDoubleClick,
              [](const ui::EventArgs& a) { Note("item " + std::to_string(a.item)); }),
     ui::BindWindow(ui::Event::kMouseDown,
                    [](const ui::EventArgs& a) { Note("window down " + std::to_string(a.code)); }),
     ui::Bind(W::编辑框1, ui::Event::kMouseDown, [] { Note("box down"); })});

class UnitsTest : public UiTest {
 protected:
  // Runs the queued steps on an open 单元窗口.
  bool RunSteps() {
    return Run([this] {
      ui::LoadWindow(kUnits, false);
      script_.PerformSteps();
    });
  }
};

TEST_F(UnitsTest, ProgramWritesRaiseNoContentEventButUserEditsDo) {
  script_.Do([] { ui::SetText(W::编辑框1, "程序"); })
      .Do([] { ui::AppendEditText(W::编辑框1, "追加"); })
      .Type(W::编辑框1, "用户")
      .Type(W::编辑框1, "用户");  // the same content again: nothing changed
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"changed 用户"}));
}

TEST_F(UnitsTest, TypedTextIsKeptAsTheBoxModeSays) {
  struct Case {
    ui::EditRef box;
    std::string typed, kept;
  } cases[] = {
      {W::编辑框2, "99999999999", "2147483647"},
      {W::编辑框2, "-12abc", "-12"},
      {W::编辑框2, "abc", ""},
      {W::编辑框3, "12.5.6", "12.5"},
      {W::编辑框3, "-x", ""},
      {W::编辑框1, "一行\r\n二行", "一行"},
      {W::编辑框6, "合同号码abc", "合同号"},
      {W::编辑框6, "ab合同号", "ab合同"},
      {W::编辑框6, "abcde合", "abcde"},
  };
  for (const Case& c : cases) {
    script_.Type(c.box, c.typed).Do([c] { EXPECT_EQ(ui::GetText(c.box), c.kept) << c.typed; });
  }
  script_.Type(W::编辑框4, "改").Refused().Do([] { EXPECT_EQ(ui::GetText(W::编辑框4), "固定"); });
  script_.Type(W::编辑框5, "改").Refused().Do([] {
    EXPECT_EQ(ui::GetText(W::编辑框5), "一行\r\n二行");
    ui::SetText(W::编辑框5, "程序\r\n写的");  // the program still writes it
    EXPECT_EQ(ui::GetText(W::编辑框5), "程序\r\n写的");
  });
  ASSERT_TRUE(RunSteps()) << failure_;
}

TEST(NormaliseIntegerText, KeepsTheWhole32BitNumberItStartsWith) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"123", "123"},
      {"  -42abc", "-42"},
      {"+7", "7"},
      {"007", "7"},
      {"-0", "0"},
      {"1.9", "1"},
      {"2147483647", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-2147483649", "-2147483648"},
      {"123456789012345678901234567890", "2147483647"},
      {"abc", ""},
      {"-", ""},
      {"- 5", ""},
  };
  for (const auto& [typed, kept] : cases) EXPECT_EQ(ui::NormaliseIntegerText(typed), kept) << typed;
}

TEST(NormaliseDecimalText, KeepsTheLongestDecimalPrefix) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},         {"3.25", "3.25"}, {"-0.5kg", "-0.5"}, {".5", ".5"}, {"5.", "5."},
      {"1.2.3", "1.2"}, {"1e5", "1"},     {".", ""},          {"-", ""},    {"元", ""},
  };
  for (const auto& [typed, kept] : cases) EXPECT_EQ(ui::NormaliseDecimalText(typed), kept) << typed;
}

TEST_F(UnitsTest, RadiosExcludeEachOtherWithinTheirContainerOnly) {
  script_.Click(W::单选框2)
      .Do([] {
        EXPECT_FALSE(ui::GetChecked(W::单选框1));
        EXPECT_TRUE(ui::GetChecked(W::单选框2));
        EXPECT_TRUE(ui::GetChecked(W::单选框3));  // another container
      })
      .Do([] { ui::SetChecked(W::单选框4, true); })
      .Do([] {
        EXPECT_FALSE(ui::GetChecked(W::单选框3));
        EXPECT_TRUE(ui::GetChecked(W::单选框4));
        EXPECT_TRUE(ui::GetChecked(W::单选框2));
      });
  ASSERT_TRUE(RunSteps()) << failure_;
}

TEST_F(UnitsTest, ACheckBoxMouseUpRunsBeforeItToggles) {
  script_.Tick(W::选择框1).Tick(W::选择框1);
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"up clear", "click ticked", "up ticked", "click clear"}));
}

TEST_F(UnitsTest, ComboSelectionByUserRaisesTheEventAndByProgramNot) {
  script_.Do([] { EXPECT_EQ(ui::InsertComboItem(W::组合框1, -1, "x"), -1); })
      .Do([] { EXPECT_EQ(ui::InsertComboItem(W::组合框1, 3, "x"), -1); })
      .Do([] { EXPECT_EQ(ui::InsertComboItem(W::组合框1, 0, "首"), 0); })
      .Do([] { ui::SetSelectedIndex(W::组合框1, 1); })
      .Do([] { EXPECT_EQ(ui::GetText(W::组合框1), "出库"); })
      .Choose(W::组合框1, 2)
      .Do([] {
        EXPECT_EQ(ui::GetSelectedIndex(W::组合框1), 2);
        EXPECT_EQ(ui::GetText(W::组合框1), "入库");
      });
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"selection"}));
}

TEST_F(UnitsTest, AUnitOnAnotherTabPageTakesNoInput) {
  script_.Click(W::按钮1).Refused().ChoosePage(W::选择夹1, 1).Click(W::按钮1);
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"page", "button"}));
}

TEST_F(UnitsTest, ChoosingADayKeepsTheTimeOfDay) {
  script_.Do([] { ui::SetDate(W::日期框1, DateTime{41000.75}); })
      .ChooseDay(W::日期框1, DateTime{42000.0})
      .Do([] { EXPECT_EQ(ui::GetDate(W::日期框1).days, 42000.75); });
  ASSERT_TRUE(RunSteps()) << failure_;
}

TEST_F(UnitsTest, ListViewRowsAndChoices) {
  script_
      .Do([] {
        EXPECT_EQ(ui::InsertListViewItem(W::列表框1, -1, "钢管"), 0);
        EXPECT_EQ(ui::InsertListViewItem(W::列表框1, 0, "扣件"), 0);
        EXPECT_TRUE(ui::SetListViewItemText(W::列表框1, 1, 1, "12"));
        EXPECT_FALSE(ui::SetListViewItemText(W::列表框1, 1, 2, "x"));  // no such column
        EXPECT_FALSE(ui::SetListViewItemText(W::列表框1, 2, 0, "x"));  // no such item
      })
      .ChooseListItem(W::列表框1, 1, true)
      .ChooseListItem(W::列表框1, 2, true)
      .Refused()
      .Do([] {
        EXPECT_EQ(ui::GetListViewSelected(W::列表框1), 1);
        EXPECT_EQ(ui::FindUnit(W::列表框1)->rows[1].cells,
                  (std::vector<std::string>{"钢管", "12"}));
        ui::ClearListView(W::列表框1);
        EXPECT_EQ(ui::GetListViewSelected(W::列表框1), -1);
      });
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"item 1"}));
}

// A single click selects without an event; -1 (a click on no item) clears the selection.
TEST_F(UnitsTest, ASingleClickSelectsAListItemSilently) {
  script_
      .Do([] {
        ui::InsertListViewItem(W::列表框1, -1, "钢管");
        ui::InsertListViewItem(W::列表框1, -1, "扣件");
      })
      .SelectListItem(W::列表框1, 1)
      .Do([] { EXPECT_EQ(ui::GetListViewSelected(W::列表框1), 1); })
      .SelectListItem(W::列表框1, 2)
      .Refused()
      .SelectListItem(W::列表框1, -2)
      .Refused()
      .Do([] {
        EXPECT_EQ(ui::GetListViewSelected(W::列表框1), 1);
        ui::InsertListViewItem(W::列表框1, 0, "顶托");  // the selection follows its item
        EXPECT_EQ(ui::GetListViewSelected(W::列表框1), 2);
        ui::SetVisible(W::列表框1, false);
      })
      .SelectListItem(W::列表框1, 0)
      .Refused()
      .Do([] {
        ui::SetVisible(W::列表框1, true);
        EXPECT_EQ(ui::GetListViewSelected(W::列表框1), 2);
      })
      .SelectListItem(W::列表框1, -1)
      .Do([] { EXPECT_EQ(ui::GetListViewSelected(W::列表框1), -1); });
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_TRUE(Log().empty());
}

// The window's own mouse-down carries the button; a unit's press stays the unit's.
TEST_F(UnitsTest, APressOnTheWindowCarriesItsButton) {
  script_.WindowMouseDown(W::self, 1)
      .WindowMouseDown(W::self, 2)
      .WindowMouseDown(W::self, 3)
      .WindowMouseDown(W::self, 0)
      .Refused()
      .WindowMouseDown(W::self, 4)
      .Refused()
      .MouseDown(W::编辑框1)
      .Do([] { ui::SetWindowVisible(W::self, false); })
      .Do([] { EXPECT_FALSE(ui::user::WindowMouseDown(*ui::FindWindow(W::self), 2)); });
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"window down 1", "window down 2", "window down 3",
                                             "box down"}));
}

TEST_F(UnitsTest, ADisabledOrHiddenUnitRefusesTheUser) {
  script_.Do([] { ui::SetDisabled(W::选择框1, true); })
      .Tick(W::选择框1)
      .Refused()
      .Do([] {
        ui::SetDisabled(W::选择框1, false);
        ui::SetVisible(W::选择框1, false);
      })
      .Tick(W::选择框1)
      .Refused();
  ASSERT_TRUE(RunSteps()) << failure_;
  EXPECT_TRUE(Log().empty());
}

}  // namespace
