// Grid units: the table view shows the grid model; the user's edits, choices, clicks, keys and
// right clicks reach the model through the grid's user actions; pages print and preview.
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>

#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "platform/qt/qt_grid_paint.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;

constexpr ui::WindowRef kWindow{"GridWindow"};
constexpr ui::GridRef kGrid{"GridWindow", "高级表格1"};

struct GridSeen {
  int changed = 0, choices = 0, cursor = 0, keys = 0, chars = 0, right = 0;
  ui::EventArgs last;
};
GridSeen seen;

void OnChanged(const ui::EventArgs& a) { ++seen.changed, seen.last = a; }
void OnChoice(const ui::EventArgs& a) { ++seen.choices, seen.last = a; }
void OnCursor(const ui::EventArgs& a) { ++seen.cursor, seen.last = a; }
void OnKey(const ui::EventArgs& a) { ++seen.keys, seen.last = a; }
void OnChar(const ui::EventArgs& a) { ++seen.chars, seen.last = a; }
void OnRight(const ui::EventArgs& a) { ++seen.right, seen.last = a; }

class QtGridTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    seen = {};
    decl_.name = kWindow.name;
    decl_.caption = "结算表";
    decl_.rect = {0, 0, 700, 500};
    decl_.units = {ui::Declare(kGrid, {10, 10, 660, 400})};
    decl_.bindings = {
        ui::Bind(kGrid, ui::Event::kGridCellChanged, OnChanged),
        ui::Bind(kGrid, ui::Event::kGridChoice, OnChoice),
        ui::Bind(kGrid, ui::Event::kGridCursorChanged, OnCursor),
        ui::Bind(kGrid, ui::Event::kGridKey, OnKey),
        ui::Bind(kGrid, ui::Event::kGridChar, OnChar),
        ui::Bind(kGrid, ui::Event::kGridRightUp, OnRight),
    };
    ASSERT_TRUE(ui::LoadStartWindow(decl_));
    FillGrid();
    Settle();
    table_ = WidgetOf<ui::Kind::kGrid, QTableView>(kGrid);
    ASSERT_NE(table_, nullptr);
  }
  // A heading row, a numeric column, a choice column and a merged total row.
  static void FillGrid() {
    SetGridRowCount(kGrid, 5);
    SetGridColumnCount(kGrid, 4);
    SetGridCellData(kGrid, 0, 1, kCellContent, std::string("数量"));
    SetGridCellData(kGrid, 0, 2, kCellContent, std::string("出入库"));
    SetGridCellData(kGrid, 1, 1, kCellContent, 120);
    SetGridColumnType(kGrid, 1, 2);
    SetGridColumnType(kGrid, 2, 8);
    AddGridChoiceItem(kGrid, 2, "出库");
    AddGridChoiceItem(kGrid, 2, "入库");
    SetGridColumnWidth(kGrid, 3, 150);
    SetGridAlignment(kGrid, 1, 1, 3, 1, 3);
    JoinGridCells(kGrid, 4, 0, 4, 3);
    SetGridCellData(kGrid, 4, 0, kCellContent, std::string("合计：壹佰贰拾元整"));
    SetGridCellFlag(kGrid, 3, 1, 3, 1, true);
  }
  QModelIndex At(int r, int c) const { return table_->model()->index(r, c); }
  QString Shown(int r, int c, int role = Qt::DisplayRole) const {
    return At(r, c).data(role).toString();
  }

  ui::WindowDecl decl_;
  QTableView* table_ = nullptr;
};

TEST_F(QtGridTest, ViewShowsTheModel) {
  EXPECT_EQ(table_->model()->rowCount(), 5);
  EXPECT_EQ(table_->model()->columnCount(), 4);
  EXPECT_EQ(Shown(0, 1), QString("数量"));
  EXPECT_EQ(Shown(1, 1), QString("120"));
  EXPECT_EQ(table_->columnWidth(3), 150);
  EXPECT_EQ(table_->rowSpan(4, 0), 1);
  EXPECT_EQ(table_->columnSpan(4, 0), 4);
  EXPECT_TRUE(At(1, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
  // Heading cells have the grid's heading colour; a coloured cell its own (COLORREF 0xBBGGRR).
  EXPECT_EQ(At(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xF0, 0xF0, 0xF0));
  SetGridCellAttribute(kGrid, 2, 2, 2, 2, 0x0000FF);
  EXPECT_EQ(At(2, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  // A grid that grows shows the new rows.
  SetGridRowCount(kGrid, 8);
  EXPECT_EQ(table_->model()->rowCount(), 8);
}

// A font set larger than the rows are high (as the rent statement's) shows whole: one line
// of it fits the row, and a larger text narrows to its column down to the grid's own font;
// text at the grid's font keeps its size and offers its whole text when too wide.
TEST_F(QtGridTest, LargeCellFontsFitTheirRowsAndColumns) {
  SetGridFontSize(kGrid, 1, 0, 2, 3, 23);
  SetGridCellData(kGrid, 2, 0, kCellContent, std::string("累计在租量累计在租量"));
  auto font = [this](int r, int c) { return At(r, c).data(Qt::FontRole).value<QFont>(); };
  const int row = ui::Grid(kGrid).RowHeight(1);
  EXPECT_LE(QFontMetrics(font(1, 1)).height(), row - 2);
  EXPECT_GT(QFontMetrics(font(1, 1)).height(), row / 2);
  const int grid_font = ui::Grid(kGrid).default_font().height;
  EXPECT_GE(font(2, 0).pixelSize(), grid_font);
  EXPECT_LT(font(2, 0).pixelSize(), font(1, 1).pixelSize());
  EXPECT_FALSE(At(1, 1).data(Qt::ToolTipRole).isValid());
  SetGridCellData(kGrid, 3, 0, kCellContent, std::string("滨江路桥梁加固工程二期"));
  EXPECT_EQ(font(3, 0).pixelSize(), grid_font);
  EXPECT_EQ(At(3, 0).data(Qt::ToolTipRole).toString(), QString("滨江路桥梁加固工程二期"));
}

TEST_F(QtGridTest, EditsGoThroughTheGridsUserActions) {
  EXPECT_TRUE(table_->model()->setData(At(2, 1), "35.5", Qt::EditRole));
  EXPECT_EQ(seen.changed, 1);
  EXPECT_EQ(seen.last.row, 2);
  EXPECT_EQ(seen.last.col, 1);
  EXPECT_EQ(GetGridCellData(kGrid, 2, 1), "35.5");
  EXPECT_EQ(Shown(2, 1), QString("35.5"));
  // Refused: letters in a numeric column, a read-only cell, a heading cell.
  EXPECT_FALSE(table_->model()->setData(At(2, 1), "abc", Qt::EditRole));
  EXPECT_FALSE(table_->model()->setData(At(3, 1), "7", Qt::EditRole));
  EXPECT_FALSE(table_->model()->flags(At(3, 1)) & Qt::ItemIsEditable);
  EXPECT_FALSE(table_->model()->flags(At(0, 1)) & Qt::ItemIsEditable);
  EXPECT_EQ(seen.changed, 1);
  EXPECT_EQ(GetGridCellData(kGrid, 2, 1), "35.5");
  // The program's own writes raise nothing.
  SetGridCellData(kGrid, 2, 1, kCellContent, 8);
  EXPECT_EQ(Shown(2, 1), QString("8"));
  EXPECT_EQ(seen.changed, 1);
}

TEST_F(QtGridTest, ChoiceColumnsTakeOnlyTheirChoices) {
  EXPECT_TRUE(table_->model()->setData(At(1, 2), "入库", Qt::EditRole));
  EXPECT_EQ(seen.choices, 1);
  EXPECT_EQ(seen.last.text, "入库");
  EXPECT_EQ(GetGridCellData(kGrid, 1, 2), "入库");
  EXPECT_FALSE(table_->model()->setData(At(1, 2), "别的", Qt::EditRole));
  EXPECT_EQ(GetGridCellData(kGrid, 1, 2), "入库");
}

TEST_F(QtGridTest, EditorsFollowTheColumnKind) {
  QWidget* parent = table_->viewport();
  QAbstractItemDelegate* delegate = table_->itemDelegate();
  QStyleOptionViewItem option;
  std::unique_ptr<QWidget> number(delegate->createEditor(parent, option, At(1, 1)));
  auto* line = qobject_cast<QLineEdit*>(number.get());
  ASSERT_NE(line, nullptr);
  ASSERT_NE(line->validator(), nullptr);
  QString typed = "1a";
  int at = 0;
  EXPECT_EQ(line->validator()->validate(typed, at), QValidator::Invalid);
  std::unique_ptr<QWidget> choice(delegate->createEditor(parent, option, At(1, 2)));
  auto* combo = qobject_cast<QComboBox*>(choice.get());
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(1), QString("入库"));
}

TEST_F(QtGridTest, ClicksKeysAndTheRightButtonReachTheHandlers) {
  table_->setCurrentIndex(At(2, 3));
  EXPECT_EQ(seen.cursor, 1);
  EXPECT_EQ(GetGridCursorRow(kGrid), 2);
  EXPECT_EQ(GetGridCursorColumn(kGrid), 3);
  SetGridCursor(kGrid, 1, 1);  // the program's move: shown, no event
  EXPECT_EQ(table_->currentIndex(), At(1, 1));
  EXPECT_EQ(seen.cursor, 1);

  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
  QApplication::sendEvent(table_, &key);
  EXPECT_EQ(seen.keys, 1);
  EXPECT_EQ(seen.chars, 1);
  EXPECT_EQ(seen.last.code, '5');

  const QRect cell = table_->visualRect(At(2, 1));
  QMouseEvent up(QEvent::MouseButtonRelease, cell.center(),
                 table_->viewport()->mapToGlobal(cell.center()), Qt::RightButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(table_->viewport(), &up);
  EXPECT_EQ(seen.right, 1);
  EXPECT_EQ(seen.last.row, 2);
  EXPECT_EQ(seen.last.col, 1);
}

TEST_F(QtGridTest, KeysTypedIntoACellEditorAreReportedOnce) {
  QWidget* window = WindowWidget(kWindow);
  window->activateWindow();
  table_->setFocus();
  table_->setCurrentIndex(At(2, 1));
  table_->edit(At(2, 1));
  auto* editor = table_->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setFocus();
  for (auto [key, text] : {std::pair{Qt::Key_7, "7"}, std::pair{Qt::Key_Return, "\r"}}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : editor,
                            &press);
  }
  EXPECT_EQ(seen.keys, 2);
  EXPECT_EQ(seen.chars, 2);
  EXPECT_EQ(seen.last.code, 13);
  Settle();
  EXPECT_EQ(GetGridCellData(kGrid, 2, 1), "7");  // Enter committed the edit
  EXPECT_EQ(seen.changed, 1);
}

TEST_F(QtGridTest, PagesPrintToPdfAndRender) {
  SetGridPrintTitle(kGrid, "租金结算单", "黑体字", 20, true, 2);
  SetGridPageNumberPosition(kGrid, 2);
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("grid.pdf"));
  EXPECT_EQ(qtp::PrintPages(printer, ui::Grid(kGrid)), 0);
  QFile pdf(dir.filePath("grid.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(4) == "%PDF");

  const PageSetup setup;
  const std::vector<Page> pages = LayoutPages(ui::Grid(kGrid), setup);
  ASSERT_FALSE(pages.empty());
  QImage image(setup.width, setup.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  qtp::PaintPage(painter, pages[0]);
  painter.end();
  const char* folder = std::getenv("RENT_TEST_OUTPUT");
  image.save(QString(folder && *folder ? folder : RENT_TEST_OUTPUT_DIR) + "/grid_page.png");
  EXPECT_LT(qGray(image.pixel(setup.width / 2, 10)), 256);
  int dark = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < setup.width; ++x) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 50);  // the title is drawn
}

TEST_F(QtGridTest, PreviewAndPrintDialogsCloseWithoutError) {
  for (bool preview : {true, false}) {
    QTimer::singleShot(50, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    EXPECT_EQ(platform_.Windows().PrintGrid(*ui::FindUnit(kGrid), preview), 0) << preview;
  }
}

}  // namespace
