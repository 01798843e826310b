#include "platform/qt/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/qt/qt_font.h"
#include "platform/qt/qt_keys.h"
#include "tests/common/scoped_variable.h"

namespace {

using B = QMessageBox;

TEST(QtMessageBoxTest, ButtonsFollowTheLowNibble) {
  const struct {
    int flags;
    int buttons;
  } cases[] = {
      {0x00, B::Ok},
      {0x01, B::Ok | B::Cancel},
      {0x02, B::Abort | B::Retry | B::Ignore},
      {0x03, B::Yes | B::No | B::Cancel},
      {0x04, B::Yes | B::No},
      {0x05, B::Retry | B::Cancel},
      {0x31, B::Ok | B::Cancel},  // the icon bits do not change the buttons
      {0x44, B::Yes | B::No},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(qtp::MessageBoxButtons(c.flags), c.buttons) << c.flags;
  }
}

TEST(QtMessageBoxTest, ResultsAreTheRawButtonIds) {
  const struct {
    int button, id;
  } cases[] = {{B::Ok, 1},     {B::Cancel, 2}, {B::Abort, 3}, {B::Retry, 4},
               {B::Ignore, 5}, {B::Yes, 6},    {B::No, 7},    {B::NoButton, 2}};
  for (const auto& c : cases) EXPECT_EQ(qtp::MessageBoxResult(c.button), c.id) << c.button;
}

TEST(QtClockTest, DaysCountFrom18991230) {
  EXPECT_EQ(qtp::ToDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))).days, 0.0);
  EXPECT_EQ(qtp::ToDateTime(QDateTime(QDate(1900, 1, 1), QTime(0, 0))).days, 2.0);
  EXPECT_DOUBLE_EQ(qtp::ToDateTime(QDateTime(QDate(2014, 1, 5), QTime(12, 0, 0, 999))).days,
                   41644.5);  // milliseconds are dropped
  qtp::QtPlatform platform;
  const double now = platform.Now().days;
  const double seconds = now * 86400.0;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
  EXPECT_NEAR(now, qtp::ToDateTime(QDateTime::currentDateTime()).days, 2.0 / 86400);
}

TEST(QtPlatformTest, RunProgramStartsWithoutAShell) {
  qtp::QtPlatform platform;
  EXPECT_TRUE(platform.RunProgram("true", true, 1));
  EXPECT_TRUE(platform.RunProgram("sh -c \"exit 3\"", true, 1));  // ran, whatever it returned
  EXPECT_FALSE(platform.RunProgram("/nonexistent/program --flag", true, 1));
  EXPECT_FALSE(platform.RunProgram("/nonexistent/program", false, 1));
  EXPECT_FALSE(platform.RunProgram("   ", false, 1));
}

TEST(QtKeysTest, VirtualKeyCodes) {
  const struct {
    int qt, vk;
  } cases[] = {{Qt::Key_Return, 13}, {Qt::Key_Enter, 13},    {Qt::Key_Escape, 27},
               {Qt::Key_Tab, 9},     {Qt::Key_Backspace, 8}, {Qt::Key_Delete, 46},
               {Qt::Key_Left, 37},   {Qt::Key_Down, 40},     {Qt::Key_A, 65},
               {Qt::Key_Z, 90},      {Qt::Key_0, 48},        {Qt::Key_F1, 112},
               {Qt::Key_F12, 123},   {Qt::Key_Menu, 0}};
  for (const auto& c : cases) EXPECT_EQ(qtp::VirtualKey(c.qt), c.vk) << c.qt;
}

TEST(QtFontTest, DeclaredFacesFallBackToInstalledCjkFonts) {
  const QStringList song = qtp::FontFamilies("宋体");
  EXPECT_EQ(song.front(), QString("宋体"));
  EXPECT_EQ(song.value(1), QString("Noto Serif CJK SC"));
  const QStringList hei = qtp::FontFamilies("黑体字");
  EXPECT_EQ(hei.value(1), QString("Noto Sans CJK SC"));
  EXPECT_TRUE(hei.contains("WenQuanYi Zen Hei"));

  const QFont font = qtp::MakeFont(ui::Font{"微软雅黑", 16, 700});
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_EQ(font.families().value(0), QString("微软雅黑"));
  EXPECT_EQ(qtp::MakeFont(ui::Font{"宋体", -12, 0}).pixelSize(), 12);
  EXPECT_EQ(qtp::MakeFont(ui::Font{"宋体", -12, 0}).weight(), QFont::Normal);
}

}  // namespace

namespace {

// Presses the button of the message box that will be open next, once the loop runs.
void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* seen_text,
                          QString* seen_title) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *seen_text = box->text();
    *seen_title = box->windowTitle();
    box->button(button)->click();
  });
}

TEST(QtMessageBoxTest, AnswersComeBackAsRawIds) {
  qtp::QtPlatform platform;
  const struct {
    int flags;
    QMessageBox::StandardButton answer;
    int id;
  } cases[] = {{0x00, B::Ok, 1},     {0x21, B::Cancel, 2}, {0x02, B::Abort, 3}, {0x05, B::Retry, 4},
               {0x02, B::Ignore, 5}, {0x24, B::Yes, 6},    {0x33, B::No, 7}};
  for (const auto& c : cases) {
    QString text, title;
    AnswerNextMessageBox(c.answer, &text, &title);
    EXPECT_EQ(platform.MessageBox("找不到tallybench。", c.flags, "信息："), c.id) << c.flags;
    EXPECT_EQ(text, QString("找不到tallybench。"));
    EXPECT_EQ(title, QString("信息："));
  }
}

TEST(QtMessageBoxTest, EscapeMeansCancelOrTheOnlyButton) {
  qtp::QtPlatform platform;
  for (const auto& [flags, id] : {std::pair{0x01, 2}, std::pair{0x00, 1}}) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(platform.MessageBox("确定要删除吗？", flags, "信息："), id) << flags;
  }
}

}  // namespace

// A started program reads the UTF-8 file names the programs hand it, whatever the desktop's
// character locale.
TEST(QtStartedProgramsTest, SeeAUtf8CharacterType) {
  const struct {
    std::optional<std::string> lang, lc_all, lc_ctype;
  } cases[] = {
      {std::nullopt, std::nullopt, std::nullopt},
      {"C", std::nullopt, std::nullopt},
      {"C.UTF-8", "C", std::nullopt},
      {std::nullopt, std::nullopt, "POSIX"},
      {"C.UTF-8", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    ScopedVariable lang("LANG", c.lang), all("LC_ALL", c.lc_all), ctype("LC_CTYPE", c.lc_ctype);
    qtp::GiveStartedProgramsUtf8FileNames();
    FILE* child = popen("locale charmap 2>/dev/null", "r");
    ASSERT_NE(child, nullptr);
    char charmap[64] = {};
    ASSERT_NE(fgets(charmap, sizeof charmap, child), nullptr);
    pclose(child);
    EXPECT_STREQ(charmap, "UTF-8\n") << c.lang.value_or("-") << " " << c.lc_all.value_or("-");
  }
}
