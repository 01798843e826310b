// The settlement statements of both methods as they go on paper: a 200-docket contract settled
// over every end date from 1 to 60 days after its start, its statements broken into pages
// and laid out with the installed fonts' metrics (Qt, offscreen). On every page the closing
// block (from the rent subtotal to the signatures) is whole, no material's subtotal starts
// a page alone, and every printed text fits its rectangle at the font it is printed in,
// amounts of eight and more digits included. The last pages, and a page the closing block
// moved to, are rendered to PNG files for a look.
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <map>
#include <set>

#include "common/grid/page_layout.h"
#include "platform/qt/qt_grid_paint.h"
#include "platform/qt/qt_text.h"
#include "tests/platform/qt_test_application.h"
#include "tests/settlement/settlement_test_base.h"

namespace {

constexpr int kDockets = 200;
constexpr int kDays = 5;  // AddToDateTime's unit
const DateTime kStart = MakeDateTime(2024, 1, 1);

// The first row of the closing block: the rent subtotal.
int ClosingRow(const GridModel& g) {
  for (int r = 0; r < g.rows(); ++r) {
    if (g.CellText(r, 0).rfind("租 金 小 计：", 0) == 0) return r;
  }
  return -1;
}
// A material's subtotal row (the closing block begins at row closing).
bool IsSubtotal(const GridModel& g, int row, int closing) {
  return row < closing && g.CellText(row, 0).find("小 计") != std::string::npos;
}

// 200 dockets over the first 60 days: every material goes out, most of it comes back later.
std::vector<Docket> TwoHundredDockets(double scale) {
  std::vector<Docket> dockets;
  for (int i = 0; i < kDockets; ++i) {
    Docket d;
    d.date = AddToDateTime(kStart, kDays, i * 60 / kDockets);
    d.out = i % 3 != 2;
    const double sign = d.out ? 1 : -1;
    d.pipe = sign * scale * (120 + i % 37);
    d.fasteners = sign * (80 + i % 23);
    if (i % 2 == 0) d.jacks = sign * (10 + i % 7);
    if (i % 3 == 0) d.beams = sign * (6 + i % 5);
    d.screws = i % 4;
    dockets.push_back(d);
  }
  return dockets;
}

// Statements of one method (cumulative_) laid out and looked at.
class StatementPages : public SettlementTest {
 protected:
  void SetUp() override {
    StartTestApplication();
    SettlementTest::SetUp();
    WriteSettings("王会计", "墨川建筑器材租赁站");
  }

  // The statements of the contract for the end dates start + days, as the grid holds them.
  std::vector<GridModel> Statements(const std::vector<int>& days, double scale = 1,
                                    float pipe_rent = 0.5f) {
    Rates rates;
    rates.pipe = pipe_rent;
    AddContract("东方明珠花园三期", kStart, rates, TwoHundredDockets(scale));
    std::vector<GridModel> grids;
    script_.Click(W::选择框1).Click(W::选择框2);
    for (int d : days) {
      Settle(kStart, AddToDateTime(kStart, kDays, d), cumulative_);
      Check([&grids] {
        grids.push_back(Model());
        grids.back().SetPrintTitle({"墨川建筑器材租赁站租金计算清单", "黑体字", 30, true, 2});
      });
    }
    Run();
    return grids;
  }

  std::string Method() const { return cumulative_ ? "cumulative" : "deduction"; }

  // Every text item on the page fits its rectangle at its font, with Qt's metrics, and shows
  // its whole text; where the cell is one of the statement's amounts, its size is noted.
  void ExpectTextsFit(const Page& page, const std::string& where) {
    for (const PageItem& item : page.items) {
      if (item.type != PageItem::Type::kText) continue;
      const QFontMetricsF& metrics = MetricsOf(item.font);
      std::string joined;
      for (const std::string& line : item.lines) {
        joined += line;
        EXPECT_LE(metrics.horizontalAdvance(qtp::Q(line)), item.rect.width)
            << where << ": \"" << line << "\" at " << item.font.height << " px";
      }
      EXPECT_EQ(joined, item.text) << where;
      EXPECT_LE(metrics.height() * static_cast<double>(item.lines.size()), item.rect.height)
          << where << ": \"" << item.text << "\"";
    }
  }

  void SavePage(const Page& page, const std::string& file) {
    const PageSetup setup;
    QImage image(setup.width, setup.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    qtp::PaintPage(painter, page);
    painter.end();
    const char* out = getenv("RENT_TEST_OUTPUT");
    const std::string folder = out && *out ? out : RENT_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(image.save(qtp::Q(folder + "/" + file)));
  }

  // The metrics of the font a text item is printed in.
  const QFontMetricsF& MetricsOf(const GridFont& font) {
    const std::string key =
        font.face + "/" + std::to_string(font.height) + "/" + std::to_string(font.weight);
    auto it = metrics_.find(key);
    if (it == metrics_.end()) it = metrics_.emplace(key, qtp::PrintFont(font)).first;
    return it->second;
  }

  bool cumulative_ = false;
  const qtp::QtTextMeasure measure_;
  std::map<std::string, QFontMetricsF> metrics_;
};

// The end dates first .. last days after the start, of one method: (cumulative, first, last).
class EndDates : public StatementPages,
                 public ::testing::WithParamInterface<std::tuple<bool, int, int>> {
 protected:
  void SetUp() override {
    cumulative_ = std::get<0>(GetParam());
    StatementPages::SetUp();
  }
};

// Each test once for the deduction method (false) and once for the cumulative one (true).
class PrintedStatements : public StatementPages, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    cumulative_ = GetParam();
    StatementPages::SetUp();
  }
};

// The pages of each statement, and whether its closing block moved whole to its last page.
struct Paged {
  int closing = -1;
  bool moved = false;
};
Paged CheckBreaks(const GridModel& g, const GridPages& pages, const std::string& where) {
  Paged paged;
  paged.closing = ClosingRow(g);
  EXPECT_GT(paged.closing, 0) << where;
  std::set<int> closing_pages;
  for (int i = 0; i < pages.count(); ++i) {
    const std::vector<int>& rows = pages.rows(i);
    for (int r : rows) {
      if (r >= paged.closing) closing_pages.insert(i);
    }
    // The first row under the repeated heading rows.
    const size_t first = i == 0 ? 0 : static_cast<size_t>(g.fixed_rows());
    EXPECT_LT(first, rows.size()) << where << ", page " << i + 1;
    if (i == 0 || first >= rows.size()) continue;
    EXPECT_FALSE(IsSubtotal(g, rows[first], paged.closing)) << where << ", page " << i + 1;
    paged.moved = paged.moved || rows[first] == paged.closing;
  }
  EXPECT_EQ(closing_pages.size(), 1u) << where;
  EXPECT_EQ(pages.rows(pages.count() - 1).back(), g.rows() - 1) << where;
  return paged;
}

TEST_P(EndDates, ClosingBlockWholeSubtotalsNeverAloneAndEveryTextFits) {
  std::vector<int> days;
  for (int d = std::get<1>(GetParam()); d <= std::get<2>(GetParam()); ++d) days.push_back(d);
  const std::vector<GridModel> grids = Statements(days);
  ASSERT_EQ(grids.size(), days.size());
  for (size_t k = 0; k < grids.size(); ++k) {
    const std::string where = Method() + ", " + std::to_string(days[k]) + " days";
    const GridPages pages(grids[k], PageSetup{}, measure_);
    CheckBreaks(grids[k], pages, where);
    for (int i = 0; i < pages.count(); ++i) {
      ExpectTextsFit(pages.Lay(i), where + ", page " + std::to_string(i + 1));
    }
  }
}

// 1 to 60 days, in two parts of about the same work.
std::string EndDatesName(const ::testing::TestParamInfo<std::tuple<bool, int, int>>& info) {
  return std::string(std::get<0>(info.param) ? "Cumulative" : "Deduction") +
         std::to_string(std::get<1>(info.param)) + "To" + std::to_string(std::get<2>(info.param));
}
INSTANTIATE_TEST_SUITE_P(BothMethods, EndDates,
                         ::testing::Values(std::tuple{false, 1, 42}, std::tuple{false, 43, 60},
                                           std::tuple{true, 1, 42}, std::tuple{true, 43, 60}),
                         EndDatesName);

// Amounts of eight and more digits print whole; their column takes width from the others so
// that they keep at least two thirds of the page's text size.
TEST_P(PrintedStatements, AmountsOfEightAndMoreDigitsPrintWholeAndLegible) {
  const std::vector<GridModel> grids = Statements({60}, 400, 3.5f);
  ASSERT_EQ(grids.size(), 1u);
  const GridModel& g = grids[0];
  long declared = 0;
  for (int c = 0; c < g.cols(); ++c) declared += g.ColumnWidth(c);
  const auto& margins = g.settings.page_options;
  const double scale =
      std::min(1.0, (PageSetup{}.width - margins[0] - margins[2]) / double(declared));
  const int legible = (static_cast<int>(23 * scale) * 2 + 2) / 3;
  const GridPages pages(g, PageSetup{}, measure_);
  int long_amounts = 0;
  for (int i = 0; i < pages.count(); ++i) {
    const Page page = pages.Lay(i);
    ExpectTextsFit(page, Method() + ", page " + std::to_string(i + 1));
    for (const PageItem& item : page.items) {
      if (item.type != PageItem::Type::kText || item.text.size() < 8) continue;
      if (item.text.find_first_not_of("-0123456789.") != std::string::npos) continue;
      ++long_amounts;
      EXPECT_GE(item.font.height, legible) << item.text << " on page " << i + 1;
    }
  }
  EXPECT_GT(long_amounts, 0) << "the data gives no amount of eight digits";
  SavePage(pages.Lay(pages.count() - 1), "statement_" + Method() + "_large_amounts.png");
}

// Over the 60 end dates the closing block moves whole to a page of its own at least once
// (rendered with the page before it, and the last page of the longest statement, for a look);
// without the rows' marks it would have been parted, or a subtotal left alone, somewhere.
TEST_P(PrintedStatements, AClosingBlockMovesWholeWhereWithoutItsMarksItWouldSplit) {
  std::vector<int> days;
  for (int d = 1; d <= 60; ++d) days.push_back(d);
  const std::vector<GridModel> grids = Statements(days);
  ASSERT_EQ(grids.size(), days.size());
  const GridPages longest(grids.back(), PageSetup{}, measure_);
  SavePage(longest.Lay(longest.count() - 1), "statement_" + Method() + "_last_page.png");
  int moved = 0, split_without_marks = 0;
  for (size_t k = 0; k < grids.size(); ++k) {
    const GridModel& g = grids[k];
    const GridPages pages(g, PageSetup{}, measure_);
    const Paged paged = CheckBreaks(g, pages, Method() + ", " + std::to_string(days[k]) + " days");
    if (paged.moved && moved++ == 0) {
      SavePage(pages.Lay(pages.count() - 2), "statement_" + Method() + "_before_moved_block.png");
      SavePage(pages.Lay(pages.count() - 1), "statement_" + Method() + "_moved_block.png");
    }
    GridModel bare = g;
    bare.settings.keep_with_next.clear();
    const GridPages loose(bare, PageSetup{});
    for (int i = 1; i < loose.count(); ++i) {
      const int top = loose.rows(i)[g.fixed_rows()];
      split_without_marks += top > paged.closing || IsSubtotal(g, top, paged.closing);
    }
  }
  EXPECT_GT(moved, 0);
  EXPECT_GT(split_without_marks, 0);
}

INSTANTIATE_TEST_SUITE_P(BothMethods, PrintedStatements, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Cumulative" : "Deduction"; });

}  // namespace
