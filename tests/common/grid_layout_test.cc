#include <gtest/gtest.h>

#include <algorithm>

#include "common/grid/grid_model.h"
#include "common/grid/page_layout.h"

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
