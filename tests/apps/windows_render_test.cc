// Every working window of rentdesk and tallybench, and their printed first pages, on the Qt
// realisation (offscreen) with realistic content, rendered to PNG files for a look (in
// $RENT_TEST_OUTPUT, else test-output in the build folder). Each window opens non-modally
// with the records a clerk would have; the checks are light: the declared size, and dark
// text pixels where a caption or title is drawn.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"
#include "common/grid/page_layout.h"
#include "common/ini.h"
#include "common/table/table.h"
#include "common/ui/ui.h"
#include "ledger/backup_window.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/contract_window.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "ledger/program_state.h"
#include "ledger/settings_window.h"
#include "platform/qt/qt_grid_paint.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_print_preview.h"
#include "settlement/settlement_window.h"
#include "tally/tally_commands.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"
#include "tests/apps/qt_app_fixture.h"
#include "tests/apps/user_guide.h"

namespace {

namespace fs = std::filesystem;

class WindowsRender : public qtapp::QtAppTest {
 protected:
  void SetUp() override {
    QtAppTest::SetUp();
    // The clock stands still, so that the pictures change only when the windows do.
    platform_.now = MakeDateTime(2024, 5, 6, 9, 30, 0);
    const char* out = getenv("RENT_TEST_OUTPUT");
    out_ = out && *out ? out : RENT_TEST_OUTPUT_DIR;
    fs::create_directories(out_);
  }

  // Renders the open window to out_/file and checks its declared size.
  QImage Shoot(const ui::WindowDecl& decl, const std::string& file, bool sized = true) {
    RunFor(80);
    QWidget* w = WidgetOf(ui::WindowRef{decl.name});
    EXPECT_NE(w, nullptr) << decl.name;
    if (w == nullptr) return {};
    QImage image = w->grab().toImage();
    EXPECT_TRUE(image.save(QString::fromStdString(out_ + "/" + file)));
    EXPECT_EQ(ui::GetWindowWidth(ui::WindowRef{decl.name}), decl.rect.width);
    EXPECT_GT(image.width(), decl.rect.width - 24) << file;
    if (!sized) return image;
    EXPECT_EQ(ui::GetWindowHeight(ui::WindowRef{decl.name}), decl.rect.height);
    EXPECT_GT(image.height(), decl.rect.height - 64) << file;
    return image;
  }
  // How many clearly dark pixels lie in the rectangle (text is drawn there).
  static int DarkPixels(const QImage& image, int x, int y, int w, int h) {
    int dark = 0;
    for (int j = y; j < y + h && j < image.height(); ++j) {
      for (int i = x; i < x + w && i < image.width(); ++i) dark += qGray(image.pixel(i, j)) < 90;
    }
    return dark;
  }
  // The unit's declared place in its window.
  // The texts of the grid's cells that do not show whole on screen (elided: the grid offers
  // them as a tooltip).
  static std::vector<std::string> CutTexts(ui::GridRef g) {
    std::vector<std::string> cut;
    auto* table = qobject_cast<QTableView*>(static_cast<QObject*>(U(g).realisation));
    EXPECT_NE(table, nullptr) << g.name;
    if (!table) return cut;
    const QAbstractItemModel* model = table->model();
    for (int r = 0; r < model->rowCount(); ++r) {
      for (int c = 0; c < model->columnCount(); ++c) {
        const QModelIndex cell = model->index(r, c);
        if (table->rowSpan(r, c) < 1 || cell.data().toString().isEmpty()) continue;
        if (cell.data(Qt::ToolTipRole).isValid())
          cut.push_back(cell.data().toString().toStdString());
      }
    }
    return cut;
  }
  template <ui::Kind K>
  static int DarkIn(const QImage& image, ui::Ref<K> r) {
    const ui::Rect rect = ui::GetRect(r);
    return DarkPixels(image, rect.left, rect.top, rect.width, rect.height);
  }
  // The grid's first page, painted on an A4 sheet into out_/file.
  QImage PrintFirstPage(ui::GridRef g, const std::string& file) {
    PageSetup setup;
    setup.year = 2024, setup.month = 5, setup.day = 6;
    const qtp::QtTextMeasure measure;
    const std::vector<Page> pages = LayoutPages(ui::Grid(g), setup, measure);
    EXPECT_FALSE(pages.empty());
    QImage image(setup.width, setup.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!pages.empty()) {
      QPainter painter(&image);
      qtp::PaintPage(painter, pages[0]);
    }
    EXPECT_TRUE(image.save(QString::fromStdString(out_ + "/" + file)));
    return image;
  }
  std::string out_;
};

TEST_F(WindowsRender, ContractWindowWithThreeContracts) {
  using W = ContractWindow;
  ThreeContracts();
  Open(ContractWindowDecl());
  ui::user::GridClick(U(W::高级表格1), 2, 1);
  const QImage image = Shoot(ContractWindowDecl(), "contract_window.png");
  EXPECT_GT(DarkIn(image, W::标签1), 20);
  EXPECT_GT(DarkIn(image, W::高级表格1), 400);
  EXPECT_EQ(CutTexts(W::高级表格1), std::vector<std::string>{});  // 工字钢租金（天） too
}

TEST_F(WindowsRender, ContractPickWindow) {
  ThreeContracts();
  Open(ContractPickWindowDecl());
  ui::user::GridClick(U(ContractPickWindow::高级表格1), 1, 1);
  const QImage image = Shoot(ContractPickWindowDecl(), "contract_pick_window.png");
  EXPECT_GT(DarkIn(image, ContractPickWindow::按钮1), 20);
  EXPECT_EQ(CutTexts(ContractPickWindow::高级表格1), std::vector<std::string>{});
}

TEST_F(WindowsRender, DocketEntryWindowOnBothPages) {
  using W = DocketEntryWindow;
  ThreeContracts();
  ASSERT_TRUE(SelectTable("合同"));
  ASSERT_TRUE(GoToRecord(1));
  PickedContract.record = 1;
  ASSERT_TRUE(OpenPickedContractDockets());
  Open(DocketEntryWindowDecl());
  ui::SetText(W::编辑框1, "17");
  ui::user::GridEdit(U(W::高级表格1), 1, 1, "1250");
  ui::user::GridEdit(U(W::高级表格1), 2, 1, "860");
  // The first page shows the window small, the grid whole inside it.
  const QImage rental = Shoot(DocketEntryWindowDecl(), "docket_entry_rental.png", false);
  EXPECT_EQ(ui::GetWindowHeight(W::self), 315);
  EXPECT_GT(DarkIn(rental, W::标签1), 20);
  const ui::Rect tab = ui::GetRect(W::选择夹1);
  EXPECT_LT(tab.top + 24 + ui::GetRect(W::高级表格1).top + ui::GetRect(W::高级表格1).height,
            rental.height());
  ui::SetCurrentPage(W::选择夹1, 1);
  ui::user::ChoosePage(U(W::选择夹1), 1);
  Settle();
  const QImage ret = Shoot(DocketEntryWindowDecl(), "docket_entry_return.png");
  EXPECT_GT(DarkIn(ret, W::标签2), 10);
}

TEST_F(WindowsRender, DocketEditWindowWithFourDockets) {
  ThreeContracts();
  ASSERT_TRUE(SelectTable("合同"));
  ASSERT_TRUE(GoToRecord(1));
  PickedContract.record = 1;
  DocketMode = DocketModeValue::kEdit;
  ASSERT_TRUE(OpenPickedContractDockets());
  Open(DocketEditWindowDecl());
  const QImage image = Shoot(DocketEditWindowDecl(), "docket_edit_window.png");
  EXPECT_GT(DarkIn(image, DocketEditWindow::高级表格1), 600);
  EXPECT_GT(DarkIn(image, DocketEditWindow::按钮1), 10);
  SetGridPrintTitle(DocketEditWindow::高级表格1, "东方明珠花园三期出入库对账单", "黑体字", 30, true,
                    2);
  const QImage page = PrintFirstPage(DocketEditWindow::高级表格1, "docket_list_page1.png");
  EXPECT_GT(DarkPixels(page, 100, 0, 594, 160), 100) << "the title";
}

TEST_F(WindowsRender, SettingsAndBackupWindows) {
  ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "用户名", "王会计"));
  ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "单位名称", "墨川建筑器材租赁站"));
  ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "备份目录", "/home/clerk/备份"));
  Open(SettingsWindowDecl());
  const QImage settings = Shoot(SettingsWindowDecl(), "settings_window.png");
  EXPECT_GT(DarkIn(settings, SettingsWindow::标签1), 10);
  ui::DestroyWindowUnit(SettingsWindow::self, true);
  Settle();
  Open(BackupWindowDecl());
  const QImage backup = Shoot(BackupWindowDecl(), "backup_window.png");
  EXPECT_GT(DarkIn(backup, BackupWindow::按钮1), 10);
}

class SettlementRender : public WindowsRender {
 protected:
  using W = SettlementWindow;
  void SettleApril(bool cumulative) {
    ThreeContracts();
    SettleAprilWithCharges(cumulative);
  }
  // The clerk picks the day in the date box itself, so that the box shows it.
  static void PickDay(ui::DateBoxRef box, QDate day) {
    auto* edit = qobject_cast<QDateEdit*>(static_cast<QObject*>(U(box).realisation));
    ASSERT_NE(edit, nullptr);
    edit->setDate(day);
    Settle();
  }
  // Settles the first contract over April 2024 with both charges ticked.
  void SettleAprilWithCharges(bool cumulative) {
    ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "用户名", "王会计"));
    ASSERT_TRUE(WriteIniItem(SettingsFilePath(), "用户设置", "单位名称", "墨川建筑器材租赁站"));
    Open(SettlementWindowDecl());
    PickDay(W::日期框1, QDate(2024, 4, 1));
    PickDay(W::日期框2, QDate(2024, 4, 30));
    if (cumulative) ui::user::Click(U(W::单选框2));
    ui::user::Click(U(W::选择框1));
    ui::user::Click(U(W::选择框2));
    ui::user::Click(U(W::按钮1));
    Settle();
  }
};

TEST_F(SettlementRender, AfterADeductionRunWithItsPrintedFirstPage) {
  SettleApril(false);
  const QImage image = Shoot(SettlementWindowDecl(), "settlement_deduction.png");
  EXPECT_GT(DarkIn(image, W::标签1), 10);
  EXPECT_GT(DarkIn(image, W::高级表格1), 1000);
  EXPECT_EQ(CutTexts(W::高级表格1), std::vector<std::string>{});
  // The narrow contract box lists the names whole and shows the chosen one as its tooltip.
  auto* combo = qobject_cast<QComboBox*>(static_cast<QObject*>(U(W::组合框1).realisation));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->toolTip(), QString("东方明珠花园三期"));
  EXPECT_GT(combo->view()->minimumWidth(),
            combo->fontMetrics().horizontalAdvance(QString("滨江路桥梁加固工程")));
  SetGridPrintTitle(W::高级表格1, "墨川建筑器材租赁站租金计算清单", "黑体字", 30, true, 2);
  const QImage page = PrintFirstPage(W::高级表格1, "settlement_deduction_page1.png");
  EXPECT_GT(DarkPixels(page, 100, 0, 594, 160), 100) << "the title";
}

TEST_F(SettlementRender, AfterACumulativeRunWithItsPrintedFirstPage) {
  SettleApril(true);
  const QImage image = Shoot(SettlementWindowDecl(), "settlement_cumulative.png");
  EXPECT_GT(DarkIn(image, W::高级表格1), 1000);
  EXPECT_EQ(CutTexts(W::高级表格1), std::vector<std::string>{});  // 合计金额大写 too
  auto* table = qobject_cast<QTableView*>(static_cast<QObject*>(U(W::高级表格1).realisation));
  ASSERT_NE(table, nullptr);
  table->scrollToBottom();  // the run's rows: totals, the amount in words, the footer
  Shoot(SettlementWindowDecl(), "settlement_cumulative_scrolled.png");
  SetGridPrintTitle(W::高级表格1, "墨川建筑器材租赁站租金计算清单", "黑体字", 30, true, 2);
  const QImage page = PrintFirstPage(W::高级表格1, "settlement_cumulative_page1.png");
  EXPECT_GT(DarkPixels(page, 100, 0, 594, 160), 100) << "the title";
}

// Scrolled to its last rows, the statement keeps its heading rows at the top of the grid.
TEST_F(SettlementRender, ScrolledDownKeepsItsHeadingRows) {
  SettleApril(false);
  auto* table = qobject_cast<QTableView*>(static_cast<QObject*>(U(W::高级表格1).realisation));
  ASSERT_NE(table, nullptr);
  auto* headings = table->findChild<QTableView*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(headings, nullptr);
  const int fixed = ui::Grid(W::高级表格1).fixed_rows();
  ASSERT_GT(fixed, 0);
  const QImage top = headings->grab().toImage();
  table->scrollToBottom();
  const QImage image = Shoot(SettlementWindowDecl(), "settlement_scrolled.png");
  EXPECT_GT(table->rowAt(0), fixed);  // the rows under the headings scrolled
  EXPECT_EQ(headings->rowAt(0), 0);
  EXPECT_EQ(headings->rowAt(headings->height() - 1), fixed - 1);
  EXPECT_EQ(headings->grab().toImage(), top);
  const QPoint at = headings->mapTo(WidgetOf(ui::WindowRef{SettlementWindowDecl().name}), QPoint());
  EXPECT_GT(DarkPixels(image, at.x(), at.y(), headings->width(), headings->height()), 100);
}

// The user guide's worked example, one per method: a small contract with 1000 m of pipe and
// 500 fasteners out since March, part of them returned on 11 April with 10 missing screws and
// 200 m more pipe sent out on 20 April, settled over April. The guide shows these pictures, and its
// statement tables must be what the grid shows, cell by cell.
class GuideExampleRender : public SettlementRender, public ::testing::WithParamInterface<bool> {};

TEST_P(GuideExampleRender, TheGuidesStatementIsWhatTheProgramShows) {
  const bool cumulative = GetParam();
  AddContract("城南实验小学", 1, MakeDateTime(2024, 3, 20),
              {{1, MakeDateTime(2024, 3, 20), true, 1000, 500, 0, 0, 0, ""},
               {2, MakeDateTime(2024, 4, 11), false, -400, -200, 0, 0, 10, ""},
               {3, MakeDateTime(2024, 4, 20), true, 200, 0, 0, 0, 0, ""}});
  SettleAprilWithCharges(cumulative);
  const std::string method = cumulative ? "cumulative" : "deduction";
  Shoot(SettlementWindowDecl(), "settlement_example_" + method + ".png");
  // The clerk presses 打印预览: the preview window shows the statement under its title.
  bool previewed = false;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* preview = dynamic_cast<qtp::PrintPreview*>(modal)) {
      QApplication::processEvents();
      const std::string file = out_ + "/settlement_example_" + method + "_preview.png";
      previewed = preview->grab().save(QString::fromStdString(file));
    }
    modal->close();
  });
  look.start(50);
  ui::user::Click(U(W::按钮2));
  look.stop();
  EXPECT_TRUE(previewed);
  PrintFirstPage(W::高级表格1, "settlement_example_" + method + "_page1.png");
  std::vector<std::vector<std::string>> shown;
  for (int r = 0; r < GetGridRowCount(W::高级表格1); ++r) {
    std::vector<std::string> cells;
    for (int c = 0; c < GetGridColumnCount(W::高级表格1); ++c) {
      std::string text = GetGridCellData(W::高级表格1, r, c);
      if (!text.empty()) cells.push_back(text);
    }
    shown.push_back(cells);
  }
  const std::string page = guide::GuidePage();
  const std::string radio = ui::GetText(cumulative ? W::单选框2 : W::单选框1);
  EXPECT_EQ(guide::StatementRows(page, radio), shown);
}

INSTANTIATE_TEST_SUITE_P(BothMethods, GuideExampleRender, ::testing::Bool());

class TallyRender : public WindowsRender {
 protected:
  using T = TallyWindow;
  void SetUp() override {
    WindowsRender::SetUp();
    const char* tmp = getenv("TMPDIR");
    old_tmp_ = tmp ? tmp : "";
    had_tmp_ = tmp != nullptr;
    setenv("TMPDIR", dir_.c_str(), 1);
  }
  void TearDown() override {
    WindowsRender::TearDown();
    if (had_tmp_) {
      setenv("TMPDIR", old_tmp_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }
  // The tally window, shown, in the chosen layout, with counts typed into a few classes.
  void OpenTally(bool single) {
    Open(TallyWindowDecl());
    ui::SetWindowVisible(T::self, true);
    // The layout options are hidden: the layout is chosen as the stored setting would.
    ui::SetChecked(single ? T::SingleLayoutOption : T::DoubleLayoutOption, true);
    BuildTallyGrid();
    ui::SetText(T::UnitNameBox, "城南实验小学");
    ui::SetText(T::HandlingFeeBox, "25");
    const int count_col = single ? 1 : 4;
    for (int row : {3, 8, 15, 22}) ui::user::GridEdit(U(T::TallyGrid), row, 1, "12");
    ui::user::GridEdit(U(T::TallyGrid), 20, count_col, "36");
    ui::user::GridEdit(U(T::TallyGrid), single ? 54 : 27, single ? 1 : 4, "480");
    ui::user::Click(U(T::按钮7));
    Settle();
  }
  std::string old_tmp_;
  bool had_tmp_ = false;
};

TEST_F(TallyRender, DoubleLayoutWithItsPrintedSheet) {
  OpenTally(false);
  const QImage image = Shoot(TallyWindowDecl(), "tally_double.png");
  EXPECT_GT(DarkIn(image, T::TallyGrid), 500);
  SetGridPrintTitle(T::TallyGrid, TallyPrintTitle(), "微软雅黑", 25, true, 2);
  const QImage page = PrintFirstPage(T::TallyGrid, "tally_sheet_page1.png");
  EXPECT_GT(DarkPixels(page, 100, 0, 594, 160), 100) << "the title";
}

TEST_F(TallyRender, SingleLayoutRecordsAndHelp) {
  OpenTally(true);
  const QImage image = Shoot(TallyWindowDecl(), "tally_single.png");
  EXPECT_GT(DarkIn(image, T::TallyGrid), 500);
  SaveTallyRecord();
  ui::SetText(T::UnitNameBox, "滨江路桥梁加固工程");
  SaveTallyRecord();
  Open(TallyRecordsWindowDecl());
  const QImage records = Shoot(TallyRecordsWindowDecl(), "tally_records.png");
  EXPECT_GT(DarkIn(records, TallyRecordsWindow::TallyRecordList), 50);
  ui::DestroyWindowUnit(TallyRecordsWindow::self, true);
  Settle();
  Open(HelpWindowDecl());
  RunFor(600);  // the help window grows to its full height
  const QImage help = Shoot(HelpWindowDecl(), "tally_help.png", false);
  EXPECT_GT(DarkPixels(help, 0, 0, help.width(), help.height()), 100);
}

}  // namespace
