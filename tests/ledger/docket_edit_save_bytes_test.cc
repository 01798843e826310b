// A save of a long docket list: the sorted copy is rewritten in a few large writes, and the
// contract then holds exactly the bytes that rewriting it one docket at a time leaves.
#include "common/files.h"
#include "common/table/table.h"
#include "tests/ledger/docket_edit_test_base.h"

namespace {

// Dockets over two and a half years, entered out of date order: rentals, every seventh a return
// small enough to keep every balance positive, some with a remark.
std::vector<StoredDocket> ManyDockets(int n) {
  std::vector<StoredDocket> out;
  for (int i = 1; i <= n; ++i) {
    StoredDocket d;
    d.number = i;
    d.date = DateTime{45000.0 + (i * 37) % 900};
    d.out = i % 7 != 0;
    d.pipe = d.out ? 6.0 * (1 + i % 9) : -1.5;
    d.fasteners = i % 3 == 0 ? 0 : 10 * (i % 4);
    d.jacks = d.out ? i % 5 : 0;
    d.screws = d.out ? 0 : i % 3;
    d.remark = i % 10 == 0 ? "补单" : "";
    out.push_back(d);
  }
  return out;
}

TEST_F(DocketEditTest, ASaveStoresTheBytesOfOneRewritePerDocket) {
  const std::string reference = dir_ + "/参照.rdb";
  PickContractWith(ManyDockets(2200));
  script_.TypeCell(E::高级表格1, 3, 4, "１２．５")
      .TypeCell(E::高级表格1, 3, 9, "改过")
      .TypeCell(E::高级表格1, 1000, 2, "2023-5-6")
      .TypeCell(E::高级表格1, 1000, 5, " 7 ")
      .ChooseCell(E::高级表格1, 1500, 3, "入库")
      .TypeCell(E::高级表格1, 2150, 1, "99.9")
      .TypeCell(E::高级表格1, 2200, 8, "2");
  // The same grid written into a copy of the sorted copy kept on disk, whose records the engine
  // rewrites one by one.
  script_.Do([reference] {
    ASSERT_TRUE(CopyDiskFile(SortedDocketFile(), reference));
    ASSERT_TRUE(OpenTable(reference, "参照", Durability::kDurable));
    WriteDocketGridBack();
    ASSERT_TRUE(CloseTable("参照"));
    ASSERT_TRUE(SelectTable(SortedDocketAlias()));
  });
  Save();
  Saved();
  Run();
  const ByteSet stored = DocketBytes(1);
  EXPECT_EQ(stored, ReadFileToBinary(reference));
  const auto d = DocketsOf(1);  // in the grid's order
  ASSERT_EQ(d.size(), 2200u);
  EXPECT_EQ(d[2].pipe, 12.5);
  EXPECT_EQ(d[2].remark, "改过");
  EXPECT_EQ(d[999].fasteners, 7);
  EXPECT_FALSE(d[1499].out);
  EXPECT_EQ(d[2149].number, 99);
}

}  // namespace
