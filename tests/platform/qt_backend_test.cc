// The Qt realisation follows the window model and reports the user's actions through the
// same framework calls the scripted platform makes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>

#include "tests/platform/demo_window.h"
#include "tests/platform/qt_fixture.h"

namespace {

using D = demo::DemoWindow;
using qtest::QtWindowTest;

struct Seen {
  int clicks = 0, changes = 0, menu = 0, choices = 0, ticks = 0, pages = 0, keys = 0;
  int last_key = 0, last_char = 0;
  std::string text_at_change;
};
Seen seen;

void OnClick() { ++seen.clicks; }
void OnChanged() {
  ++seen.changes;
  seen.text_at_change = ui::GetText(D::编辑框1);
}
void OnMenuOpen() { ++seen.menu; }
void OnChoice() { ++seen.choices; }
void OnTick() { ++seen.ticks; }
void OnPage() { ++seen.pages; }
void OnKey(const ui::EventArgs& args) {
  ++seen.keys;
  seen.last_key = args.code;
}
void OnChar(const ui::EventArgs& args) { seen.last_char = args.code; }

class QtBackendTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    seen = {};
    decl_ = demo::MakeDemoWindow({
        ui::Bind(D::按钮1, ui::Event::kClick, OnClick),
        ui::Bind(D::编辑框1, ui::Event::kChanged, OnChanged),
        ui::Bind(D::编辑框1, ui::Event::kKeyDown, OnKey),
        ui::Bind(D::编辑框1, ui::Event::kChar, OnChar),
        ui::Bind(D::打开, ui::Event::kClick, OnMenuOpen),
        ui::Bind(D::组合框1, ui::Event::kSelectionChanged, OnChoice),
        ui::Bind(D::时钟1, ui::Event::kTick, OnTick),
        ui::Bind(D::选择夹1, ui::Event::kPageChanged, OnPage),
    });
    ASSERT_TRUE(ui::LoadStartWindow(decl_));
    Settle();
  }
  ui::WindowDecl decl_;
};

TEST_F(QtBackendTest, UnitsStandAtTheirDeclaredPlacesWithTheirCaptions) {
  QWidget* window = WindowWidget(D::kWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QString("演示窗口"));
  EXPECT_EQ(window->size(), QSize(640 - 16, 480 - 39));  // the outer size less the frame
  EXPECT_TRUE(window->isVisible());

  auto* label = WidgetOf<ui::Kind::kLabel, QLabel>(D::标签1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QString("合同编号："));
  EXPECT_EQ(label->geometry(), QRect(10, 10, 200, 24));
  EXPECT_EQ(label->font().pixelSize(), 20);
  EXPECT_EQ((WidgetOf<ui::Kind::kButton, QPushButton>(D::按钮1)->text()), QString("确定"));
  EXPECT_EQ((WidgetOf<ui::Kind::kEdit, QLineEdit>(D::编辑框1)->text()), QString("建设单位"));
  EXPECT_EQ((WidgetOf<ui::Kind::kEdit, QLineEdit>(D::编辑框2)->echoMode()), QLineEdit::Password);
  EXPECT_NE((WidgetOf<ui::Kind::kEdit, QPlainTextEdit>(D::编辑框4)), nullptr);
  EXPECT_EQ((WidgetOf<ui::Kind::kGroupBox, QGroupBox>(D::分组框1)->title()), QString("计算方法"));
  EXPECT_EQ((WidgetOf<ui::Kind::kCombo, QComboBox>(D::组合框1)->count()), 2);

  // Units in a group box or on a tab page sit in it, placed relative to it.
  QWidget* radio = WidgetOf(D::单选框1);
  EXPECT_EQ(radio->parentWidget(), WidgetOf(D::分组框1));
  EXPECT_EQ(radio->geometry(), QRect(10, 20, 120, 20));
  auto* tabs = WidgetOf<ui::Kind::kTab, QTabWidget>(D::选择夹1);
  EXPECT_EQ(WidgetOf(D::按钮2)->parentWidget(), tabs->widget(1));
  EXPECT_EQ(tabs->tabText(0), QString("钢管"));

  // The client area lies below the menu bar.
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ui::GetClientHeight(D::kWindow), 480 - 39 - bar->sizeHint().height());
  EXPECT_EQ(label->mapTo(window, QPoint(0, 0)), QPoint(10, 10 + bar->sizeHint().height()));
}

TEST_F(QtBackendTest, ClicksAndTypingReachTheHandlers) {
  WidgetOf<ui::Kind::kButton, QPushButton>(D::按钮1)->click();
  EXPECT_EQ(seen.clicks, 1);

  auto* edit = WidgetOf<ui::Kind::kEdit, QLineEdit>(D::编辑框1);
  edit->setFocus();
  edit->end(false);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(edit, &press);
  EXPECT_EQ(seen.changes, 1);
  EXPECT_EQ(seen.text_at_change, "建设单位a");  // the model holds the text when the handler runs
  EXPECT_EQ(seen.last_key, 65);
  EXPECT_EQ(seen.last_char, 'a');
  EXPECT_EQ(ui::GetText(D::编辑框1), "建设单位a");

  // What the program writes shows, and raises no event.
  ui::SetText(D::编辑框1, "钢管租赁");
  EXPECT_EQ(edit->text(), QString("钢管租赁"));
  EXPECT_EQ(seen.changes, 1);
}

// A combo box and a tab: the user's choice reaches the model and its handler once; the
// program's choice shows on the widget and raises no event.
TEST_F(QtBackendTest, ChoicesGoThroughTheModel) {
  auto* combo = WidgetOf<ui::Kind::kCombo, QComboBox>(D::组合框1);
  auto* tabs = WidgetOf<ui::Kind::kTab, QTabWidget>(D::选择夹1);
  ASSERT_NE(combo, nullptr);
  ASSERT_NE(tabs, nullptr);
  struct Choice {
    const char* what;
    std::function<void(int)> user_chooses;
    std::function<int()> model;
    std::function<void(int)> program_chooses;
    std::function<int()> shown;
    int Seen::*events;
  };
  const Choice choices[] = {
      {"combo", [&](int i) { emit combo->activated(i); },
       [] { return ui::GetSelectedIndex(D::组合框1); },
       [](int i) { ui::SetSelectedIndex(D::组合框1, i); }, [&] { return combo->currentIndex(); },
       &Seen::choices},
      {"tab", [&](int i) { tabs->setCurrentIndex(i); },
       [] { return ui::GetCurrentPage(D::选择夹1); },
       [](int i) { ui::SetCurrentPage(D::选择夹1, i); }, [&] { return tabs->currentIndex(); },
       &Seen::pages},
  };
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.what);
    c.user_chooses(1);
    EXPECT_EQ(seen.*c.events, 1);
    EXPECT_EQ(c.model(), 1);
    c.program_chooses(0);
    EXPECT_EQ(c.shown(), 0);
    EXPECT_EQ(seen.*c.events, 1);
  }
}

TEST_F(QtBackendTest, SlidersAndCheckBoxesReachTheModel) {
  auto* slider = WidgetOf<ui::Kind::kSlider, QSlider>(D::滑块条1);
  slider->setValue(30);
  EXPECT_EQ(ui::GetSliderValue(D::滑块条1), 30);

  WidgetOf<ui::Kind::kCheckBox, QCheckBox>(D::选择框1)->click();
  EXPECT_TRUE(ui::GetChecked(D::选择框1));
}

TEST_F(QtBackendTest, RadiosFollowTheModelNotQt) {
  auto* first = WidgetOf<ui::Kind::kRadio, QRadioButton>(D::单选框1);
  auto* second = WidgetOf<ui::Kind::kRadio, QRadioButton>(D::单选框2);
  EXPECT_TRUE(first->isChecked());
  second->click();
  EXPECT_TRUE(ui::GetChecked(D::单选框2));
  EXPECT_FALSE(ui::GetChecked(D::单选框1));
  EXPECT_TRUE(second->isChecked());
  EXPECT_FALSE(first->isChecked());
  // A click that reaches the model another way shows on the widgets all the same.
  ASSERT_TRUE(ui::user::Click(*ui::FindUnit(D::单选框1)));
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(second->isChecked());
}

TEST_F(QtBackendTest, MenuItemsAndTimersRunTheirHandlers) {
  ui::Unit* open = ui::FindUnit(D::打开);
  ASSERT_NE(open, nullptr);
  auto* action = qobject_cast<QAction*>(static_cast<QObject*>(open->realisation));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QString("打开"));
  action->trigger();
  EXPECT_EQ(seen.menu, 1);

  ui::SetInterval(D::时钟1, 5);
  RunFor(60);
  EXPECT_GT(seen.ticks, 0);
  ui::SetInterval(D::时钟1, 0);
  const int ticks = seen.ticks;
  RunFor(30);
  EXPECT_EQ(seen.ticks, ticks);
}

TEST_F(QtBackendTest, ListViewShowsTheModelRows) {
  auto* list = WidgetOf<ui::Kind::kListView, QTreeWidget>(D::超级列表框1);
  EXPECT_EQ(list->headerItem()->text(0), QString("名称"));
  EXPECT_EQ(list->columnWidth(0), 150);
  const int row = ui::InsertListViewItem(D::超级列表框1, -1, "钢管");
  ui::SetListViewItemText(D::超级列表框1, row, 1, "120");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(1), QString("120"));
  ui::ClearListView(D::超级列表框1);
  EXPECT_EQ(list->topLevelItemCount(), 0);
}

// The user's click makes the item current: the model's selection follows, the program's
// selection shows in the list, and a list emptied by the program selects nothing.
TEST_F(QtBackendTest, ListViewSelectionReachesTheModel) {
  auto* list = WidgetOf<ui::Kind::kListView, QTreeWidget>(D::超级列表框1);
  for (const char* name : {"钢管", "扣件", "顶托"})
    ui::InsertListViewItem(D::超级列表框1, -1, name);
  list->setCurrentItem(list->topLevelItem(2));  // as the user's single click
  EXPECT_EQ(ui::GetListViewSelected(D::超级列表框1), 2);
  const QRect first = list->visualItemRect(list->topLevelItem(0));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const QPointF at(first.center());
    QMouseEvent click(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &click);
  }
  EXPECT_EQ(ui::GetListViewSelected(D::超级列表框1), 0);
  ui::InsertListViewItem(D::超级列表框1, 0, "工字钢");
  EXPECT_EQ(ui::GetListViewSelected(D::超级列表框1), 1);
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
  ui::ClearListView(D::超级列表框1);
  EXPECT_EQ(ui::GetListViewSelected(D::超级列表框1), -1);
}

TEST_F(QtBackendTest, CloseBoxAsksTheModel) {
  QPointer<QWidget> window = WindowWidget(D::kWindow);
  window->close();
  EXPECT_EQ(ui::FindWindow(D::kWindow), nullptr);
  Settle();
  EXPECT_TRUE(window.isNull());
}

TEST_F(QtBackendTest, ProgramWritesMoveAndHideUnits) {
  ui::SetRect(D::按钮1, {300, 300, 80, 30});
  EXPECT_EQ(WidgetOf(D::按钮1)->geometry(), QRect(300, 300, 80, 30));
  ui::SetVisible(D::按钮1, false);
  EXPECT_TRUE(WidgetOf(D::按钮1)->isHidden());
  ui::SetDisabled(D::编辑框1, true);
  EXPECT_FALSE(WidgetOf(D::编辑框1)->isEnabled());
  ui::SetTitle(D::kWindow, "新标题");
  EXPECT_EQ(WindowWidget(D::kWindow)->windowTitle(), QString("新标题"));
  ui::SetWindowSize(D::kWindow, 800, 600);
  EXPECT_EQ(WindowWidget(D::kWindow)->size(), QSize(800 - 16, 600 - 39));
}

}  // namespace
