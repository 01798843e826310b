// Printing and previewing a grid unit through the scripted platform: the printing service's
// failure messages and the pages it captured.
#include <gtest/gtest.h>

#include "common/files.h"
#include "tests/common/grid_window.h"

namespace {

using GridPrintTest = GridWindowTest;
constexpr ui::GridRef kGrid = 表格窗口::高级表格1;

size_t CountTexts(const Page& p, const std::string& text) {
  size_t n = 0;
  for (const PageItem& item : p.items) n += item.type == PageItem::Type::kText && item.text == text;
  return n;
}

std::vector<int> HeadingAnd(int first, int last) {
  std::vector<int> rows{0};
  for (int r = first; r <= last; ++r) rows.push_back(r);
  return rows;
}

// Failures show their message and report false; a print into the run folder's file for want
// of a printer says where the file is.
TEST_F(GridPrintTest, FailuresAndPrintsToAFileShowTheirMessage) {
  struct Case {
    int answer;
    std::string message;  // empty: none
    int flags;
    const char* title;
  };
  const std::string file = "没有安装打印机，表格已打印到文件：" + GridPrintFile();
  const Case cases[] = {{0, "", 0, ""},
                        {1, "打印机初始化出错,请检查打印设置!", 16, "错误"},
                        {2, "打印表格出错,请检查打印设置或稍候重试!", 16, "错误"},
                        {3, file, 64, "信息："}};
  ASSERT_EQ(GridPrintFile(), GetRunDirectory() + "/grid.pdf");
  for (bool preview : {false, true}) {
    for (const Case& c : cases) {
      ScriptedPlatform script;
      script.AnswerPrint(c.answer);
      if (!c.message.empty()) script.ExpectMessageBox(c.message, c.flags, c.title);
      std::string failure;
      bool printed = false;
      ASSERT_TRUE(RunScripted(
          script,
          [&] {
            ui::LoadStartWindow(GridWindowDecl());
            printed = preview ? PrintPreviewGrid(kGrid) : PrintGrid(kGrid);
          },
          &failure))
          << failure;
      EXPECT_EQ(printed, c.answer == 0 || c.answer == 3) << c.answer;
      ASSERT_EQ(script.prints().size(), 1u);
      EXPECT_EQ(script.prints()[0].preview, preview);
      EXPECT_EQ(script.prints()[0].window, "表格窗口");
      EXPECT_EQ(script.prints()[0].grid, "高级表格1");
      EXPECT_EQ(script.message_boxes().size(), c.message.empty() ? 0u : 1u);
    }
  }
}

TEST_F(GridPrintTest, AHundredRowGridIsCapturedOnA4WithTheTitleOnTheFirstPage) {
  ASSERT_TRUE(RunGrid([] {
    SetGridRowCount(kGrid, 100);
    SetGridColumnCount(kGrid, 10);
    for (int r = 0; r < 100; ++r)
      SetGridCellData(kGrid, r, 0, kCellContent, Value("r" + std::to_string(r)));
    SetGridPrintTitle(kGrid, "北区租金计算清单", "黑体");
    SetGridPrintDatePosition(kGrid, 1);
    SetGridPageNumberPosition(kGrid, 2);
    EXPECT_TRUE(PrintPreviewGrid(kGrid));
    EXPECT_TRUE(PrintGrid(kGrid));
  })) << failure_;
  ASSERT_EQ(script_.prints().size(), 2u);
  EXPECT_TRUE(script_.prints()[0].preview);
  EXPECT_FALSE(script_.prints()[1].preview);
  const std::vector<Page>& pages = script_.prints()[1].pages;
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].rows, HeadingAnd(1, 36));
  EXPECT_EQ(pages[1].rows, HeadingAnd(37, 74));
  EXPECT_EQ(pages[2].rows, HeadingAnd(75, 99));
  for (size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(CountTexts(pages[i], "北区租金计算清单"), i == 0 ? 1u : 0u) << i;
    EXPECT_EQ(CountTexts(pages[i], "r0"), 1u) << i;
    EXPECT_EQ(CountTexts(pages[i], "2014-1-5"), 1u) << i;  // the script's day
    std::string number = "第 " + std::to_string(i + 1) + " 页 / 共 3 页";
    EXPECT_EQ(CountTexts(pages[i], number), 1u) << number;
  }
  EXPECT_EQ(script_.prints()[0].pages.size(), 3u);
}

TEST_F(GridPrintTest, PagesAreCapturedEvenWhenPrintingFails) {
  script_.AnswerPrint(2);
  script_.ExpectMessageBox("打印表格出错,请检查打印设置或稍候重试!", 16, "错误");
  ASSERT_TRUE(RunGrid([] {
    SetGridCellData(kGrid, 1, 1, kCellContent, Value(std::string("甲")));
    EXPECT_FALSE(PrintGrid(kGrid));
  })) << failure_;
  ASSERT_EQ(script_.prints().size(), 1u);
  ASSERT_EQ(script_.prints()[0].pages.size(), 1u);
  EXPECT_EQ(CountTexts(script_.prints()[0].pages[0], "甲"), 1u);
}

}  // namespace
