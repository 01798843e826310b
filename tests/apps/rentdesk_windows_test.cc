// rentdesk's login and main window on the Qt realisation (offscreen): the clerk logs in and
// leaves; both windows are rendered to PNG files for a look (in $RENT_TEST_OUTPUT, else test-output
// in the build folder).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>

#include "common/files.h"
#include "common/platform.h"
#include "common/ui/ui.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/program_entry.h"
#include "platform/qt/qt_platform.h"

namespace {

namespace fs = std::filesystem;

// The shown top-level widget whose title is (or is not, when others is true) title.
QWidget* ShownWindow(const QString& title, bool others = false) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && (w->windowTitle() == title) != others) return w;
  }
  return nullptr;
}

// The window as the clerk sees it: active, the focused box with its caret (drawn without
// blinking), so that the picture is the same at every run.
QImage Render(QWidget* w) {
  if (!w) return QImage();
  QApplication::setCursorFlashTime(0);
  w->activateWindow();
  QApplication::processEvents();
  return w->grab().toImage();
}

// The picture's colour at x, y is clearly blue (the 登录 button drawn under the login area).
bool Bluish(const QImage& image, int x, int y) {
  QColor c = image.pixelColor(x, y);
  return c.blue() > c.red() + 60 && c.blue() > 120;
}

class RentdeskOnQt : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "rentdesk-qt-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ + "/run");
    fs::create_directories(root_ + "/home");
    const char* home = getenv("HOME");
    old_home_ = home ? home : "";
    setenv("HOME", (root_ + "/home").c_str(), 1);
    SetRunDirectoryForTests(root_ + "/run");
    const char* out = getenv("RENT_TEST_OUTPUT");
    out_ = out && *out ? out : RENT_TEST_OUTPUT_DIR;
    fs::create_directories(out_);
  }
  void TearDown() override {
    SetRunDirectoryForTests("");
    setenv("HOME", old_home_.c_str(), 1);
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string root_, old_home_, out_;
};

TEST_F(RentdeskOnQt, TheClerkLogsInAndLeavesAndBothWindowsRender) {
  static int argc = 1;
  static char name[] = "rentdesk";
  static char* argv[] = {name, nullptr};
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  QImage login, main;
  bool logged_in = false;
  QTimer::singleShot(300, [&] {
    login = Render(ShownWindow("墨川租赁软件", true));
    ui::Unit* area = ui::FindUnit(LoginWindow::透明标签1);
    logged_in = area && ui::user::MouseDown(*area);
    QTimer::singleShot(300, [&] {
      main = Render(ShownWindow("墨川租赁软件"));
      if (ui::Unit* exit = ui::FindUnit(MainWindow::退出系统)) ui::user::Click(*exit);
    });
  });
  // Should a step above fail, the program is still ended (a timer of this test only: it must
  // not end the windows of a later test run in the same process).
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    for (ui::Window* w : ui::LiveWindows()) ui::DestroyWindowUnit(ui::WindowRef{w->name.c_str()});
  });
  guard.start(10000);
  EXPECT_EQ(ProgramEntry(), 0);
  ui::SetBackend(nullptr);  // the program's backend was this test's platform
  InstallPlatform(nullptr);
  EXPECT_TRUE(logged_in);
  ASSERT_FALSE(login.isNull());
  ASSERT_FALSE(main.isNull());
  EXPECT_TRUE(login.save(QString::fromStdString(out_ + "/rentdesk_login.png")));
  EXPECT_TRUE(main.save(QString::fromStdString(out_ + "/rentdesk_main.png")));
  // The client areas: the declared outer sizes less the frame (and the main window's menu).
  EXPECT_GT(login.width(), 600);
  EXPECT_GT(login.height(), 360);
  EXPECT_GT(main.width(), 900);
  EXPECT_GT(main.height(), 480);
  // The background picture is drawn and lines up: the 登录 button lies under the login area
  // (360, 240; 72 x 24), the light panel just below it.
  EXPECT_TRUE(Bluish(login, 396, 252));
  EXPECT_TRUE(Bluish(login, 364, 244));
  EXPECT_TRUE(Bluish(login, 428, 260));
  EXPECT_FALSE(Bluish(login, 396, 274));  // the light panel below the button
  EXPECT_TRUE(fs::exists(root_ + "/home/租赁数据备份")) << "the backup at exit ran";
}

}  // namespace
