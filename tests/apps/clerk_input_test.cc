// rentdesk's and tallybench's windows on the Qt realisation as a clerk types into them, with
// real key and mouse events: what is typed is what the table stores, Return goes down the
// grids, number boxes say what they refuse, and the windows open, resize and caption
// themselves as declared.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <initializer_list>

#include "common/grid/grid_ops.h"
#include "common/text.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/contract_window.h"
#include "ledger/docket_entry.h"
#include "ledger/main_window.h"
#include "platform/qt/qt_balloon.h"
#include "platform/qt/qt_typing.h"
#include "settlement/settlement_window.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"
#include "tests/apps/qt_app_fixture.h"
#include "tests/platform/qt_clerk_keys.h"

namespace {

using qtest::ClickCell;
using qtest::ClickWidget;
using qtest::CommitText;
using qtest::PressKey;
using qtest::TypeKeys;

class ClerkInput : public qtapp::QtAppTest {
 protected:
  // Opens the window shown and active, as the desktop gives it the keyboard.
  static void OpenActive(const ui::WindowDecl& decl) {
    Open(decl);
    ui::SetWindowVisible(ui::WindowRef{decl.name}, true);
    QWidget* window = WidgetOf(ui::WindowRef{decl.name});
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  template <ui::Kind K, typename T = QWidget>
  static T* Widget(ui::Ref<K> ref) {
    return qobject_cast<T*>(static_cast<QObject*>(U(ref).realisation));
  }
  static void Press(Qt::Key key) {
    PressKey(key);
    Settle();  // Return ends a cell's edit once the editor has seen the key
  }
  // Each count typed and ended with Return, as a clerk goes down a column.
  static void TypeCounts(std::initializer_list<const char*> counts) {
    for (const char* count : counts) {
      TypeKeys(count);
      Press(Qt::Key_Return);
    }
  }
  // The contract's docket file written out and open, as the contract pick leaves it.
  void PickFirstContract() {
    ThreeContracts();
    ASSERT_TRUE(SelectTable("合同"));
    ASSERT_TRUE(GoToRecord(1));
    PickedContract.record = 1;
    ASSERT_TRUE(OpenPickedContractDockets());
  }
};

// 5⏎7⏎ fills two rows of the tally, as its help text says; from the last row of the left
// group Return goes on to the right group's first count (the tally's cursor rule).
TEST_F(ClerkInput, TallyCountsGoInRowByRow) {
  using T = TallyWindow;
  OpenActive(TallyWindowDecl());
  ASSERT_TRUE(ui::GetChecked(T::DoubleLayoutOption));
  auto* grid = Widget<ui::Kind::kGrid, QTableView>(T::TallyGrid);
  ClickCell(grid, 1, 1);
  TypeCounts({"5", "7"});
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 1, 1), "5");
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 2, 1), "7");
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 1, 2), "4");  // 5 × 0.8 m
  EXPECT_EQ(GetGridCursorRow(T::TallyGrid), 3);
  ClickCell(grid, 27, 1);
  TypeKeys("２");  // an input method's full-width digit
  Press(Qt::Key_Return);
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 27, 1), "2");
  EXPECT_EQ(GetGridCursorRow(T::TallyGrid), 1);
  EXPECT_EQ(GetGridCursorColumn(T::TallyGrid), 4);
  EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 4));
  TypeKeys("3");
  Press(Qt::Key_Return);
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 1, 4), "3");  // the 3.5 m class
}

// Counts typed as soon as tallybench shows, before any click, go into the first count cell,
// not into the length titles beside it, which take no typing.
TEST_F(ClerkInput, TallyCountsTypedBeforeAnyClickAreKept) {
  using T = TallyWindow;
  OpenActive(TallyWindowDecl());
  auto* grid = Widget<ui::Kind::kGrid, QTableView>(T::TallyGrid);
  ASSERT_TRUE(grid->hasFocus());
  TypeCounts({"5", "7"});
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 1, 1), "5");
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 2, 1), "7");
  EXPECT_EQ(GetGridCellData(T::TallyGrid, 1, 0), "0.8");
}

// 12.7 typed into the handling fee keeps 127, and the box says why the point is gone.
TEST_F(ClerkInput, TheHandlingFeeBoxSaysWhatItRefuses) {
  using T = TallyWindow;
  OpenActive(TallyWindowDecl());
  auto* fee = Widget<ui::Kind::kEdit, QLineEdit>(T::HandlingFeeBox);
  ClickWidget(fee);
  fee->clear();
  TypeKeys("12.7");
  EXPECT_EQ(ui::GetText(T::HandlingFeeBox), "127");
  auto* balloon = fee->findChild<qtp::BalloonTip*>();
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->isVisible());
  EXPECT_EQ(balloon->text(), QString::fromUtf8(qtp::kOnlyDigits));
}

// The docket typed row by row is the docket stored; the cleared grid stays centred for the
// next docket, and the return's negated quantity shows centred as well.
TEST_F(ClerkInput, TheDocketTypedIsTheDocketStored) {
  using W = DocketEntryWindow;
  PickFirstContract();
  OpenActive(DocketEntryWindowDecl());
  auto* grid = Widget<ui::Kind::kGrid, QTableView>(W::高级表格1);
  ClickCell(grid, 1, 1);
  for (const char* quantity : {"1250", "860", "40", "", "3"}) {
    TypeKeys(quantity);
    Press(Qt::Key_Return);
  }
  EXPECT_EQ(GetGridCursorRow(W::高级表格1), 6);
  TypeKeys("a");  // the remark row, then a remark longer than its field
  CommitText("二号楼东侧脚手架搭设第一批");
  Press(Qt::Key_Return);
  const std::string remark = GetGridCellData(W::高级表格1, 6, 1);
  EXPECT_EQ(remark, "a二号楼东侧脚手架搭");  // 19 bytes: the next character takes two
  EXPECT_EQ(GetTextLength(remark), 19);
  QTest::mouseClick(Widget(W::按钮1), Qt::LeftButton);
  ASSERT_EQ(platform_.messages, (std::vector<std::string>{"添加成功"}));
  ASSERT_TRUE(SelectTable("出租数据"));
  const int stored = GetRecordCount();
  ASSERT_EQ(stored, 5);
  ASSERT_TRUE(GoToRecord(stored));
  EXPECT_EQ(ToNumber(ReadField(4)), 1250);
  EXPECT_EQ(ToNumber(ReadField(5)), 860);
  EXPECT_EQ(ToNumber(ReadField(6)), 40);
  EXPECT_EQ(ToNumber(ReadField(8)), 3);
  EXPECT_EQ(ToText(ReadField(9)), remark);

  // The next docket, a return: the grid was cleared but keeps its centring.
  auto centred = [grid](int row) {
    return grid->model()->index(row, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter;
  };
  EXPECT_EQ(GetGridCellData(W::高级表格1, 1, 1), "");
  QTest::mouseClick(Widget(W::单选框2), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_TRUE(ui::GetChecked(W::单选框2));
  ClickCell(grid, 1, 1);
  TypeKeys("400");
  Press(Qt::Key_Return);
  EXPECT_TRUE(centred(1));
  platform_.on_message = [&] {
    EXPECT_EQ(GetGridCellData(W::高级表格1, 1, 1), "-400");
    EXPECT_TRUE(centred(1));
  };
  QTest::mouseClick(Widget(W::按钮1), Qt::LeftButton);
  EXPECT_EQ(platform_.messages.back(), "添加成功");
  ASSERT_TRUE(SelectTable("出租数据"));
  ASSERT_TRUE(GoToRecord(GetRecordCount()));
  EXPECT_EQ(ToNumber(ReadField(4)), -400);
}

// A contract name longer than its field: the box takes what the field holds, and that is
// what is stored.
TEST_F(ClerkInput, TheContractNameShownIsTheNameStored) {
  using W = ContractWindow;
  OpenActive(ContractWindowDecl());
  QTest::mouseClick(Widget(W::按钮1), Qt::LeftButton);  // 添加合同
  auto* name = Widget<ui::Kind::kEdit, QLineEdit>(W::编辑框2);
  ClickWidget(name);
  CommitText("滨江路桥梁加固工程二期项目部第三标段");  // 36 bytes
  EXPECT_EQ(name->text(), QString("滨江路桥梁加固工程二"));
  QTest::mouseClick(Widget(W::按钮5), Qt::LeftButton);  // 保存
  ASSERT_TRUE(SelectTable("合同"));
  ASSERT_EQ(GetRecordCount(), 1);
  ASSERT_TRUE(GoToRecord(1));
  EXPECT_EQ(ToText(ReadField(std::string("建筑单位名称"))), name->text().toStdString());
}

// The settlement grid fits the window as soon as it opens (its size-changed handler runs at
// the first showing), not only after the first resize.
TEST_F(ClerkInput, TheSettlementGridFitsItsWindowWhenItOpens) {
  using W = SettlementWindow;
  ThreeContracts();
  Open(SettlementWindowDecl());
  const ui::Rect grid = ui::GetRect(W::高级表格1);
  EXPECT_EQ(grid.width, ui::GetWindowWidth(W::self) - 30);
  EXPECT_EQ(grid.height, ui::GetWindowHeight(W::self) - 110);
  EXPECT_EQ(Widget(W::高级表格1)->geometry(), QRect(16, 64, grid.width, grid.height));
}

// The docket entry window grows and shrinks with its tab page where it stands.
TEST_F(ClerkInput, TheDocketEntryWindowKeepsItsPlaceWhenItsPageChanges) {
  using W = DocketEntryWindow;
  PickFirstContract();
  OpenActive(DocketEntryWindowDecl());
  QWidget* window = WidgetOf(W::self);
  window->move(300, 200);  // where the clerk dragged it
  const QPoint place = window->pos();
  auto* bar = Widget<ui::Kind::kTab, QTabWidget>(W::选择夹1)->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(ui::GetWindowHeight(W::self), 668);
  EXPECT_EQ(window->pos(), place);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
  EXPECT_EQ(ui::GetWindowHeight(W::self), 315);
  EXPECT_EQ(window->pos(), place);
}

// tallybench's hint shows once the window is up, pointing where it is declared; the records
// window, declared without a caption, shows a blank one (not the program's name).
TEST_F(ClerkInput, TallybenchShowsItsHintOverItsWindowAndNoCaptionWhereNoneIsDeclared) {
  struct ShownAfter : QObject {
    bool balloon_shown = false, window_was_up = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Show && qobject_cast<qtp::BalloonTip*>(watched)) {
        balloon_shown = true;
        QWidget* tally = WidgetOf(TallyWindow::self);
        window_was_up = tally && tally->isVisible();
      }
      return false;
    }
  } watch;
  qApp->installEventFilter(&watch);
  ASSERT_TRUE(ui::LoadStartWindow(TallyWindowDecl()));
  Settle();
  qApp->removeEventFilter(&watch);
  EXPECT_TRUE(watch.balloon_shown);
  EXPECT_TRUE(watch.window_was_up);
  auto* balloon = WidgetOf(TallyWindow::self)->findChild<qtp::BalloonTip*>();
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->isVisible());
  EXPECT_TRUE(balloon->testAttribute(Qt::WA_ShowWithoutActivating));
  const ui::Rect tally = TallyWindowDecl().rect;
  EXPECT_EQ(balloon->tip(), QPoint(tally.left + 150, tally.top + 30));
  EXPECT_TRUE(balloon->text().startsWith("在这里输入钢管数量即可"));

  Open(TallyRecordsWindowDecl());
  QWidget* records = WidgetOf(TallyRecordsWindow::self);
  ASSERT_NE(records, nullptr);
  EXPECT_TRUE(records->windowTitle().trimmed().isEmpty());
  EXPECT_FALSE(records->windowTitle().isEmpty());  // empty, the desktop would show "tallybench"
}

// 合同管理 shows its three separators in a row, 出租与回收管理 its last one.
TEST_F(ClerkInput, TheMainMenuShowsItsSeparatorsAsDeclared) {
  ui::WindowDecl main = MainWindow::Decl();
  main.bindings.clear();  // the menu only: no login, no start-up
  main.hidden = false;
  Open(main);
  auto* bar = WidgetOf(MainWindow::kWindow)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  std::map<QString, std::vector<QString>> shown;  // per menu: the entries, "-" a separator
  for (QAction* top : bar->actions()) {
    QMenu* menu = top->menu();
    ASSERT_NE(menu, nullptr);
    for (QAction* entry : menu->actions()) {
      if (menu->actionGeometry(entry).height() == 0) continue;  // not shown
      shown[top->text()].push_back(entry->isSeparator() ? "-" : entry->text());
    }
  }
  using V = std::vector<QString>;
  EXPECT_EQ(shown["合同管理"], (V{"增加合同", "修改合同", "-", "-", "-", "退出系统"}));
  EXPECT_EQ(shown["出租与回收管理"], (V{"出租与回收单录入", "出租与回收单修改", "-"}));
  EXPECT_EQ(shown["结算管理"], (V{"租金结算"}));
}

}  // namespace
