// The user settings window as the clerk uses it: what it shows at opening, the check box
// that enables the password boxes, and what 确定修改 stores.
#include "ledger/settings_window.h"

#include <vector>

#include "common/message_box.h"
#include "tests/ledger/user_settings_test_base.h"

namespace {

using W = SettingsWindow;

const char* const kSaved = "设置成功";
const char* const kUnequal = "两次输入密码不一样";

class SettingsWindowTest : public UserSettingsTest {
 protected:
  void Open() { RunWindow(SettingsWindowDecl()); }
  // The clerk types into both password boxes and confirms.
  ScriptedPlatform& Confirm(const std::string& first, const std::string& second) {
    return script_.Type(W::编辑框2, first).Type(W::编辑框3, second).Click(W::按钮1);
  }
  static bool PasswordBoxesEnabled() {
    const bool two = !ui::GetDisabled(W::编辑框2);
    EXPECT_EQ(two, !ui::GetDisabled(W::编辑框3));
    return two;
  }
  // The window is still open and takes the clerk's input.
  static void ExpectStillOpen() {
    ui::Window* w = ui::FindWindow(W::self);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(ui::TakesInput(*w));
  }
};

TEST_F(SettingsWindowTest, FirstUseShowsAnEmptyFormAndSavesPasswordUseOff) {
  script_.Do([] {
    EXPECT_EQ(ui::GetTitle(W::self), "用户设置");
    EXPECT_EQ(ui::GetWindowWidth(W::self), 380);
    EXPECT_EQ(ui::GetWindowHeight(W::self), 232);
    for (ui::EditRef box : {W::编辑框1, W::编辑框2, W::编辑框3, W::编辑框4}) {
      EXPECT_EQ(ui::GetText(box), "") << box.name;
    }
    EXPECT_FALSE(ui::GetChecked(W::选择框1));
    EXPECT_TRUE(PasswordBoxesEnabled());
  });
  script_.Click(W::按钮1);
  Expect(kSaved);
  Open();
  EXPECT_EQ(Stored("使用密码"), "否");
  EXPECT_EQ(Stored("密码"), "");
  EXPECT_EQ(Stored("用户名"), "");
  EXPECT_EQ(Stored("单位名称"), "");
  EXPECT_EQ(ui::FindWindow(W::self), nullptr);
}

// What is typed into the two password boxes shows masked; the name boxes show it plainly.
TEST_F(SettingsWindowTest, ThePasswordBoxesMaskWhatIsTyped) {
  script_.Do([] {
    EXPECT_EQ(ui::FindUnit(W::编辑框2)->mode, ui::InputMode::kPassword);
    EXPECT_EQ(ui::FindUnit(W::编辑框3)->mode, ui::InputMode::kPassword);
    EXPECT_EQ(ui::FindUnit(W::编辑框1)->mode, ui::InputMode::kPlain);
    EXPECT_EQ(ui::FindUnit(W::编辑框4)->mode, ui::InputMode::kPlain);
  });
  script_.Close(W::self);
  Open();
}

TEST_F(SettingsWindowTest, TheStoredPasswordUseSetsTheCheckBoxAndThePasswordBoxes) {
  struct Case {
    const char* use;
    bool ticked, enabled;
  } cases[] = {{"是", true, true}, {"否", false, false}, {"不用", false, true}, {"", false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.use);
    Store("用户名", "张三");
    Store("单位名称", "宏达脚手架租赁站");
    Store("密码", "abc*1");
    Store("使用密码", c.use);
    script_.Do([c] {
      EXPECT_EQ(ui::GetText(W::编辑框1), "张三");
      EXPECT_EQ(ui::GetText(W::编辑框2), "abc*1");
      EXPECT_EQ(ui::GetText(W::编辑框3), "abc*1");
      EXPECT_EQ(ui::GetText(W::编辑框4), "宏达脚手架租赁站");
      EXPECT_EQ(ui::GetChecked(W::选择框1), c.ticked);
      EXPECT_EQ(PasswordBoxesEnabled(), c.enabled);
    });
    script_.Close(W::self);
    Open();
  }
}

TEST_F(SettingsWindowTest, TheMouseUpSeesTheCheckBoxBeforeItToggles) {
  Store("使用密码", "否");
  script_.Do([] { EXPECT_FALSE(PasswordBoxesEnabled()); });
  script_.Type(W::编辑框2, "x").Refused();
  script_.Tick(W::选择框1).Do([] {
    EXPECT_TRUE(ui::GetChecked(W::选择框1));
    EXPECT_TRUE(PasswordBoxesEnabled());
  });
  script_.Tick(W::选择框1).Do([] {
    EXPECT_FALSE(ui::GetChecked(W::选择框1));
    EXPECT_FALSE(PasswordBoxesEnabled());
  });
  // A release that does not toggle (the press began elsewhere) still follows the old state.
  script_.MouseUp(W::选择框1).Do([] {
    EXPECT_FALSE(ui::GetChecked(W::选择框1));
    EXPECT_TRUE(PasswordBoxesEnabled());
  });
  script_.Close(W::self);
  Open();
  EXPECT_EQ(Stored("使用密码"), "否");  // nothing is stored without 确定修改
}

TEST_F(SettingsWindowTest, TickingAndTwoEqualPasswordsStoreEverything) {
  script_.Type(W::编辑框1, "李会计").Type(W::编辑框4, "永安租赁").Tick(W::选择框1);
  Confirm("秘密 12", "秘密 12");
  Expect(kSaved);
  Open();
  EXPECT_EQ(Stored("用户名"), "李会计");
  EXPECT_EQ(Stored("单位名称"), "永安租赁");
  EXPECT_EQ(Stored("使用密码"), "是");
  EXPECT_EQ(Stored("密码"), "秘密 12");
  EXPECT_TRUE(FileHoldsGbkLine("用户名", "李会计"));
  EXPECT_TRUE(FileHoldsGbkLine("密码", "秘密 12"));
}

TEST_F(SettingsWindowTest, ThePasswordIsStoredWhileTheBoxesAreDisabled) {
  Store("使用密码", "是");
  Store("密码", "旧");
  script_.Type(W::编辑框2, "新").Type(W::编辑框3, "新").Tick(W::选择框1).Do([] {
    EXPECT_FALSE(PasswordBoxesEnabled());
  });
  script_.Click(W::按钮1);
  Expect(kSaved);
  Open();
  EXPECT_EQ(Stored("使用密码"), "否");
  EXPECT_EQ(Stored("密码"), "新");
}

TEST_F(SettingsWindowTest, UnequalPasswordsKeepTheWindowAndTheOldPassword) {
  Store("密码", "old");
  Store("使用密码", "否");
  script_.Type(W::编辑框1, "王五").Type(W::编辑框4, "新公司").Tick(W::选择框1);
  Confirm("abc", "abd");
  Expect(kUnequal, kMbIconStop);
  script_.Do([] {
    ExpectStillOpen();
    EXPECT_EQ(Stored("用户名"), "王五");
    EXPECT_EQ(Stored("单位名称"), "新公司");
    EXPECT_EQ(Stored("使用密码"), "是");
    EXPECT_EQ(Stored("密码"), "old");
  });
  // One box emptied is not equal either; then the clerk types them alike.
  Confirm("abc", "");
  Expect(kUnequal, kMbIconStop);
  Confirm("abd", "abd");
  Expect(kSaved);
  Open();
  EXPECT_EQ(Stored("密码"), "abd");
}

TEST_F(SettingsWindowTest, APasswordTheFileWouldChangeIsRefused) {
  Store("密码", "old");
  for (const char* password : {"笑😀", "😀"}) {
    SCOPED_TRACE(password);
    Confirm(password, password);
    Expect("密码含有无法保存的字符", kMbIconStop);
    script_.Do([] {
      ExpectStillOpen();
      EXPECT_EQ(Stored("密码"), "old");
    });
  }
  Confirm(" both ", " both ");  // kept as typed, blanks and all
  Expect(kSaved);
  Open();
  EXPECT_EQ(Stored("密码"), " both ");
}

TEST_F(SettingsWindowTest, AnUnwritableSettingsFileIsReportedAndTheWindowStays) {
  MakeSettingsFileUnwritable();
  script_.Type(W::编辑框1, "张三").Click(W::按钮1);
  Expect("设置保存失败");
  script_.Do([] { ExpectStillOpen(); });
  script_.Close(W::self);
  Open();
}

}  // namespace
