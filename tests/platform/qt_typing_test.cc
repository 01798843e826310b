// Typing into the Qt realisation with real key and mouse events, as a clerk types: grid cells
// (a key on the cursor cell replaces its text, Return moves on, Delete empties, full-width
// digits, byte limits), number boxes (a refused character says so), text boxes that hold no
// more than their field, and date boxes (a click selects a part, a complete part moves on).
#include "platform/qt/qt_typing.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "common/dates.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/text.h"
#include "platform/qt/qt_balloon.h"
#include "tests/platform/qt_clerk_keys.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;

constexpr ui::WindowRef kWindow{"TypingWindow"};
constexpr ui::GridRef kGrid{"TypingWindow", "高级表格1"};
constexpr ui::EditRef kInteger{"TypingWindow", "编辑框1"};
constexpr ui::EditRef kDecimal{"TypingWindow", "编辑框2"};
constexpr ui::EditRef kName{"TypingWindow", "编辑框3"};
constexpr ui::DateBoxRef kDate{"TypingWindow", "日期框1"};

constexpr int kNameBytes = 20;

// What the cell-changed handler saw: the cell edited and where the cursor stood then.
struct Change {
  int row, col, cursor_row, cursor_col;
  std::string text;
};
std::vector<Change> changes;
int cursor_moves = 0;

void OnChanged(const ui::EventArgs& a) {
  changes.push_back({a.row, a.col, GetGridCursorRow(kGrid), GetGridCursorColumn(kGrid),
                     GetGridCellData(kGrid, a.row, a.col)});
}
void OnCursor() { ++cursor_moves; }

class QtTypingTest : public QtWindowTest {
 public:
  void SetUp() override {
    QtWindowTest::SetUp();
    changes.clear();
    cursor_moves = 0;
    decl_.name = kWindow.name;
    decl_.caption = "录入";
    decl_.rect = {0, 0, 640, 480};
    decl_.units = {
        ui::Declare(kGrid, {10, 10, 400, 200}).CellTextBytes(1, 2, -1, 2, kNameBytes),
        ui::Declare(kInteger, {10, 230, 120, 26}).Mode(ui::InputMode::kInteger),
        ui::Declare(kDecimal, {140, 230, 120, 26}).Mode(ui::InputMode::kDecimal),
        ui::Declare(kName, {270, 230, 200, 26}).TextBytes(kNameBytes),
        ui::Declare(kDate, {10, 270, 160, 26}),
    };
    decl_.bindings = {ui::Bind(kGrid, ui::Event::kGridCellChanged, OnChanged),
                      ui::Bind(kGrid, ui::Event::kGridCursorChanged, OnCursor)};
    ASSERT_TRUE(ui::LoadStartWindow(decl_));
    // A heading row; a number column, a name column of a 20-byte field; one read-only cell.
    SetGridRowCount(kGrid, 6);
    SetGridColumnCount(kGrid, 3);
    SetGridCellData(kGrid, 0, 1, kCellContent, std::string("数量"));
    SetGridCellData(kGrid, 0, 2, kCellContent, std::string("单位名称"));
    SetGridColumnType(kGrid, 1, 2);
    SetGridColumnWidth(kGrid, 2, 200);
    SetGridCellData(kGrid, 1, 1, kCellContent, std::string("123"));
    SetGridCellFlag(kGrid, 3, 1, 3, 1, true);
    Settle();
    table_ = WidgetOf<ui::Kind::kGrid, QTableView>(kGrid);
    ASSERT_NE(table_, nullptr);
    QWidget* window = WindowWidget(kWindow);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  void ClickCell(int r, int c) { qtest::ClickCell(table_, r, c); }
  template <ui::Kind K, typename T = QWidget>
  T* Click(ui::Ref<K> ref) {
    T* widget = WidgetOf<K, T>(ref);
    qtest::ClickWidget(widget);
    return widget;
  }
  static void Type(const QString& text) { qtest::TypeKeys(text); }
  static void Press(Qt::Key key) { qtest::PressKey(key); }
  static void Commit(const QString& text) { qtest::CommitText(text); }
  // The box's balloon when it shows.
  static qtp::BalloonTip* ShownBalloon(QWidget* box) {
    auto* balloon = box->findChild<qtp::BalloonTip*>();
    return balloon && balloon->isVisible() ? balloon : nullptr;
  }

  ui::WindowDecl decl_;
  QTableView* table_ = nullptr;
};

// However the cell became the cursor cell, the keys typed at once replace its text: none is
// lost to an editor that opens late.
TEST_F(QtTypingTest, KeysOnTheCursorCellReplaceItsText) {
  const struct {
    const char* how;
    std::function<void(QtTypingTest*)> reach;
  } cases[] = {
      {"clicked once", [](QtTypingTest* t) { t->ClickCell(1, 1); }},
      {"clicked while current",
       [](QtTypingTest* t) {
         t->ClickCell(1, 1);
         t->ClickCell(1, 1);
       }},
      {"reached by a key",
       [](QtTypingTest* t) {
         t->ClickCell(2, 1);
         Press(Qt::Key_Up);
       }},
  };
  for (const auto& c : cases) {
    SetGridCellData(kGrid, 1, 1, kCellContent, std::string("123"));
    c.reach(this);
    ASSERT_EQ(GetGridCursorRow(kGrid), 1) << c.how;
    Type("77");
    Press(Qt::Key_Return);
    Settle();
    EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "77") << c.how;
    EXPECT_EQ(GetGridCursorRow(kGrid), 2) << c.how;
    // Past a double click's time no editor has opened on its own.
    RunFor(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(table_->indexWidget(table_->currentIndex()), nullptr) << c.how;
    EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "77") << c.how;
  }
}

TEST_F(QtTypingTest, DeleteAndBackspaceEmptyAnEditableCursorCell) {
  for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
    SetGridCellData(kGrid, 1, 1, kCellContent, std::string("123"));
    SetGridCellData(kGrid, 3, 1, kCellContent, std::string("9"));
    ClickCell(1, 1);
    Press(key);
    EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "") << key;
    ClickCell(3, 1);  // read-only
    Press(key);
    EXPECT_EQ(GetGridCellData(kGrid, 3, 1), "9") << key;
  }
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].row, 1);
}

// 5⏎7⏎ fills two rows; the handler of each edit sees the cursor already on the next row;
// from the last row of a column Return goes on at the top of the next column.
TEST_F(QtTypingTest, ReturnStoresTheCellAndMovesTheCursorOn) {
  ClickCell(1, 1);
  Type("5");
  Press(Qt::Key_Return);
  Settle();
  Type("7");
  Press(Qt::Key_Return);
  Settle();
  EXPECT_EQ(GetGridCellData(kGrid, 1, 1), "5");
  EXPECT_EQ(GetGridCellData(kGrid, 2, 1), "7");
  EXPECT_EQ(GetGridCursorRow(kGrid), 3);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].cursor_row, 2);
  EXPECT_EQ(changes[1].cursor_row, 3);
  EXPECT_EQ(cursor_moves, 3);  // the click and the two moves
  // Return without typing only moves; on the last row it goes to the next column's top.
  Press(Qt::Key_Return);
  Press(Qt::Key_Return);
  EXPECT_EQ(GetGridCursorRow(kGrid), 5);
  Press(Qt::Key_Return);
  EXPECT_EQ(GetGridCursorRow(kGrid), 1);
  EXPECT_EQ(GetGridCursorColumn(kGrid), 2);
  EXPECT_EQ(table_->currentIndex(), table_->model()->index(1, 2));
  EXPECT_EQ(changes.size(), 2u);
}

// Number cells take full-width digits, signs and points (keys or an input method's text) as
// their ASCII forms, and refuse letters with the number boxes' balloon.
TEST_F(QtTypingTest, NumberCellsTakeFullWidthDigitsAndSayWhatTheyRefuse) {
  const struct {
    const char* name;
    bool commit;
    QString typed;
    std::string stored;
    bool balloon;
  } cases[] = {
      {"full-width keys", false, "１２．５", "12.5", false},
      {"input method", true, "－３４", "-34", false},
      {"a letter", false, "8a", "8", true},
  };
  for (const auto& c : cases) {
    SetGridCellData(kGrid, 1, 1, kCellContent, std::string("123"));
    ClickCell(1, 1);
    if (c.commit) {
      Commit(c.typed);
    } else {
      Type(c.typed);
    }
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << c.name;
    EXPECT_EQ(ShownBalloon(editor) != nullptr, c.balloon) << c.name;
    if (c.balloon) {
      EXPECT_EQ(ShownBalloon(editor)->text(), QString::fromUtf8(qtp::kOnlyDigits));
    }
    Press(Qt::Key_Return);
    Settle();
    EXPECT_EQ(GetGridCellData(kGrid, 1, 1), c.stored) << c.name;
  }
}

// A name longer than its field is cut where the field ends, as the editor shows it.
TEST_F(QtTypingTest, TextCellsTakeNoMoreBytesThanTheirField) {
  ClickCell(1, 2);
  Commit("东方明珠花园三期二号楼工地");  // 26 bytes
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QString("东方明珠花园三期二号"));
  Press(Qt::Key_Return);
  Settle();
  EXPECT_EQ(GetGridCellData(kGrid, 1, 2), "东方明珠花园三期二号");
  EXPECT_EQ(GetTextLength(GetGridCellData(kGrid, 1, 2)), kNameBytes);
}

// Typing 12.7 into an integer box keeps 127 and shows why the point went missing.
TEST_F(QtTypingTest, NumberBoxesSayWhatTheyRefuse) {
  const struct {
    ui::EditRef box;
    QString typed;
    std::string kept;
    bool balloon;
  } cases[] = {
      {kInteger, "12.7", "127", true},
      {kInteger, "１２", "12", false},
      {kDecimal, "3.5.1", "3.51", true},
      {kDecimal, "０．２５", "0.25", false},
  };
  for (const auto& c : cases) {
    auto* box = Click<ui::Kind::kEdit, QLineEdit>(c.box);
    box->clear();
    for (QWidget* w : {WidgetOf(kInteger), WidgetOf(kDecimal)}) {
      if (auto* b = w->findChild<qtp::BalloonTip*>()) b->hide();
    }
    Type(c.typed);
    EXPECT_EQ(ui::GetText(c.box), c.kept) << c.typed.toStdString();
    EXPECT_EQ(box->text(), QString::fromStdString(c.kept));
    qtp::BalloonTip* balloon = ShownBalloon(box);
    EXPECT_EQ(balloon != nullptr, c.balloon) << c.typed.toStdString();
    if (!balloon) continue;
    EXPECT_EQ(balloon->text(), QString::fromUtf8(qtp::kOnlyDigits));
    const QRect at(box->mapToGlobal(QPoint()), box->size());
    EXPECT_GE(balloon->tip().x(), at.left());
    EXPECT_LE(balloon->tip().x(), at.right());
    EXPECT_NEAR(balloon->tip().y(), at.bottom(), 4);  // the stem points at the box's text
  }
}

// What the clerk sees in the box is what the model keeps: no more than the field's bytes.
TEST_F(QtTypingTest, TextBoxesHoldNoMoreThanTheirField) {
  auto* box = Click<ui::Kind::kEdit, QLineEdit>(kName);
  Commit("滨江路桥梁加固工程二期");  // 22 bytes
  EXPECT_EQ(box->text(), QString("滨江路桥梁加固工程二"));
  EXPECT_EQ(ui::GetText(kName), "滨江路桥梁加固工程二");
  Type("x");  // the box is full
  EXPECT_EQ(ui::GetText(kName), "滨江路桥梁加固工程二");
  box->setCursorPosition(1);
  Press(Qt::Key_Backspace);
  Type("abc");  // two bytes of room: the third letter is cut
  EXPECT_EQ(ui::GetText(kName), "ab江路桥梁加固工程二");
  EXPECT_EQ(box->text(), QString::fromStdString(ui::GetText(kName)));
}

// A date typed part by part: the click selects the part under the mouse, each complete part
// moves on, a digit that cannot go on a part starts it anew; none is lost.
TEST_F(QtTypingTest, DateBoxesTakeDatesPartByPart) {
  auto* box = WidgetOf<ui::Kind::kDateBox, QDateEdit>(kDate);
  ASSERT_NE(box, nullptr);
  auto* line = box->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  // A click on the right half of that character of the shown text.
  auto click_on = [&](int character) {
    const int y = line->height() / 2;
    int x = 0;
    while (x < line->width() && line->cursorPositionAt(QPoint(x, y)) <= character) ++x;
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, y));
  };
  const struct {
    int click;  // character of "2024年1月20日" clicked
    QString selected;
    QString typed;
    DateTime date;
  } cases[] = {
      {1, "2024", "20260415", MakeDateTime(2026, 4, 15)},
      {5, "1", "13", MakeDateTime(2024, 3, 20)},    // 13 is no month: 3, then the day
      {5, "1", "0412", MakeDateTime(2024, 4, 12)},  // 04 moves on
      {5, "1", "512", MakeDateTime(2024, 5, 12)},   // 5 cannot start a longer month
      {8, "20", "35", MakeDateTime(2024, 1, 5)},    // 35 is no day: 5
      {8, "20", "152", MakeDateTime(2024, 1, 2)},   // a complete day starts anew
  };
  for (const auto& c : cases) {
    ui::SetDate(kDate, MakeDateTime(2024, 1, 20));
    ASSERT_EQ(line->text(), QString("2024年1月20日"));
    click_on(c.click);
    EXPECT_EQ(line->selectedText(), c.selected) << c.typed.toStdString();
    Type(c.typed);
    EXPECT_EQ(ui::GetDate(kDate), c.date) << c.typed.toStdString();
  }
}

}  // namespace
