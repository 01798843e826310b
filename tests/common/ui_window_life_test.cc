// Loading and destroying windows: deferred and at-once destruction, nested modal windows.
#include "tests/common/ui_fixture.h"

namespace {

struct 关闭窗口 {
  static constexpr ui::WindowRef self{"关闭窗口"};
  static constexpr ui::ButtonRef 按钮1{"关闭窗口", "按钮1"};  // closes later
  static constexpr ui::ButtonRef 按钮2{"关闭窗口", "按钮2"};  // closes at once
};

void CloseLater() {
  Note("before");
  ui::DestroyWindowUnit(关闭窗口::self);
  Note(ui::FindWindow(关闭窗口::self) ? "still open" : "gone");
}

void CloseAtOnce() {
  Note("before");
  ui::DestroyWindowUnit(关闭窗口::self, true);
  Note(ui::FindWindow(关闭窗口::self) ? "still open" : "gone");
}

void OnDestroying() { Note("destroying"); }

const ui::WindowDecl kCloseWindow =
    TestWindow("关闭窗口",
               {ui::Declare(关闭窗口::按钮1, {10, 10, 80, 24}),
                ui::Declare(关闭窗口::按钮2, {10, 40, 80, 24})},
               {ui::Bind(关闭窗口::按钮1, ui::Event::kClick, CloseLater),
                ui::Bind(关闭窗口::按钮2, ui::Event::kClick, CloseAtOnce),
                ui::BindWindow(ui::Event::kDestroying, OnDestroying)});

TEST_F(UiTest, DestroyWithoutAtOnceLetsTheHandlerFinishFirst) {
  script_.Click(关闭窗口::按钮1);
  ASSERT_TRUE(Run([] {
    ui::LoadWindow(kCloseWindow, true);
    Note("returned");
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"before", "still open", "destroying", "returned"}));
}

TEST_F(UiTest, DestroyAtOnceIsDoneBeforeTheCallReturns) {
  script_.Click(关闭窗口::按钮2);
  ASSERT_TRUE(Run([] {
    ui::LoadWindow(kCloseWindow, true);
    Note("returned");
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"before", "destroying", "gone", "returned"}));
}

TEST_F(UiTest, TheCloseBoxRunsTheDestroyingEventAndEndsTheLoop) {
  script_.Close(关闭窗口::self);
  ASSERT_TRUE(Run([] {
    ASSERT_TRUE(ui::LoadStartWindow(kCloseWindow));
    ui::RunMessageLoop();
    Note(ui::LiveWindows().empty() ? "no window" : "windows left");
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"destroying", "no window"}));
}

TEST_F(UiTest, AWindowOfTheSameNameIsNotLoadedTwice) {
  ASSERT_TRUE(Run([] {
    EXPECT_TRUE(ui::LoadWindow(kCloseWindow, false));
    EXPECT_FALSE(ui::LoadWindow(kCloseWindow, false));
    EXPECT_EQ(ui::LiveWindows().size(), 1u);
  })) << failure_;
}

// ---- Nested modal windows ----

struct 外窗口 {
  static constexpr ui::WindowRef self{"外窗口"};
  static constexpr ui::ButtonRef 按钮1{"外窗口", "按钮1"};
};
struct 中窗口 {
  static constexpr ui::WindowRef self{"中窗口"};
  static constexpr ui::ButtonRef 按钮1{"中窗口", "按钮1"};
};
struct 内窗口 {
  static constexpr ui::WindowRef self{"内窗口"};
  static constexpr ui::ButtonRef 按钮1{"内窗口", "按钮1"};
};

extern const ui::WindowDecl kMiddle, kInner;

void OpenMiddle() {
  ui::LoadWindow(kMiddle, true);
  Note("middle returned");
}
void OpenInner() {
  ui::LoadWindow(kInner, true);
  Note("inner returned");
}
void CloseInner() { ui::DestroyWindowUnit(内窗口::self); }

const ui::WindowDecl kOuter = TestWindow("外窗口", {ui::Declare(外窗口::按钮1, {0, 0, 10, 10})},
                                         {ui::Bind(外窗口::按钮1, ui::Event::kClick, OpenMiddle)});
const ui::WindowDecl kMiddle =
    TestWindow("中窗口", {ui::Declare(中窗口::按钮1, {0, 0, 10, 10})},
               {ui::Bind(中窗口::按钮1, ui::Event::kClick, OpenInner),
                ui::BindWindow(ui::Event::kDestroying, [] { Note("middle destroying"); })});
const ui::WindowDecl kInner =
    TestWindow("内窗口", {ui::Declare(内窗口::按钮1, {0, 0, 10, 10})},
               {ui::Bind(内窗口::按钮1, ui::Event::kClick, CloseInner),
                ui::BindWindow(ui::Event::kDestroying, [] { Note("inner destroying"); })});

TEST_F(UiTest, NestedModalWindowsReturnInOrder) {
  script_.Click(外窗口::按钮1)
      .Click(中窗口::按钮1)
      .Do([] { EXPECT_EQ(ui::ActiveWindow(), ui::FindWindow(内窗口::self)); })
      .Click(内窗口::按钮1)
      .Close(中窗口::self)
      .Close(外窗口::self);
  ASSERT_TRUE(Run([] {
    ui::LoadStartWindow(kOuter);
    ui::RunMessageLoop();
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"inner destroying", "inner returned",
                                             "middle destroying", "middle returned"}));
}

TEST_F(UiTest, AWindowUnderAModalOneTakesNoInput) {
  script_.Click(外窗口::按钮1).Click(外窗口::按钮1);
  EXPECT_FALSE(Run([] {
    ui::LoadStartWindow(kOuter);
    ui::RunMessageLoop();
  }));
  EXPECT_NE(failure_.find("click 外窗口.按钮1: window 外窗口 does not take input"),
            std::string::npos)
      << failure_;
  EXPECT_NE(failure_.find("中窗口 is above it"), std::string::npos) << failure_;
}

// A handler that asks its window to close and then opens a modal dialog: the dialog's own
// loop does not close the asking window; it goes when that handler has finished.
struct 询问窗口 {
  static constexpr ui::WindowRef self{"询问窗口"};
  static constexpr ui::ButtonRef 按钮1{"询问窗口", "按钮1"};
};

void CloseThenAsk() {
  ui::DestroyWindowUnit(询问窗口::self);
  ui::LoadWindow(kInner, true);
  Note(ui::FindWindow(询问窗口::self) ? "asker still open" : "asker gone");
}

const ui::WindowDecl kAsker =
    TestWindow("询问窗口", {ui::Declare(询问窗口::按钮1, {})},
               {ui::Bind(询问窗口::按钮1, ui::Event::kClick, CloseThenAsk),
                ui::BindWindow(ui::Event::kDestroying, [] { Note("asker destroying"); })});

TEST_F(UiTest, ANestedModalLoopKeepsTheDeferredDestructionOfTheWindowBelow) {
  script_.Click(询问窗口::按钮1)
      .Do([] {
        ui::Window* asker = ui::FindWindow(询问窗口::self);
        ASSERT_NE(asker, nullptr);
        EXPECT_FALSE(ui::TakesInput(*asker));
      })
      .Click(内窗口::按钮1);
  ASSERT_TRUE(Run([] {
    ui::LoadStartWindow(kAsker);
    ui::RunMessageLoop();
  })) << failure_;
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"inner destroying", "asker still open", "asker destroying"}));
}

// ---- Created event ----

struct 自关窗口 {
  static constexpr ui::WindowRef self{"自关窗口"};
};

const ui::WindowDecl kClosesInCreated =
    TestWindow("自关窗口", {},
               {ui::BindWindow(ui::Event::kCreated,
                               [] {
                                 Note(ui::GetWindowVisible(自关窗口::self) ? "visible" : "hidden");
                                 ui::DestroyWindowUnit(自关窗口::self);
                                 Note("created done");
                               }),
                ui::BindWindow(ui::Event::kDestroying, [] { Note("destroying"); })});

TEST_F(UiTest, AModalWindowClosedByItsCreatedHandlerReturnsAtOnce) {
  ASSERT_TRUE(Run([] {
    EXPECT_TRUE(ui::LoadWindow(kClosesInCreated, true));
    Note("returned");
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"visible", "created done", "destroying", "returned"}));
}

const ui::WindowDecl kHiddenStart = TestWindow(
    "自关窗口", {}, {ui::BindWindow(ui::Event::kCreated, [] { Note("created"); })}, true);

TEST_F(UiTest, AStartWindowDeclaredHiddenStaysHidden) {
  ASSERT_TRUE(Run([] {
    ASSERT_TRUE(ui::LoadStartWindow(kHiddenStart));
    EXPECT_FALSE(ui::GetWindowVisible(自关窗口::self));
    EXPECT_FALSE(ui::TakesInput(*ui::FindWindow(自关窗口::self)));
    ui::SetWindowVisible(自关窗口::self, true);
    EXPECT_TRUE(ui::TakesInput(*ui::FindWindow(自关窗口::self)));
  })) << failure_;
  EXPECT_EQ(Log(), (std::vector<std::string>{"created"}));
}

}  // namespace
