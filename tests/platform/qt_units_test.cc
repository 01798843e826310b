// The rest of the unit kinds: mouse on labels, dates, number boxes, pop-up menus, tips, sounds,
// and the user's resizing of a window.
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "common/dates.h"
#include "platform/qt/qt_balloon.h"
#include "tests/platform/demo_window.h"
#include "tests/platform/qt_fixture.h"

namespace {

using D = demo::DemoWindow;
using qtest::QtWindowTest;

int g_downs = 0, g_ups = 0, g_copies = 0, g_resized = 0;
void OnDown() { ++g_downs; }
void OnUp() { ++g_ups; }
void OnCopy() { ++g_copies; }
void OnResized() { ++g_resized; }

class QtUnitsTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    g_downs = g_ups = g_copies = g_resized = 0;
    decl_ = demo::MakeDemoWindow({
        ui::Bind(D::透明标签1, ui::Event::kMouseDown, OnDown),
        ui::Bind(D::透明标签1, ui::Event::kMouseUp, OnUp),
        ui::Bind(D::复制, ui::Event::kClick, OnCopy),
        ui::BindWindow(ui::Event::kResized, OnResized),
    });
    ASSERT_TRUE(ui::LoadStartWindow(decl_));
    Settle();
  }
  static void Mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(2, 2);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
  ui::WindowDecl decl_;
};

TEST_F(QtUnitsTest, TransparentLabelTakesTheLeftButton) {
  QWidget* label = WidgetOf(D::透明标签1);
  Mouse(label, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(g_downs, 0);
  Mouse(label, QEvent::MouseButtonPress, Qt::LeftButton);
  Mouse(label, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(g_downs, 1);
  EXPECT_EQ(g_ups, 1);
  ui::SetVisible(D::透明标签1, false);  // hidden: no longer takes the mouse
  Mouse(label, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(g_downs, 1);
}

TEST_F(QtUnitsTest, ChosenDayKeepsTheTimeOfDay) {
  ui::SetDate(D::日期框1, MakeDateTime(2014, 1, 5, 8, 30, 0));
  auto* box = WidgetOf<ui::Kind::kDateBox, QDateEdit>(D::日期框1);
  EXPECT_EQ(box->date(), QDate(2014, 1, 5));
  box->setDate(QDate(2014, 2, 1));  // as the user's choice in the calendar
  EXPECT_EQ(ui::GetDate(D::日期框1), MakeDateTime(2014, 2, 1, 8, 30, 0));
}

TEST_F(QtUnitsTest, NumberBoxesShowTheModelsNormalisedText) {
  auto* number = WidgetOf<ui::Kind::kEdit, QLineEdit>(D::编辑框3);
  ASSERT_NE(number->validator(), nullptr);
  number->setText("");
  emit number->textEdited("99999999999");
  EXPECT_EQ(ui::GetText(D::编辑框3), "2147483647");
  emit number->editingFinished();
  EXPECT_EQ(number->text(), QString("2147483647"));

  auto* lines = WidgetOf<ui::Kind::kEdit, QPlainTextEdit>(D::编辑框4);
  lines->setPlainText("甲\n乙");  // as typed: the model follows
  EXPECT_EQ(ui::GetText(D::编辑框4), "甲\n乙");
  ui::AppendEditText(D::编辑框4, "丙");
  EXPECT_EQ(lines->toPlainText(), QString("甲\n乙丙"));
}

TEST_F(QtUnitsTest, PopupMenuItemRunsItsHandler) {
  QTimer::singleShot(20, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().front()->text(), QString("复制"));
    menu->actions().front()->trigger();
    menu->close();
  });
  ui::PopupMenu(D::kWindow, D::右键菜单.name, 10, 10);
  EXPECT_EQ(g_copies, 1);
}

TEST_F(QtUnitsTest, BalloonTipShowsItsText) {
  ui::AddBalloonTip(D::气球提示框1, 100, 100, "请输入根数\r\n右键帮助", 1);
  auto* balloon = WindowWidget(D::kWindow)->findChild<qtp::BalloonTip*>();
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->isVisible());
  EXPECT_EQ(balloon->text(), QString("请输入根数\n右键帮助"));
  EXPECT_EQ(balloon->tip(), QPoint(100, 100));
  EXPECT_TRUE(balloon->geometry().contains(QPoint(100, 100)));  // its stem points there
  QTest::mouseClick(balloon, Qt::LeftButton);
  EXPECT_FALSE(balloon->isVisible());
}

TEST_F(QtUnitsTest, SoundsNeverWait) {
  // A tiny silent WAV: 44-byte header, 8 kHz mono 8-bit, 800 samples.
  ByteSet wav = {'R', 'I', 'F', 'F', 0x44, 3, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
                 ' ', 16,  0,   0,   0,    1, 0,   1,   0,   0x40, 0x1F, 0,   0,   0x40, 0x1F,
                 0,   0,   1,   0,   8,    0, 'd', 'a', 't', 'a',  0x20, 3,   0,   0};
  wav.resize(wav.size() + 800, 128);
  QElapsedTimer clock;
  clock.start();
  ui::PlaySoundClip(wav, true);
  ui::PlaySoundClip(wav, false);
  ui::PlaySoundClip(ByteSet{}, false);  // stops
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(QtUnitsTest, UserResizeReachesTheModelAsOuterSize) {
  EXPECT_EQ(g_resized, 1);  // its first showing
  QWidget* window = WindowWidget(D::kWindow);
  window->resize(700, 500);
  EXPECT_EQ(ui::GetWindowWidth(D::kWindow), 700 + 16);
  EXPECT_EQ(ui::GetWindowHeight(D::kWindow), 500 + 39);
  EXPECT_EQ(g_resized, 2);
  // The program's write raises the event once (the framework's), not again through the widget.
  ui::SetWindowSize(D::kWindow, 640, 480);
  Settle();
  EXPECT_EQ(g_resized, 3);
  EXPECT_EQ(window->size(), QSize(640 - 16, 480 - 39));
}

TEST_F(QtUnitsTest, FocusGoesToTheUnit) {
  QWidget* window = WindowWidget(D::kWindow);
  window->activateWindow();
  ui::SetFocusToUnit(D::编辑框2);
  Settle();
  EXPECT_TRUE(WidgetOf(D::编辑框2)->hasFocus() ||
              QApplication::focusWidget() == nullptr);  // offscreen may not activate
  EXPECT_EQ(WidgetOf(D::编辑框2)->window()->focusWidget(), WidgetOf(D::编辑框2));
}

}  // namespace
