// The scripted platform: message boxes against the script, failures that name what went
// wrong, the clock and its timers, the recorded desktop calls.
#include "platform/scripted/scripted_platform.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/env.h"
#include "common/ui/ui.h"

namespace {

struct 脚本窗口 {
  static constexpr ui::WindowRef self{"脚本窗口"};
  static constexpr ui::ButtonRef 按钮1{"脚本窗口", "按钮1"};  // asks OK/Cancel
  static constexpr ui::ButtonRef 按钮2{"脚本窗口", "按钮2"};  // opens the modal dialog
  static constexpr ui::TimerRef 时钟1{"脚本窗口", "时钟1"};
  static constexpr ui::MenuItemRef 菜单退出{"脚本窗口", "菜单退出"};
};
struct 对话窗口 {
  static constexpr ui::WindowRef self{"对话窗口"};
};
using W = 脚本窗口;

int g_answer = 0;
int g_ticks = 0;
std::vector<double> g_tick_times;

void AskSave() { g_answer = CurrentPlatform().MessageBox("确定保存吗？", 1, "信息："); }
void OnTick() {
  ++g_ticks;
  g_tick_times.push_back(CurrentPlatform().Now().days);
}

ui::WindowDecl MakeDialog() {
  ui::WindowDecl d;
  d.name = "对话窗口";
  d.rect = {0, 0, 200, 100};
  return d;
}
const ui::WindowDecl kDialog = MakeDialog();

ui::WindowDecl MakeScriptWindow() {
  ui::WindowDecl d;
  d.name = "脚本窗口";
  d.rect = {0, 0, 640, 480};
  ui::MenuDecl file;
  file.caption = "文件";
  ui::MenuDecl quit;
  quit.caption = "退出";
  quit.name = "菜单退出";
  file.items = {quit};
  d.menu = {file};
  d.units = {ui::Declare(W::按钮1, {}), ui::Declare(W::按钮2, {}),
             ui::Declare(W::时钟1, {}).Interval(1000)};
  d.bindings = {ui::Bind(W::按钮1, ui::Event::kClick, AskSave),
                ui::Bind(W::按钮2, ui::Event::kClick, [] { ui::LoadWindow(kDialog, true); }),
                ui::Bind(W::时钟1, ui::Event::kTick, OnTick),
                ui::Bind(W::菜单退出, ui::Event::kClick, [] { ui::DestroyWindowUnit(W::self); })};
  return d;
}
const ui::WindowDecl kScriptWindow = MakeScriptWindow();

class ScriptedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_answer = 0;
    g_ticks = 0;
    g_tick_times.clear();
  }
  // Opens 脚本窗口 and runs the message loop against the script.
  bool RunWindow() {
    return RunScripted(
        script_,
        [] {
          ui::LoadStartWindow(kScriptWindow);
          ui::RunMessageLoop();
        },
        &failure_);
  }
  bool Contains(const std::string& part) const { return failure_.find(part) != std::string::npos; }

  ScriptedPlatform script_;
  std::string failure_;
};

TEST_F(ScriptedTest, AnExpectedMessageBoxIsAnswered) {
  script_.Click(W::按钮1)
      .ExpectMessageBox("确定保存吗？", 1, "信息：", kPressCancel)
      .ChooseMenu(W::菜单退出);
  ASSERT_TRUE(RunWindow()) << failure_;
  EXPECT_EQ(g_answer, kPressCancel);
  ASSERT_EQ(script_.message_boxes().size(), 1u);
  EXPECT_EQ(script_.message_boxes()[0].text, "确定保存吗？");
}

TEST_F(ScriptedTest, AnUnexpectedMessageBoxFailsWithItsText) {
  script_.Click(W::按钮1).ChooseMenu(W::菜单退出);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("unexpected message box \"确定保存吗？\"")) << failure_;
  EXPECT_TRUE(Contains("choose menu item 脚本窗口.菜单退出")) << failure_;
}

TEST_F(ScriptedTest, AMessageBoxOtherThanTheExpectedOneFailsNamingBoth) {
  script_.Click(W::按钮1).ExpectMessageBox("保存成功");
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("\"确定保存吗？\" (flags 1")) << failure_;
  EXPECT_TRUE(Contains("expected message box \"保存成功\" (flags 0")) << failure_;
}

TEST_F(ScriptedTest, AnAnswerTheBoxHasNotFails) {
  script_.Click(W::按钮1).ExpectMessageBox("确定保存吗？", 1, "信息：", kPressYes);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("has no button 6")) << failure_;
}

TEST_F(ScriptedTest, AnExpectedBoxThatIsNotShownFails) {
  script_.ExpectMessageBox("保存成功");
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("expected message box \"保存成功\" but none was shown")) << failure_;
}

TEST_F(ScriptedTest, AScriptThatRunsDryFailsWithTheWaitingWindowsName) {
  script_.Click(W::按钮2);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("ran dry while window 对话窗口 waits for input")) << failure_;
}

TEST_F(ScriptedTest, AStepOnAWindowUnderAModalOneFails) {
  script_.Click(W::按钮2).Click(W::按钮1);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("click 脚本窗口.按钮1: window 脚本窗口 does not take input")) << failure_;
}

TEST_F(ScriptedTest, AStepOnAWindowThatIsNotOpenFails) {
  script_.Close(对话窗口::self);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("close window 对话窗口: window 对话窗口 is not open")) << failure_;
}

TEST_F(ScriptedTest, StepsLeftUnusedFail) {
  script_.ChooseMenu(W::菜单退出).Click(W::按钮1);
  EXPECT_FALSE(RunWindow());
  EXPECT_TRUE(Contains("1 step(s) left unused:\n  click 脚本窗口.按钮1")) << failure_;
}

TEST_F(ScriptedTest, TimersTickOnTheScriptsClock) {
  DateTime start = script_.Now();
  script_.Wait(2500)
      .Do([] { EXPECT_EQ(g_ticks, 2); })
      .Wait(500)  // the half second left over completes the third interval
      .Do([] { ui::SetInterval(W::时钟1, 0); })
      .Wait(5000)
      .ChooseMenu(W::菜单退出);
  ASSERT_TRUE(RunWindow()) << failure_;
  EXPECT_EQ(g_ticks, 3);
  ASSERT_EQ(g_tick_times.size(), 3u);
  EXPECT_DOUBLE_EQ(g_tick_times[0], start.days + 1.0 / 86400);
  EXPECT_DOUBLE_EQ(script_.Now().days, start.days + 8.0 / 86400);
}

TEST_F(ScriptedTest, ATimerTicksUnderAModalWindow) {
  script_.Click(W::按钮2).Wait(1000).Close(对话窗口::self).ChooseMenu(W::菜单退出);
  ASSERT_TRUE(RunWindow()) << failure_;
  EXPECT_EQ(g_ticks, 1);
}

TEST_F(ScriptedTest, DesktopCallsAreRecordedAndAnsweredFromTheScript) {
  script_.AnswerRunProgram(false);
  script_.AnswerFolder("/tmp/备份");
  script_.SetNow(DateTime{40000.5});
  ASSERT_TRUE(RunScripted(
      script_,
      [] {
        Platform& p = CurrentPlatform();
        EXPECT_FALSE(p.RunProgram("calc", false, 1));
        EXPECT_TRUE(p.RunProgram("notepad 说明.txt", true, 1));
        EXPECT_EQ(p.BrowseForFolder("选择文件夹", false), "/tmp/备份");
        EXPECT_EQ(p.BrowseForFolder("选择文件夹", true), "");
        p.OpenWebPage("http://example.com/");
        EXPECT_EQ(p.Now().days, 40000.5);
      },
      &failure_))
      << failure_;
  ASSERT_EQ(script_.programs().size(), 2u);
  EXPECT_EQ(script_.programs()[1].command_line, "notepad 说明.txt");
  EXPECT_EQ(script_.folder_requests().size(), 2u);
  EXPECT_EQ(script_.web_pages(), (std::vector<std::string>{"http://example.com/"}));
}

TEST_F(ScriptedTest, ResizeRaisesTheResizedEventAndTheClientHeightFollows) {
  static int client = 0;
  static ui::WindowDecl decl = [] {
    ui::WindowDecl d = MakeDialog();
    d.bindings = {
        ui::BindWindow(ui::Event::kResized, [] { client = ui::GetClientHeight(对话窗口::self); })};
    return d;
  }();
  script_.Resize(对话窗口::self, 300, 130).Close(对话窗口::self);
  ASSERT_TRUE(RunScripted(
      script_, [] { ui::LoadWindow(decl, true); }, &failure_))
      << failure_;
  EXPECT_EQ(client, 130 - ScriptedPlatform::kFrameHeight);
}

}  // namespace

namespace {

struct 弹出窗口 {
  static constexpr ui::WindowRef self{"弹出窗口"};
  static constexpr ui::MenuItemRef 弹出菜单{"弹出窗口", "弹出菜单"};
  static constexpr ui::MenuItemRef 菜单帮助{"弹出窗口", "菜单帮助"};
};

ui::WindowDecl MakePopupWindow() {
  ui::WindowDecl d;
  d.name = "弹出窗口";
  ui::MenuDecl help;
  help.caption = "帮助";
  help.name = "菜单帮助";
  ui::MenuDecl popup;
  popup.caption = "弹出";
  popup.name = "弹出菜单";
  popup.visible = false;  // serves as a pop-up only
  popup.items = {help};
  d.menu = {popup};
  d.bindings = {ui::Bind(弹出窗口::菜单帮助, ui::Event::kClick, [] { ++g_ticks; })};
  return d;
}
const ui::WindowDecl kPopupWindow = MakePopupWindow();

TEST_F(ScriptedTest, AnItemOfAHiddenPopupMenuIsChosenAfterThePopup) {
  script_.Do([] { ui::PopupMenu(弹出窗口::self, "弹出菜单"); })
      .ChooseMenu(弹出窗口::菜单帮助)
      .Close(弹出窗口::self);
  ASSERT_TRUE(RunScripted(
      script_, [] { ui::LoadWindow(kPopupWindow, true); }, &failure_))
      << failure_;
  EXPECT_EQ(g_ticks, 1);
  ASSERT_EQ(script_.popups().size(), 1u);
  EXPECT_EQ(script_.popups()[0].menu, "弹出菜单");
  EXPECT_EQ(script_.popups()[0].x, -1);
}

TEST_F(ScriptedTest, ExpectedFlagsNeedNotCarryTheTaskModalBit) {
  struct Case {
    int shown, expected;
    bool matches;
  };
  const Case cases[] = {{0x2000 | 16, 16, true},
                        {16, 16, true},
                        {0x2000 | 16, 0x2000 | 16, true},
                        {0x2000 | 16, 48, false},
                        {0x1000 | 16, 16, false}};
  for (const Case& c : cases) {
    ScriptedPlatform script;
    script.ExpectMessageBox("打印机初始化出错,请检查打印设置!", c.expected, "错误");
    std::string failure;
    bool ok = RunScripted(
        script,
        [&] { CurrentPlatform().MessageBox("打印机初始化出错,请检查打印设置!", c.shown, "错误"); },
        &failure);
    EXPECT_EQ(ok, c.matches) << c.shown << " " << c.expected << " " << failure;
  }
}

}  // namespace

TEST_F(ScriptedTest, ASoundPlaysFromItsBytesOrItsFileAndAMissingFilePlaysNothing) {
  const std::string file = ::testing::TempDir() + "/嘀.wav";
  ASSERT_TRUE(ReplaceFileDurably(file, ByteSet{'R', 'I', 'F', 'F'}));
  ASSERT_TRUE(RunScripted(
      script_,
      [&file] {
        ui::PlaySoundClip(ByteSet{'R', 'I', 'F', 'F'});
        ui::PlaySoundClip(file);
        ui::PlaySoundClip(file + ".missing");
      },
      &failure_))
      << failure_;
  EXPECT_EQ(script_.sounds_played(), 2);
  std::remove(file.c_str());
}
