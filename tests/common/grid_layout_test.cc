#include <gtest/gtest.h>

#include <algorithm>

#include "common/grid/grid_file.h"
#include "common/grid/grid_model.h"
#include "common/grid/page_layout.h"
#include "common/grid/page_layout_parts.h"

namespace {

std::vector<int> Rows(int first, int last, bool heading = true) {
  std::vector<int> rows;
  if (heading) rows.push_back(0);
  for (int r = first; r <= last; ++r) rows.push_back(r);
  return rows;
}

std::vector<const PageItem*> TextsOf(const Page& p, const std::string& text) {
  std::vector<const PageItem*> found;
  for (const PageItem& item : p.items) {
    if (item.type == PageItem::Type::kText && item.text == text) found.push_back(&item);
  }
  return found;
}

// A 100-row statement grid on A4: title 30 high + gap 20 below the 40 + 60 top band, rows of
// 24 down to 1123 - 20 - 60 = 1043.
class HundredRows : public ::testing::Test {
 protected:
  HundredRows() : grid(100, 10, GridFont{}) {
    for (int r = 0; r < 100; ++r) grid.SetText(r, 0, "r" + std::to_string(r));
    for (int c = 0; c < 10; ++c) grid.SetColumnWidth(c, 80);  // 800: wider than the page
    grid.SetPrintTitle({"北区租金计算清单", "黑体字", 20, true, 2});
    grid.SetPrintDatePosition(2);
    grid.SetPageNumberPosition(3);
  }
  std::vector<Page> Layout() { return LayoutPages(grid, {794, 1123, 2015, 10, 9}); }
  GridModel grid;
};

TEST_F(HundredRows, RowsBreakWithTheHeadingRepeated) {
  std::vector<Page> pages = Layout();
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].rows, Rows(1, 36));
  EXPECT_EQ(pages[1].rows, Rows(37, 74));
  EXPECT_EQ(pages[2].rows, Rows(75, 99));
  for (const Page& p : pages) EXPECT_EQ(TextsOf(p, "r0").size(), 1u);
}

TEST_F(HundredRows, TitleOnlyOnTheFirstPage) {
  std::vector<Page> pages = Layout();
  ASSERT_EQ(TextsOf(pages[0], "北区租金计算清单").size(), 1u);
  const PageItem& title = *TextsOf(pages[0], "北区租金计算清单")[0];
  EXPECT_EQ(title.font.face, "黑体字");
  EXPECT_EQ(title.font.weight, 700);
  EXPECT_EQ(title.format & 3, 1);  // centred
  EXPECT_EQ(title.rect.top, 100);
  for (size_t i = 1; i < pages.size(); ++i)
    EXPECT_TRUE(TextsOf(pages[i], "北区租金计算清单").empty());
}

TEST_F(HundredRows, DateAndPageNumberOnEveryPage) {
  std::vector<Page> pages = Layout();
  for (size_t i = 0; i < pages.size(); ++i) {
    std::string number = "第 " + std::to_string(i + 1) + " 页 / 共 3 页";
    ASSERT_EQ(TextsOf(pages[i], number).size(), 1u) << number;
    EXPECT_EQ(TextsOf(pages[i], number)[0]->format & 3, 2);  // right
    ASSERT_EQ(TextsOf(pages[i], "2015-10-9").size(), 1u);
    EXPECT_EQ(TextsOf(pages[i], "2015-10-9")[0]->format & 3, 1);  // centred
  }
  grid.SetPrintDatePosition(0);
  EXPECT_TRUE(TextsOf(Layout()[0], "2015-10-9").empty());
}

TEST_F(HundredRows, WideColumnsNarrowedToThePrintableWidth) {
  for (const Page& p : Layout()) {
    for (const PageItem& item : p.items) {
      EXPECT_GE(item.rect.left, 40);
      EXPECT_LE(item.rect.left + item.rect.width, 794 - 20);
    }
  }
  grid.SetPageOption(1, 100);  // the settlement's wider left margin
  const Page first = Layout()[0];
  const PageItem& cell = *TextsOf(first, "r1")[0];
  EXPECT_EQ(cell.rect.left, 100 + 2);
  EXPECT_LT(cell.font.height, 12);
}

TEST_F(HundredRows, MergeAcrossABreakShowsOnBothPages) {
  grid.SetText(36, 3, "merged");
  grid.Join(GridModel::MakeRange(36, 3, 37, 4));
  std::vector<Page> pages = Layout();
  ASSERT_EQ(TextsOf(pages[0], "merged").size(), 1u);
  ASSERT_EQ(TextsOf(pages[1], "merged").size(), 1u);
  EXPECT_EQ(TextsOf(pages[0], "merged")[0]->rect.height, 24);
}

TEST(PageLayout, EmptyGridAndOversizedRowsStillEnd) {
  GridModel empty(0, 0, GridFont{});
  EXPECT_EQ(LayoutPages(empty, {}).size(), 1u);
  GridModel tall(4, 2, GridFont{});
  for (int r = 0; r < 4; ++r) tall.SetRowHeight(r, 5000);
  std::vector<Page> pages = LayoutPages(tall, {});
  ASSERT_EQ(pages.size(), 4u);  // a row taller than a page stands alone, without the heading
  EXPECT_EQ(pages[0].rows, Rows(0, -1));
  EXPECT_EQ(pages[2].rows, Rows(2, 2, false));
}

}  // namespace

// Rows kept with the next one (HundredRows' pages hold rows 1-36 and 37-74 under row 0).
TEST_F(HundredRows, RowsKeptWithTheNextMoveWholeUnlessTallerThanAPage) {
  struct Case {
    std::vector<int> marks;  // rows kept with the next one
    int page2_first;         // the first row under the heading on page 2
    const char* why;
  };
  std::vector<int> all;
  for (int r = 1; r < 99; ++r) all.push_back(r);
  const Case cases[] = {
      {{}, 37, "no marks"},
      {{34, 35}, 37, "34-36 fit on page 1"},
      {{35, 36}, 35, "35-37 move whole"},
      {{36}, 36, "36 goes with 37"},
      {{20, 21, 35, 36}, 35, "only the run at the break moves"},
      {all, 37, "a run taller than a page breaks as usual"},
      {{99}, 37, "the last row has no next row"},
  };
  for (const Case& c : cases) {
    grid.settings.keep_with_next.clear();
    for (int r : c.marks) ASSERT_TRUE(grid.SetKeepWithNext(r, true)) << r;
    const GridPages pages(grid, {794, 1123, 2015, 10, 9});
    ASSERT_GE(pages.count(), 2) << c.why;
    EXPECT_EQ(pages.rows(1)[0], 0) << c.why;  // the heading repeated
    EXPECT_EQ(pages.rows(1)[1], c.page2_first) << c.why;
    EXPECT_EQ(pages.rows(0).back(), c.page2_first - 1) << c.why;
    EXPECT_EQ(pages.rows(pages.count() - 1).back(), 99) << c.why;
  }
  EXPECT_FALSE(grid.SetKeepWithNext(100, true));
  grid.Clear();
  EXPECT_TRUE(grid.settings.keep_with_next.empty());
}

// The marks are a print matter: the save file is the same with them as without them.
TEST_F(HundredRows, MarksAreNotStored) {
  ByteSet plain, marked;
  ASSERT_TRUE(ExportGrid(grid, &plain));
  grid.SetKeepWithNext(35, true);
  ASSERT_TRUE(ExportGrid(grid, &marked));
  EXPECT_EQ(plain, marked);
}

// Where a text fits: the largest size, on one line or, where the cell is tall enough and the
// text may break (beside CJK characters, not inside a number, not apart from a bracket or a
// closing mark), on several.
TEST(PageTextFit, TextsFitTheirRoomWhole) {
  struct Case {
    std::string text;
    int width, height;
    std::vector<std::string> lines;
    int largest, smallest;  // the height found lies in largest .. smallest
  };
  const Case cases[] = {
      {"钢 管", 100, 22, {"钢 管"}, 15, 15},
      {"金额（元）", 40, 46, {"金额", "（元）"}, 13, 13},
      {"累计在租量", 40, 46, {"累计在", "租量"}, 13, 13},
      {"88518.72", 42, 22, {"88518.72"}, 8, 8},
      {"-123456789.12", 60, 46, {"-123456789.12"}, 7, 7},
      {"2024年1月20日", 50, 70, {"2024", "年1月", "20日"}, 16, 16},
      {"合计金额大写", 44, 22, {"合计金额大写"}, 7, 7},
  };
  GridFont font;
  font.height = 16;
  for (const Case& c : cases) {
    const page_internal::FittedText fit =
        page_internal::FitText(c.text, font, c.width, c.height, EstimatedMeasure());
    EXPECT_EQ(fit.lines, c.lines) << c.text;
    EXPECT_LE(fit.height, c.largest) << c.text;
    EXPECT_GE(fit.height, c.smallest) << c.text;
    GridFont at = font;
    at.height = fit.height;
    for (const std::string& line : fit.lines) {
      EXPECT_LE(EstimatedMeasure().Width(line, at), c.width) << c.text << ": " << line;
    }
    EXPECT_LE(fit.lines.size() * EstimatedMeasure().LineHeight(at), c.height) << c.text;
  }
}

// A column whose figure would fall below its legible size takes width from columns that have
// it to spare, on that page only; the page's width stays the printable width.
TEST(PageTextFit, AShortColumnTakesWidthFromTheOthers) {
  GridModel grid(3, 4, GridFont{});
  for (int c = 0; c < 4; ++c) grid.SetColumnWidth(c, 150);
  grid.SetColumnWidth(2, 40);
  grid.SetText(1, 0, "甲");
  grid.SetText(1, 1, "乙");
  grid.SetText(1, 2, "12345678.91");
  grid.SetText(1, 3, "丙");
  const GridPages pages(grid, {});
  const Page page = pages.Lay(0);
  const PageItem* figure = TextsOf(page, "12345678.91").at(0);
  EXPECT_EQ(figure->font.height, 12) << "the cell font, whole";
  EXPECT_GE(figure->rect.width, EstimatedMeasure().Width("12345678.91", figure->font));
  for (const char* other : {"甲", "乙", "丙"}) {
    EXPECT_EQ(TextsOf(page, other).at(0)->font.height, 12) << other;
  }
  int right = 0;
  for (const PageItem& item : page.items) right = std::max(right, item.rect.left + item.rect.width);
  EXPECT_EQ(right, 40 + 490);  // the declared 490 fit the page and keep their total
}
