// Grid units: the table view shows the grid model; the user's edits, choices, clicks, keys and
// right clicks reach the model through the grid's user actions; pages print and preview.
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <set>

#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/grid/page_layout.h"
#include "platform/qt/qt_grid_paint.h"
#include "platform/qt/qt_print_preview.h"
#include "platform/qt/qt_text.h"
#include "tests/platform/qt_fixture.h"

namespace {

using qtest::QtWindowTest;
using qtp::Q;
using qtp::S;

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
  // The grid's pages printed into a PDF file: the file's bytes (empty when printing failed).
  static QByteArray PrintedPdf() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("grid.pdf"));
    if (qtp::PrintPages(printer, ui::Grid(kGrid)) != 0) return {};
    QFile pdf(dir.filePath("grid.pdf"));
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
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

// The writes of a batch reach the view when the batch ends, all of them: the new size, the
// cells' texts, a merge and a font; until then the view keeps what it showed.
TEST_F(QtGridTest, WritesInABatchShowWhenTheBatchEnds) {
  {
    GridWriteBatch batch(kGrid);
    ClearGrid(kGrid);
    SetGridRowCount(kGrid, 400);
    for (int r = 1; r < 400; ++r) SetGridCellData(kGrid, r, 1, kCellContent, r * 1.5);
    JoinGridCells(kGrid, 399, 2, 399, 3);
    SetGridCellData(kGrid, 399, 2, kCellContent, std::string("合计"));
    SetGridFontStyle(kGrid, 399, 0, 399, 3, 1);
    EXPECT_EQ(GetGridRowCount(kGrid), 400);
    EXPECT_EQ(table_->model()->rowCount(), 5);
  }
  EXPECT_EQ(table_->model()->rowCount(), 400);
  Settle();
  EXPECT_EQ(Shown(0, 1), QString());
  EXPECT_EQ(Shown(2, 1), QString("3"));
  EXPECT_EQ(Shown(399, 1), QString("598.5"));
  EXPECT_EQ(Shown(399, 2), QString("合计"));
  EXPECT_EQ(table_->columnSpan(399, 2), 2);
  EXPECT_EQ(table_->columnSpan(4, 0), 1);
  EXPECT_TRUE(At(399, 2).data(Qt::FontRole).value<QFont>().bold());
  // Past the batch each write shows at once again.
  SetGridRowCount(kGrid, 401);
  EXPECT_EQ(table_->model()->rowCount(), 401);
}

// The view's rows keep the model's heights and hide the fixed rows (which the overlay shows)
// as the model changes: heights read in far down, the fixed rows more and fewer, rows
// dropped, cut off and added again.
TEST_F(QtGridTest, RowHeightsAndHiddenRowsFollowTheModel) {
  auto expect_as_model = [this](const char* when) {
    Settle();
    const GridModel& m = ui::Grid(kGrid);
    ASSERT_EQ(table_->model()->rowCount(), m.rows()) << when;
    for (int r = 0; r < m.rows(); ++r) {
      const bool fixed = r < m.fixed_rows();
      ASSERT_EQ(table_->isRowHidden(r), fixed) << when << ": row " << r;
      if (!fixed) {
        ASSERT_EQ(table_->rowHeight(r), m.RowHeight(r)) << when << ": row " << r;
      }
    }
  };
  auto set_height = [](int row, int height) {
    ui::Grid(kGrid).SetRowHeight(row, height);
    ui::GridTouched(kGrid);
  };
  SetGridRowCount(kGrid, 3000);
  set_height(2500, 40);
  set_height(10, 50);
  expect_as_model("heights far down");
  SetGridFixedRows(kGrid, 3);
  expect_as_model("three fixed rows");
  SetGridFixedRows(kGrid, 0);
  expect_as_model("no fixed rows");
  set_height(2500, kDefaultRowHeight);
  DropGridRow(kGrid, 5);
  expect_as_model("a row dropped above a tall one");
  SetGridRowCount(kGrid, 100);
  SetGridRowCount(kGrid, 3000);
  SetGridFixedRows(kGrid, 2);
  expect_as_model("rows cut off and added again");
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

// The same text in the same font fits each room it is in: another column width, another
// font or another text shows at its own size, also after the room changed.
TEST_F(QtGridTest, FittedFontsFollowTheirRooms) {
  auto pixels = [this](int r, int c) {
    return At(r, c).data(Qt::FontRole).value<QFont>().pixelSize();
  };
  const std::string text = "滨江路桥梁加固工程";
  SetGridFontSize(kGrid, 1, 0, 3, 3, 23);
  SetGridCellData(kGrid, 1, 0, kCellContent, text);
  SetGridCellData(kGrid, 1, 3, kCellContent, text);
  SetGridCellData(kGrid, 2, 3, kCellContent, std::string("钢管"));
  Settle();
  const int narrow = pixels(1, 0), wide = pixels(1, 3);
  EXPECT_LT(narrow, wide);
  EXPECT_GT(pixels(2, 3), wide - 1);
  SetGridColumnWidth(kGrid, 0, 150);
  Settle();
  EXPECT_EQ(pixels(1, 0), wide);
  SetGridColumnWidth(kGrid, 0, kDefaultColumnWidth);
  Settle();
  EXPECT_EQ(pixels(1, 0), narrow);
  SetGridFontSize(kGrid, 1, 0, 1, 0, ui::Grid(kGrid).default_font().height);
  Settle();
  EXPECT_EQ(pixels(1, 0), ui::Grid(kGrid).default_font().height);
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
  EXPECT_TRUE(PrintedPdf().startsWith("%PDF"));

  const PageSetup setup;
  const qtp::QtTextMeasure measure;
  const std::vector<Page> pages = LayoutPages(ui::Grid(kGrid), setup, measure);
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

// Without a printer (none is installed here) the pages go to grid.pdf in the run folder, from
// the print button as from the preview's 打印; a preview closed prints nothing.
TEST_F(QtGridTest, PreviewAndPrintWithoutAPrinterWriteTheRunFolderPdf) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) {
    GTEST_SKIP() << "a printer is installed";
  }
  QTemporaryDir dir;
  SetRunDirectoryForTests(S(dir.path()));
  const QString pdf = dir.filePath("grid.pdf");
  EXPECT_EQ(Q(GridPrintFile()), pdf);
  struct Case {
    bool preview;
    const char* press;  // the preview's button pressed; nullptr: the window closed
    int result;
  };
  for (const Case& c : {Case{true, nullptr, 0}, Case{true, "打印", 3}, Case{false, nullptr, 3}}) {
    QFile::remove(pdf);
    QTimer answer;  // gone with the case: a print without a dialog leaves it unfired
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&c] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (c.press && button->text() == QString(c.press)) {
          button->click();
          return;
        }
      }
      dialog->close();
    });
    answer.start(50);
    EXPECT_EQ(platform_.Windows().PrintGrid(*ui::FindUnit(kGrid), c.preview), c.result)
        << c.preview << (c.press ? c.press : "");
    QFile file(pdf);
    ASSERT_EQ(file.open(QIODevice::ReadOnly), c.result == 3);
    EXPECT_TRUE(c.result != 3 || file.read(4) == "%PDF");
  }
  SetRunDirectoryForTests("");
}

}  // namespace

namespace {

// The preview window of a long grid: Chinese controls, and only the pages in view laid out,
// on opening and after a jump to the last page.
TEST_F(QtGridTest, PreviewLaysOutOnlyThePagesInView) {
  SetGridRowCount(kGrid, 3000);
  for (int r = 1; r < 3000; ++r) SetGridCellData(kGrid, r, 0, kCellContent, r);
  const int pages = GridPages(ui::Grid(kGrid), PageSetup{}).count();
  ASSERT_GT(pages, 60);
  struct Seen {
    QString title, where_first, where_last;
    QStringList buttons;
    int laid_first = -1, laid_last = -1, count = -1;
  } seen;
  QTimer::singleShot(50, [&seen] {
    auto* preview = dynamic_cast<qtp::PrintPreview*>(QApplication::activeModalWidget());
    if (!preview) return;
    QApplication::processEvents();
    seen.title = preview->windowTitle();
    for (auto* button : preview->findChildren<QPushButton*>()) seen.buttons << button->text();
    seen.count = preview->page_count();
    seen.laid_first = preview->pages_laid();
    seen.where_first = preview->findChild<QLabel*>()->text();
    const char* out = std::getenv("RENT_TEST_OUTPUT");
    preview->grab().save(QString(out && *out ? out : RENT_TEST_OUTPUT_DIR) + "/print_preview.png");
    auto* area = preview->findChild<QScrollArea*>();
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QApplication::processEvents();
    seen.laid_last = preview->pages_laid();
    seen.where_last = preview->findChild<QLabel*>()->text();
    preview->close();
  });
  EXPECT_EQ(platform_.Windows().PrintGrid(*ui::FindUnit(kGrid), true), 0);
  EXPECT_EQ(seen.title, QString("打印预览"));
  EXPECT_EQ(seen.buttons, QStringList({"打印", "上一页", "下一页", "放大", "缩小", "关闭"}));
  EXPECT_EQ(seen.count, pages);
  EXPECT_GE(seen.laid_first, 1);
  EXPECT_LE(seen.laid_first, 3);
  EXPECT_EQ(seen.where_first, QString("第 1 页 / 共 %1 页").arg(pages));
  EXPECT_GT(seen.laid_last, seen.laid_first);
  EXPECT_LE(seen.laid_last, 6);
  EXPECT_EQ(seen.where_last, QString("第 %1 页 / 共 %1 页").arg(pages));
}

}  // namespace

namespace {

// The families of the fonts a PDF embeds, from its /BaseFont names ("NotoSansCJKsc-Bold" is
// the family "Noto Sans CJK SC"), lowercased and without blanks.
std::set<std::string> EmbeddedFamilies(const QByteArray& pdf) {
  std::set<std::string> families;
  static const QRegularExpression base("/BaseFont\\s*/([A-Za-z0-9_+]+)");
  for (auto it = base.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
    families.insert(it.next().captured(1).toLower().toStdString());
  }
  return families;
}
std::string Squeezed(QString family) { return family.remove(' ').toLower().toStdString(); }

// A printed cell whose font is not installed falls back to the very face the screen shows
// for it, on the laid-out page as in the PDF.
TEST_F(QtGridTest, PrintedCellsUseTheScreensFallbackFaces) {
  const char* faces[] = {"微软雅黑", "宋体", "黑体字", "楷体", "Tahoma", "方正姚体"};
  for (int r = 1; r <= 4; ++r) ClearGridCells(kGrid, r, 0, r, 3);
  std::set<std::string> screen;
  for (int i = 0; i < 6; ++i) {
    const int r = 1 + i / 2, c = i % 2 * 2;
    SetGridCellData(kGrid, r, c, kCellContent,
                    std::string("钢管小计 88518.72 面") + std::to_string(i));
    SetGridFontName(kGrid, r, c, r, c, faces[i]);
  }
  Settle();
  const qtp::QtTextMeasure measure;
  const Page page = GridPages(ui::Grid(kGrid), PageSetup{}, measure).Lay(0);
  for (int i = 0; i < 6; ++i) {
    const int r = 1 + i / 2, c = i % 2 * 2;
    const QFont shown = table_->model()->data(At(r, c), Qt::FontRole).value<QFont>();
    const QString family = QFontInfo(shown).family();
    screen.insert(Squeezed(family));
    const std::string text = S(Shown(r, c));
    const PageItem* printed = nullptr;
    for (const PageItem& item : page.items) {
      if (item.type == PageItem::Type::kText && item.text == text) printed = &item;
    }
    ASSERT_NE(printed, nullptr) << faces[i];
    EXPECT_EQ(QFontInfo(qtp::PrintFont(printed->font)).family(), family) << faces[i];
  }
  EXPECT_TRUE(screen.count("notosanscjksc")) << "the CJK sans face stands in for 微软雅黑";
  const QByteArray pdf = PrintedPdf();
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  for (const std::string& embedded : EmbeddedFamilies(pdf)) {
    const std::string family = embedded.substr(0, embedded.find('-'));
    EXPECT_TRUE(screen.count(family)) << embedded << " is not a face the screen shows";
  }
}

}  // namespace
