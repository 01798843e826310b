// Docket editing: deleting a docket, closing without saving, and the reconciliation list's
// print and preview with its title.
#include "common/grid/grid_model.h"
#include "tests/ledger/docket_edit_test_base.h"

namespace {

std::vector<StoredDocket> ThreeDockets() {
  return {Rental(1, 2, 100), Rental(2, 5, 20), Return(3, 9, 30)};
}

const char* kTitle = "甲出入库对账单";

// True when a printed page shows the text.
bool PageShows(const Page& page, const std::string& text) {
  for (const PageItem& item : page.items) {
    if (item.type == PageItem::Type::kText && item.text == text) return true;
  }
  return false;
}

// 删除 that deletes nothing: no docket chosen, the header row chosen, or the question
// answered with Cancel. The three dockets are saved back as they were.
struct KeptCase {
  const char* what;
  int row, col;  // the cell the clerk clicks first; row -1: none
  const char* message;
  int flags, answer;
};

const KeptCase kKeptCases[] = {
    {"no docket chosen", -1, 0, "还没有选中一条单据", 0, kPressOk},
    {"the header row is no docket", 0, 1, "还没有选中一条单据", 0, kPressOk},
    {"cancel keeps the docket", 2, 4, "是否确定删除这条单据", kMbOkCancel, kPressCancel},
};

void PrintTo(const KeptCase& c, std::ostream* os) { *os << c.what; }

class DeleteKeptTest : public DocketEditTest, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(DeleteKeptTest, KeepsEveryDocket) {
  const KeptCase& c = GetParam();
  PickContractWith(ThreeDockets());
  if (c.row >= 0) GridClick(E::高级表格1, c.row, c.col);
  script_.Click(E::按钮2);
  Expect(c.message, c.flags, c.answer);
  script_.Do([] {
    EXPECT_EQ(GetGridRowCount(E::高级表格1), 4);
    EXPECT_EQ(GetRecordCount(), 3);
  });
  Save();
  Saved();
  Run();
  EXPECT_EQ(DocketsOf(1).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteKeptTest, ::testing::ValuesIn(kKeptCases));

TEST_F(DocketEditTest, ADeletionIsSavedWithTheRowsInStep) {
  PickContractWith(ThreeDockets());
  GridClick(E::高级表格1, 2, 4);
  script_.Click(E::按钮2);
  Expect("是否确定删除这条单据", kMbOkCancel);
  script_.Do([] {
    EXPECT_EQ(GetGridRowCount(E::高级表格1), 3);
    EXPECT_EQ(GetRecordCount(), 2);
    EXPECT_EQ(Cell(E::高级表格1, 2, 1), "3");
  });
  script_.TypeCell(E::高级表格1, 2, 9, "第三单");
  Save();
  Saved();
  Run();
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].number, 1);
  EXPECT_EQ(d[1].number, 3);
  EXPECT_EQ(d[1].pipe, -30);
  EXPECT_EQ(d[1].remark, "第三单");
}

TEST_F(DocketEditTest, DeletingAndClosingLeavesTheContractUnchanged) {
  PickContractWith(ThreeDockets());
  const ByteSet before = DocketBytes(1);
  GridClick(E::高级表格1, 1, 0);
  script_.Click(E::按钮2);
  Expect("是否确定删除这条单据", kMbOkCancel);
  CloseWithoutSaving();
  Run();
  EXPECT_EQ(DocketBytes(1), before);
  EXPECT_EQ(DocketsOf(1).size(), 3u);
}

TEST_F(DocketEditTest, PrintingBeforeAPreviewHasNoTitleAndThePreviewsTitleStays) {
  PickContractWith(ThreeDockets());
  script_.Click(E::按钮5).Do([] { EXPECT_EQ(ui::Grid(E::高级表格1).settings.title.text, ""); });
  script_.Click(E::按钮4).Do([] {
    const PrintTitle& t = ui::Grid(E::高级表格1).settings.title;
    EXPECT_EQ(t.text, kTitle);
    EXPECT_EQ(t.face, "黑体字");
    EXPECT_EQ(t.size, 30);
    EXPECT_TRUE(t.bold);
    EXPECT_EQ(t.alignment, 2);
  });
  script_.Click(E::按钮5);
  CloseWithoutSaving();
  Run();
  const auto& prints = script_.prints();
  ASSERT_EQ(prints.size(), 3u);
  const bool previews[] = {false, true, false};
  const bool titled[] = {false, true, true};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(prints[i].preview, previews[i]) << i;
    ASSERT_FALSE(prints[i].pages.empty()) << i;
    EXPECT_EQ(PageShows(prints[i].pages[0], kTitle), titled[i]) << i;
    EXPECT_TRUE(PageShows(prints[i].pages[0], "钢管米数")) << i;
  }
}

}  // namespace
