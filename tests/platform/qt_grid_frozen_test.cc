// The grid's fixed rows stay at the top of its table as headings while the other rows scroll
// under them; clicks on them move the grid's cursor as clicks on any other cell.
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;

constexpr ui::WindowRef kWindow{"FrozenWindow"};
constexpr ui::GridRef kGrid{"FrozenWindow", "高级表格1"};

int cursor_events = 0, key_events = 0, right_events = 0;
ui::EventArgs last;
void OnCursor(const ui::EventArgs&) { ++cursor_events; }
void OnKey(const ui::EventArgs& a) { ++key_events, last = a; }
void OnRight(const ui::EventArgs& a) { ++right_events, last = a; }

class QtGridFrozenTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    cursor_events = key_events = right_events = 0;
    decl_.name = kWindow.name;
    decl_.caption = "结算表";
    decl_.rect = {0, 0, 700, 500};
    decl_.units = {ui::Declare(kGrid, {10, 10, 660, 400})};
    decl_.bindings = {ui::Bind(kGrid, ui::Event::kGridCursorChanged, OnCursor),
                      ui::Bind(kGrid, ui::Event::kGridKey, OnKey),
                      ui::Bind(kGrid, ui::Event::kGridRightUp, OnRight)};
    ASSERT_TRUE(ui::LoadStartWindow(decl_));
    // 100 rows under 2 heading rows, the first a merged title; wider than the table.
    SetGridRowCount(kGrid, 100);
    SetGridColumnCount(kGrid, 5);
    SetGridFixedRows(kGrid, 2);
    for (int c = 0; c < 5; ++c) SetGridColumnWidth(kGrid, c, 200);
    JoinGridCells(kGrid, 0, 0, 0, 4);
    SetGridCellData(kGrid, 0, 0, kCellContent, std::string("租金结算单"));
    SetGridCellData(kGrid, 1, 1, kCellContent, std::string("数量"));
    for (int r = 2; r < 100; ++r) SetGridCellData(kGrid, r, 1, kCellContent, r);
    WindowWidget(kWindow)->show();
    Settle();
    table_ = WidgetOf<ui::Kind::kGrid, QTableView>(kGrid);
    ASSERT_NE(table_, nullptr);
    frozen_ = table_->findChild<QTableView*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(frozen_, nullptr);
  }
  int HeadingHeight() const { return ui::Grid(kGrid).RowHeight(0) + ui::Grid(kGrid).RowHeight(1); }
  QImage Top() const { return table_->grab().toImage().copy(frozen_->geometry()); }
  QModelIndex At(int r, int c) const { return table_->model()->index(r, c); }

  ui::WindowDecl decl_;
  QTableView* table_ = nullptr;
  QTableView* frozen_ = nullptr;
};

TEST_F(QtGridFrozenTest, HeadingRowsStayInViewWhenScrolledToTheBottom) {
  const QImage before = Top();
  table_->scrollToBottom();
  Settle();
  EXPECT_GT(table_->rowAt(0), 50);  // the rows under the headings did scroll
  ASSERT_TRUE(frozen_->isVisible());
  EXPECT_EQ(frozen_->height(), HeadingHeight());
  EXPECT_EQ(frozen_->geometry().bottom() + 1, table_->viewport()->geometry().top());
  EXPECT_EQ(frozen_->width(), table_->viewport()->width());
  EXPECT_EQ(frozen_->rowAt(0), 0);
  EXPECT_EQ(frozen_->rowAt(HeadingHeight() - 1), 1);
  EXPECT_EQ(frozen_->columnSpan(0, 0), 5);
  EXPECT_EQ(frozen_->indexAt(QPoint(5, 40)).data().toString(), QString());
  EXPECT_EQ(frozen_->model()->index(0, 0).data().toString(), QString("租金结算单"));
  EXPECT_TRUE(table_->isRowHidden(0) && table_->isRowHidden(1) && !table_->isRowHidden(2));
  EXPECT_EQ(Top(), before);  // the headings look as before the scroll
}

TEST_F(QtGridFrozenTest, HeadingsFollowTheHorizontalScroll) {
  QScrollBar* bar = table_->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  Settle();
  EXPECT_EQ(frozen_->horizontalScrollBar()->value(), bar->value());
  EXPECT_EQ(frozen_->columnAt(frozen_->width() - 1),
            table_->columnAt(table_->viewport()->width() - 1));
  EXPECT_FALSE(frozen_->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(frozen_->verticalScrollBar()->isVisible());
}

TEST_F(QtGridFrozenTest, AClickOnAHeadingCellMovesTheCursorThere) {
  table_->scrollToBottom();
  Settle();
  const QPoint at = frozen_->visualRect(At(1, 2)).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, at, frozen_->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(frozen_->viewport(), &click);
  }
  EXPECT_EQ(GetGridCursorRow(kGrid), 1);
  EXPECT_EQ(GetGridCursorColumn(kGrid), 2);
  EXPECT_EQ(cursor_events, 1);
  EXPECT_EQ(table_->currentIndex(), At(1, 2));  // one cursor for both tables
  SetGridCursor(kGrid, 90, 1);                  // the program's move shows in the table
  EXPECT_EQ(frozen_->currentIndex(), At(90, 1));
  EXPECT_EQ(frozen_->rowAt(0), 0);  // and leaves the headings in place
  EXPECT_EQ(cursor_events, 1);
}

TEST_F(QtGridFrozenTest, KeysAndTheRightButtonOnTheHeadingsReachTheHandlers) {
  frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
  QApplication::sendEvent(frozen_, &key);
  EXPECT_EQ(key_events, 1);
  EXPECT_EQ(last.code, '5');
  const QPoint at = frozen_->visualRect(At(1, 3)).center();
  QMouseEvent up(QEvent::MouseButtonRelease, at, frozen_->viewport()->mapToGlobal(at),
                 Qt::RightButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(frozen_->viewport(), &up);
  EXPECT_EQ(right_events, 1);
  EXPECT_EQ(last.row, 1);
  EXPECT_EQ(last.col, 3);
}

TEST_F(QtGridFrozenTest, FewerFixedRowsShowAgainAsOrdinaryRows) {
  SetGridFixedRows(kGrid, 0);
  Settle();
  EXPECT_FALSE(frozen_->isVisible());
  EXPECT_FALSE(table_->isRowHidden(0));
  EXPECT_EQ(table_->viewport()->geometry().top(), table_->frameWidth());
  SetGridFixedRows(kGrid, 1);
  Settle();
  EXPECT_TRUE(frozen_->isVisible());
  EXPECT_TRUE(table_->isRowHidden(0));
  EXPECT_FALSE(table_->isRowHidden(1));
  EXPECT_EQ(frozen_->height(), ui::Grid(kGrid).RowHeight(0));
}

}  // namespace
