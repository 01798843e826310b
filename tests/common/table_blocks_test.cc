// Byte-set values in the companion file: blocks per value, reuse of the old chain and of
// free blocks, freeing and shrinking, and chains that a damaged file gets wrong.
#include "tests/common/table_test_util.h"

namespace {

class TableBlocksTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    OpenContracts();
    ASSERT_TRUE(AppendRecord({int32_t{1}}));
  }
  ByteSet Rdt() { return FileBytes(Path("合同.rdt")); }
  int32_t FirstBlock() { return I32At(FileBytes(Path("合同.rdb")), 980 + 92); }
  ByteSet Data() { return std::get<ByteSet>(ReadField("数据")); }
};

TEST_F(TableBlocksTest, BlocksPerValue) {
  struct Case {
    size_t bytes;
    int32_t blocks;
  } cases[] = {{0, 1}, {1, 2}, {500, 2}, {501, 3}, {1000, 3}, {1001, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    ASSERT_TRUE(ClearTable());
    ASSERT_TRUE(AppendRecord({int32_t{1}}));
    ASSERT_TRUE(WriteField("数据", Pattern(c.bytes)));
    EXPECT_EQ(Data(), Pattern(c.bytes));
    EXPECT_EQ(I32At(Rdt(), 16), c.blocks);
    EXPECT_EQ(Rdt().size(), 512u * c.blocks);
    EXPECT_EQ(FirstBlock(), c.bytes ? 1 : 0);
  }
}

TEST_F(TableBlocksTest, ShorterValueFreesItsLastBlockAndTheFileShrinks) {
  ASSERT_TRUE(WriteField("数据", Pattern(501)));
  ASSERT_EQ(Rdt().size(), 3u * 512);
  ASSERT_TRUE(WriteField("数据", Pattern(10, 1)));
  EXPECT_EQ(Data(), Pattern(10, 1));
  ByteSet rdt = Rdt();
  EXPECT_EQ(rdt.size(), 2u * 512);
  EXPECT_EQ(I32At(rdt, 16), 2);
  EXPECT_EQ(I32At(rdt, 20), 0);
  EXPECT_EQ(I32At(rdt, 24), 0);
  EXPECT_EQ(I32At(rdt, 512 + 4), 0);
  EXPECT_EQ(I32At(rdt, 512 + 8), 10);
  for (size_t i = 512 + 12 + 10; i < 1024; ++i) ASSERT_EQ(rdt[i], 0) << i;
  ASSERT_TRUE(WriteField("数据", ByteSet{}));
  EXPECT_EQ(Rdt().size(), 512u);
  EXPECT_EQ(FirstBlock(), 0);
}

TEST_F(TableBlocksTest, FreedBlocksInsideTheFileAreChainedAndReused) {
  ASSERT_TRUE(WriteField("数据", Pattern(1000)));  // blocks 1, 2
  ASSERT_TRUE(AppendRecord({int32_t{2}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(300, 2)}));
  ASSERT_TRUE(GoToRecord(1));
  ASSERT_TRUE(WriteField("数据", Pattern(100, 3)));  // keeps 1, frees 2 (block 3 is in use)
  ByteSet rdt = Rdt();
  ASSERT_EQ(I32At(rdt, 16), 4);
  EXPECT_EQ(I32At(rdt, 20), 1);
  EXPECT_EQ(I32At(rdt, 24), 2);
  EXPECT_EQ(I32At(rdt, 1024 + 4), 0);
  EXPECT_EQ(I32At(rdt, 1024 + 8), 0);
  ASSERT_TRUE(GoToRecord(2));
  ASSERT_TRUE(WriteField("数据", Pattern(900, 4)));  // keeps 3, takes 2 from the free chain
  rdt = Rdt();
  EXPECT_EQ(I32At(rdt, 16), 4);
  EXPECT_EQ(I32At(rdt, 20), 0);
  EXPECT_EQ(I32At(rdt, 24), 0);
  EXPECT_EQ(I32At(rdt, 3 * 512 + 4), 2);
  EXPECT_EQ(I32At(rdt, 2 * 512), 3);
  EXPECT_EQ(Data(), Pattern(900, 4));
  ASSERT_TRUE(GoToRecord(1));
  EXPECT_EQ(Data(), Pattern(100, 3));
}

TEST_F(TableBlocksTest, PurgeAndClearFreeTheChains) {
  ASSERT_TRUE(WriteField("数据", Pattern(700)));
  ASSERT_TRUE(AppendRecord({int32_t{2}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(30)}));
  ASSERT_TRUE(DeleteRecord());
  ASSERT_TRUE(PurgeDeletedRecords());
  EXPECT_EQ(Rdt().size(), 3u * 512);  // record 2 held the last block
  ASSERT_TRUE(GoToRecord(1));
  ASSERT_TRUE(DeleteRecord());
  ASSERT_TRUE(PurgeDeletedRecords());
  EXPECT_EQ(Rdt().size(), 512u);
  EXPECT_EQ(I32At(Rdt(), 16), 1);
  ASSERT_TRUE(AppendRecord({int32_t{3}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(1200)}));
  ASSERT_TRUE(ClearTable());
  EXPECT_EQ(Rdt(), TemplateBytes("合同.rdt"));
}

// Damaged chains: the read fails (giving an empty value) and never loops or leaves the file.
TEST_F(TableBlocksTest, DamagedChainsFailTheRead) {
  ASSERT_TRUE(WriteField("数据", Pattern(1500)));  // blocks 1, 2, 3
  ByteSet good = Rdt(), rdb = FileBytes(Path("合同.rdb"));
  struct Case {
    const char* what;
    size_t at;
    int32_t v;
  } cases[] = {{"loop to itself", 512 + 4, 1},       {"loop back", 3 * 512 + 4, 1},
               {"next past the end", 512 + 4, 99},   {"negative next", 512 + 4, -3},
               {"used above 500", 2 * 512 + 8, 501}, {"used 0", 2 * 512 + 8, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CloseAllTables();
    ByteSet b = good;
    PutI32At(&b, c.at, c.v);
    PutFile(Path("合同.rdt"), b);
    PutFile(Path("合同.rdb"), rdb);
    ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
    Value v;
    EXPECT_FALSE(ReadFieldChecked("数据", &v));
    EXPECT_TRUE(std::get<ByteSet>(v).empty());
    // Writing over a damaged chain leaves it alone and puts the value in new blocks.
    ASSERT_TRUE(WriteField("数据", Pattern(20, 9)));
    EXPECT_EQ(Data(), Pattern(20, 9));
  }
}

TEST_F(TableBlocksTest, LongTextFieldsHoldGbkTexts) {
  CloseAllTables();
  ByteSet b = RawTable({{"n", 3, 4, 0}, {"memo", 12, 8, 0}}, 12, 0);
  PutFile(Path("m.rdb"), b);
  PutFile(Path("m.rdt"), TemplateBytes("合同.rdt"));
  ASSERT_TRUE(OpenTable(Path("m.rdb"), "m"));
  std::string text(400, 'x');
  for (int i = 0; i < 100; ++i) text += "码单";
  ASSERT_TRUE(AppendRecord({int32_t{1}, text}));
  EXPECT_EQ(std::get<std::string>(ReadField("memo")), text);
  EXPECT_EQ(I32At(FileBytes(Path("m.rdt")), 16), 3);  // 800 GBK bytes: two blocks
}

}  // namespace
