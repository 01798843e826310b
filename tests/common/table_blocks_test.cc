// Byte-set values in the companion file: blocks per value, reuse of the old chain and of
// free blocks, freeing and shrinking, and chains that a damaged file gets wrong.
#include "tests/common/fault_env.h"
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

// A value never overwrites the one it replaces: it goes into blocks no value uses, and the old
// chain is freed only afterwards; freed blocks at the end of the file are cut off.
TEST_F(TableBlocksTest, ANewValueTakesFreshBlocksThenTheOldChainIsFreed) {
  ASSERT_TRUE(WriteField("数据", Pattern(501)));  // blocks 1, 2
  ASSERT_EQ(Rdt().size(), 3u * 512);
  ASSERT_TRUE(WriteField("数据", Pattern(10, 1)));  // block 3; then 1 and 2 are freed
  EXPECT_EQ(Data(), Pattern(10, 1));
  EXPECT_EQ(FirstBlock(), 3);
  ByteSet rdt = Rdt();
  EXPECT_EQ(rdt.size(), 4u * 512);
  EXPECT_EQ(I32At(rdt, 16), 4);
  EXPECT_EQ(I32At(rdt, 20), 2);
  EXPECT_EQ(I32At(rdt, 24), 1);
  EXPECT_EQ(I32At(rdt, 512 + 4), 2);  // the freed chain keeps its own links
  EXPECT_EQ(I32At(rdt, 1024 + 4), 0);
  EXPECT_EQ(I32At(rdt, 3 * 512), 0);
  EXPECT_EQ(I32At(rdt, 3 * 512 + 4), 0);
  EXPECT_EQ(I32At(rdt, 3 * 512 + 8), 10);
  for (size_t i = 3 * 512 + 12 + 10; i < 4 * 512; ++i) ASSERT_EQ(rdt[i], 0) << i;
  ASSERT_TRUE(WriteField("数据", ByteSet{}));  // every block is free now: the file shrinks
  EXPECT_EQ(Rdt(), TemplateBytes("合同.rdt"));
  EXPECT_EQ(FirstBlock(), 0);
}

TEST_F(TableBlocksTest, FreedBlocksInsideTheFileAreChainedAndReused) {
  ASSERT_TRUE(WriteField("数据", Pattern(1000)));  // blocks 1, 2
  ASSERT_TRUE(AppendRecord({int32_t{2}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(300, 2)}));
  ASSERT_TRUE(GoToRecord(1));
  ASSERT_TRUE(WriteField("数据", Pattern(100, 3)));  // block 4; frees 1, 2 (3 is in use)
  ByteSet rdt = Rdt();
  ASSERT_EQ(I32At(rdt, 16), 5);
  EXPECT_EQ(I32At(rdt, 20), 2);
  EXPECT_EQ(I32At(rdt, 24), 1);
  EXPECT_EQ(I32At(rdt, 512 + 4), 2);
  EXPECT_EQ(I32At(rdt, 1024 + 4), 0);
  ASSERT_TRUE(GoToRecord(2));
  ASSERT_TRUE(WriteField("数据", Pattern(900, 4)));  // takes 1, 2 from the free chain; frees 3
  rdt = Rdt();
  EXPECT_EQ(I32At(rdt, 16), 5);
  EXPECT_EQ(I32At(rdt, 20), 1);
  EXPECT_EQ(I32At(rdt, 24), 3);
  EXPECT_EQ(I32At(rdt, 3 * 512 + 4), 0);
  EXPECT_EQ(I32At(rdt, 512), 0);
  EXPECT_EQ(I32At(rdt, 512 + 4), 2);
  EXPECT_EQ(I32At(rdt, 2 * 512), 1);
  EXPECT_EQ(I32At(rdt, 2 * 512 + 8), 400);
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

// A block number at or past the companion's end (as a copied table or one whose companion was
// replaced can hold) owns no blocks: it reads empty, and a writable open sets it to 0 before
// a later value could take those blocks and so be shared.
TEST_F(TableBlocksTest, DanglingBlockNumbersReadEmptyAndAreClearedAtOpen) {
  ASSERT_TRUE(WriteField("数据", Pattern(700)));  // blocks 1, 2
  for (int n = 2; n <= 4; ++n) ASSERT_TRUE(AppendRecord({int32_t{n}}));
  CloseAllTables();
  ByteSet rdb = FileBytes(Path("合同.rdb"));
  const int32_t dangling[] = {3, 99, -5};  // the companion has 3 blocks
  for (int r = 1; r <= 3; ++r) PutI32At(&rdb, 980 + 96 * r + 92, dangling[r - 1]);
  PutFile(Path("合同.rdb"), rdb);
  const ByteSet rdt = Rdt();
  auto expect_contents = [this](bool read_only) {
    ASSERT_TRUE(GoToRecord(1));
    EXPECT_EQ(Data(), Pattern(700));
    for (int r = 2; r <= 4; ++r) {
      ASSERT_TRUE(GoToRecord(r));
      Value v;
      EXPECT_EQ(ReadFieldChecked("数据", &v), !read_only) << r;
      EXPECT_TRUE(std::get<ByteSet>(v).empty()) << r;
    }
  };
  {
    ScopedFaultEnv env;
    env->DenyReadWrite(true);
    ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
    expect_contents(true);
    CloseAllTables();
    EXPECT_EQ(FileBytes(Path("合同.rdb")), rdb);  // a read-only table is not mended
  }
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  expect_contents(false);
  ByteSet mended = rdb;
  for (int r = 1; r <= 3; ++r) PutI32At(&mended, 980 + 96 * r + 92, 0);
  EXPECT_EQ(FileBytes(Path("合同.rdb")), mended);
  EXPECT_EQ(Rdt(), rdt);
  ASSERT_TRUE(AppendRecord({int32_t{5}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(600, 5)}));
  EXPECT_EQ(FirstBlock(), 1);  // record 1 still names blocks 1-2, record 5 takes 3-4
  EXPECT_EQ(I32At(FileBytes(Path("合同.rdb")), 980 + 96 * 4 + 92), 3);
  expect_contents(false);
  ASSERT_TRUE(GoToRecord(5));
  EXPECT_EQ(Data(), Pattern(600, 5));
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
