// tallybench's tally window on the Qt realisation (offscreen): mouse presses on the window's
// bare client area, the read-only help window they open, the window's icon.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>

#include "common/files.h"
#include "common/platform.h"
#include "common/ui/ui.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window_view.h"
#include "tally/tally_commands.h"
#include "tally/tally_window.h"

namespace {

namespace fs = std::filesystem;
using H = HelpWindow;
using W = TallyWindow;

// What the help window showed while it was open.
struct HelpSeen {
  bool open = false, read_only = false, typing_kept_out = false;
  std::string text;
};

class TallybenchOnQt : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tallybench-qt-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    SetRunDirectoryForTests(root_);
    static int argc = 1;
    static char name[] = "tallybench";
    static char* argv[] = {name, nullptr};
    qtp::StartApplication(argc, argv);
    InstallPlatform(&platform_);
    ASSERT_TRUE(ui::LoadStartWindow(TallyWindowDecl()));
    QApplication::processEvents();
  }
  void TearDown() override {
    ui::ResetFramework();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    InstallPlatform(nullptr);
    SetRunDirectoryForTests("");
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  static qtp::WindowView* TallyView() {
    return static_cast<qtp::WindowView*>(ui::FindWindow(W::self)->realisation);
  }
  // Presses the button at the point of widget; a help window that opens is looked at and
  // closed 100 ms later (the press returns when it is gone).
  static HelpSeen PressAndCloseHelp(QWidget* widget, QPoint at, Qt::MouseButton button) {
    HelpSeen seen;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&seen] { seen = LookAndClose(); });
    guard.start(100);
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    guard.stop();
    return seen;
  }
  // The help window's state; then the user closes it.
  static HelpSeen LookAndClose() {
    HelpSeen seen;
    ui::Window* help = ui::FindWindow(H::self);
    if (!help) return seen;
    seen.open = true;
    ui::Unit* box = ui::FindUnit(H::编辑框1);
    auto* edit = qobject_cast<QPlainTextEdit*>(static_cast<QObject*>(box->realisation));
    if (edit) {
      seen.read_only = edit->isReadOnly();
      const QString before = edit->toPlainText();
      QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
      QApplication::sendEvent(edit, &key);
      seen.typing_kept_out = edit->toPlainText() == before && !before.isEmpty();
    }
    seen.text = box->text;
    ui::user::Close(*help);
    return seen;
  }

  std::string root_;
  qtp::QtPlatform platform_;
};

TEST_F(TallybenchOnQt, ARightPressOnTheBareClientAreaOpensTheReadOnlyHelp) {
  qtp::ClientArea* client = TallyView()->client();
  const QPoint bare(10, 300);  // left of the grid
  ASSERT_EQ(client->childAt(bare), nullptr);
  EXPECT_FALSE(PressAndCloseHelp(client, bare, Qt::LeftButton).open);
  EXPECT_FALSE(PressAndCloseHelp(client, bare, Qt::MiddleButton).open);

  const HelpSeen seen = PressAndCloseHelp(client, bare, Qt::RightButton);
  EXPECT_TRUE(seen.open);
  EXPECT_TRUE(seen.read_only);
  EXPECT_TRUE(seen.typing_kept_out);
  EXPECT_EQ(seen.text, HelpText());
  EXPECT_EQ(ui::FindWindow(H::self), nullptr);
  EXPECT_NE(ui::FindWindow(W::self), nullptr);
}

// A group box is a frame the mouse goes through: a right press on its empty area is the
// window's; a label keeps its own.
TEST_F(TallybenchOnQt, ARightPressOnAUnitIsNotTheWindows) {
  auto* panel = static_cast<QWidget*>(ui::FindUnit(W::分组框1)->realisation);
  ASSERT_EQ(panel->childAt(250, 690), nullptr);
  EXPECT_TRUE(PressAndCloseHelp(panel, QPoint(250, 690), Qt::RightButton).open);
  auto* label = static_cast<QWidget*>(ui::FindUnit(W::TotalMetresLabel)->realisation);
  EXPECT_FALSE(PressAndCloseHelp(label, QPoint(4, 4), Qt::RightButton).open);
  EXPECT_EQ(ui::FindWindow(H::self), nullptr);
}

TEST_F(TallybenchOnQt, TheWindowShowsItsIcon) {
  const QIcon icon = TallyView()->windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixmap(64, 64).size(), QSize(64, 64));
}

}  // namespace
