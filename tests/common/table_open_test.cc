// Opening tables: the stored templates, the checks on a file that is no table, the repair of
// a cut-off file, and the list of open tables with aliases and the current table.
#include <cmath>

#include "tests/common/table_test_util.h"

namespace {

using TableOpenTest = TableTest;

TEST_F(TableOpenTest, TemplatesOpenWithTheirCountsAndNextNumbers) {
  struct Case {
    const char* name;
    const char* companion;
    int fields, records, next;
  } cases[] = {{"合同.rdb", "合同.rdt", 12, 0, 7},
               {"出租单数据.rdb", nullptr, 9, 0, 15},
               {"码单数据库.rdb", "码单数据库.RDT", 6, 3, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.companion) Template(c.companion);
    ASSERT_TRUE(OpenTable(Template(c.name), c.name));
    EXPECT_EQ(GetFieldCount(), c.fields);
    EXPECT_EQ(GetRecordCount(), c.records);
    ByteSet raw = FileBytes(Path(c.name));
    EXPECT_EQ(I32At(raw, 20), c.next);
    ASSERT_TRUE(AppendRecord({}));
    EXPECT_EQ(I32At(FileBytes(Path(c.name)), 20), c.next + 1);
  }
}

TEST_F(TableOpenTest, TemplateBytesHaveTheStoredSizesAndTimes) {
  struct Case {
    const char* name;
    size_t size;
    double created;
  } cases[] = {{"合同.rdb", 980, 41736.78197916667},
               {"合同.rdt", 512, 41726.40571759259},
               {"出租单数据.rdb", 764, 41691.544895833336},
               {"码单数据库.rdb", 731, 41728.44196759259},
               {"码单数据库.RDT", 512, 40875.85309027778}};
  for (const Case& c : cases) {
    ByteSet b = TemplateBytes(c.name);
    ASSERT_EQ(b.size(), c.size) << c.name;
    EXPECT_EQ(F64At(b, 8), c.created) << c.name;
  }
  ByteSet rdt = TemplateBytes("合同.rdt");
  EXPECT_EQ(std::string(rdt.begin(), rdt.begin() + 4), "XRDT");
  EXPECT_EQ(I32At(rdt, 16), 1);
  for (size_t i = 20; i < 512; ++i) ASSERT_EQ(rdt[i], 0) << i;
  EXPECT_TRUE(TemplateBytes("没有.rdb").empty());
}

TEST_F(TableOpenTest, TallySamplesReadAsStored) {
  OpenTally();
  const char* dates[] = {"2014年1月5日", "2014年1月27日", "2014年3月30日"};
  for (int r = 1; r <= 3; ++r) {
    ASSERT_TRUE(GoToRecord(r));
    EXPECT_EQ(std::get<std::string>(ReadField("日期")), dates[r - 1]);
    Value data;
    EXPECT_TRUE(ReadFieldChecked("码单数据", &data));
    EXPECT_TRUE(std::get<ByteSet>(data).empty());
    EXPECT_EQ(std::get<int32_t>(ReadField("扣件")), 123);
    EXPECT_EQ(std::get<double>(ReadField("钢管")), 1048.0);
    EXPECT_FALSE(std::get<bool>(ReadField("单双")));
    EXPECT_EQ(std::get<std::string>(ReadField("单位名称")), "");
  }
  // The stored samples name blocks 1, 17 and 33, past the end of the empty companion: the
  // open set them to 0, so the first saved tallies cannot be taken for theirs.
  ByteSet stored = TemplateBytes("码单数据库.rdb"), raw = FileBytes(Path("码单数据库.rdb"));
  ASSERT_EQ(raw.size(), stored.size());
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(I32At(stored, 548 + 61 * r + 24), 1 + 16 * r);
    EXPECT_EQ(I32At(raw, 548 + 61 * r + 24), 0);
    PutI32At(&stored, 548 + 61 * r + 24, 0);
  }
  EXPECT_EQ(raw, stored);
}

TEST_F(TableOpenTest, WriteTemplateKeepsAnExistingFileInAnyLetterCase) {
  PutFile(Path("码单数据库.rdt"), ByteSet{1, 2, 3});
  EXPECT_TRUE(WriteTemplateIfMissing(Path("码单数据库.RDT"), "码单数据库.RDT"));
  EXPECT_FALSE(PosixEnv()->Exists(Path("码单数据库.RDT")));
  EXPECT_EQ(FileBytes(Path("码单数据库.rdt")), (ByteSet{1, 2, 3}));
  EXPECT_FALSE(WriteTemplateIfMissing(Path("x.rdb"), "no such template"));
}

// Files that are no table, or whose words do not fit together, fail to open and leave the
// open tables as they were.
TEST_F(TableOpenTest, InvalidFilesFailCleanly) {
  const RawField id{"id", 3, 4, 0};
  struct Case {
    const char* what;
    ByteSet bytes;
  };
  auto with = [](ByteSet b, size_t at, int32_t v) {
    PutI32At(&b, at, v);
    return b;
  };
  ByteSet good = RawTable({id}, 8, 1);
  ByteSet bad_sig = good;
  bad_sig[0] = 'Y';
  ByteSet no_nul = good;
  std::memset(no_nul.data() + 116, 'a', 17);
  std::vector<Case> cases = {
      {"empty file", {}},
      {"shorter than the header", ByteSet(good.begin(), good.begin() + 100)},
      {"signature", bad_sig},
      {"version above", with(good, 4, 0x00010001)},
      {"record size 0", with(good, 24, 0)},
      {"record size huge", with(good, 24, 0x7FFFFFFF)},
      {"negative count", with(good, 16, -1)},
      {"next number 0", with(good, 20, 0)},
      {"field count 0", with(good, 112, 0)},
      {"descriptors past the end", with(good, 112, 2)},
      {"field count huge", with(good, 112, 0x7FFFFFFF)},
      {"name without NUL", no_nul},
      {"negative offset", with(good, 116 + 24, -4)},
      {"field past the record", with(good, 116 + 24, 5)},
      {"unknown type", with(good, 116 + 20, 13)},
      {"text of width 0", RawTable({{"t", 10, 4, 0}}, 8, 0)},
      {"text past the record", RawTable({{"t", 10, 4, 30}}, 20, 0)},
      {"count times size overflows", with(good, 16, 0x40000000)},
  };
  ASSERT_TRUE(OpenTable(Template("出租单数据.rdb"), "keep"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PutFile(Path("bad.rdb"), c.bytes);
    EXPECT_FALSE(OpenTable(Path("bad.rdb"), "bad"));
    EXPECT_NE(LastTableStatus(), 0);
    EXPECT_EQ(GetFieldCount(), 9);  // the current table is unchanged
    EXPECT_FALSE(SelectTable("bad"));
  }
  EXPECT_FALSE(OpenTable(Path("missing.rdb"), "bad"));
}

TEST_F(TableOpenTest, CompanionMustBeThereAndValid) {
  Template("合同.rdb");
  EXPECT_FALSE(OpenTable(Path("合同.rdb"), "合同"));  // no companion
  ByteSet rdt = TemplateBytes("合同.rdt");
  struct Case {
    size_t at;
    int32_t v;
  } cases[] = {{0, 0x54445259}, {4, 0x00020000}, {16, 0}, {20, 1}, {24, 1}, {24, -1}};
  for (const Case& c : cases) {
    ByteSet b = rdt;
    PutI32At(&b, c.at, c.v);
    PutFile(Path("合同.RDT"), b);
    EXPECT_FALSE(OpenTable(Path("合同.rdb"), "合同")) << c.at;
  }
  PutFile(Path("合同.RDT"), rdt);  // letter case of the extension does not matter
  EXPECT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
}

TEST_F(TableOpenTest, PartialRecordsAreCutAndTheCountLowered) {
  ByteSet b = RawTable({{"id", 3, 4, 0}}, 8, 3);
  b.resize(b.size() - 3);  // the third record is cut short
  PutFile(Path("t.rdb"), b);
  ASSERT_TRUE(OpenTable(Path("t.rdb"), "t"));
  EXPECT_EQ(GetRecordCount(), 2);
  ByteSet after = FileBytes(Path("t.rdb"));
  EXPECT_EQ(after.size(), 116u + 72 + 16);
  EXPECT_EQ(I32At(after, 16), 2);
  CloseTable();
  b = RawTable({{"id", 3, 4, 0}}, 8, 1);
  b.resize(b.size() + 11, 0xEE);  // surplus bytes after the last record
  PutFile(Path("u.rdb"), b);
  ASSERT_TRUE(OpenTable(Path("u.rdb"), "u"));
  EXPECT_EQ(GetRecordCount(), 1);
  EXPECT_EQ(FileBytes(Path("u.rdb")).size(), 116u + 72 + 8);
}

// A table that is refused is not touched: the cut-off record and the count are mended only
// once the companion has been found sound.
TEST_F(TableOpenTest, ARefusedOpenChangesNothing) {
  Template("合同.rdt");
  OpenContracts();
  ASSERT_TRUE(AppendRecord({int32_t{1}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(600)}));
  ASSERT_TRUE(AppendRecord({int32_t{2}}));
  CloseAllTables();
  ByteSet rdb = FileBytes(Path("合同.rdb"));
  rdb.resize(rdb.size() - 40);  // the second record cut short
  ByteSet bad_rdt = FileBytes(Path("合同.rdt"));
  bad_rdt[0] = 'Y';
  struct Case {
    const char* what;
    bool companion;
  } cases[] = {{"no companion", false}, {"damaged companion", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PutFile(Path("合同.rdb"), rdb);
    PosixEnv()->Remove(Path("合同.rdt"));
    if (c.companion) PutFile(Path("合同.rdt"), bad_rdt);
    EXPECT_FALSE(OpenTable(Path("合同.rdb"), "合同"));
    EXPECT_EQ(FileBytes(Path("合同.rdb")), rdb);
    if (c.companion) {
      EXPECT_EQ(FileBytes(Path("合同.rdt")), bad_rdt);
    }
  }
  bad_rdt[0] = 'X';
  PutFile(Path("合同.rdt"), bad_rdt);
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));  // now it is mended
  EXPECT_EQ(GetRecordCount(), 1);
  EXPECT_EQ(FileBytes(Path("合同.rdb")).size(), 980u + 96);
  EXPECT_EQ(std::get<ByteSet>(ReadField("数据")), Pattern(600));
}

TEST_F(TableOpenTest, AliasesAndTheCurrentTable) {
  EXPECT_EQ(GetRecordCount(), 0);
  EXPECT_FALSE(GoToRecord(1));
  Value v;
  EXPECT_FALSE(ReadFieldChecked(1, &v));
  EXPECT_EQ(LastTableErrorText(), "未指定当前数据库或者指定数据库未打开");
  OpenTally();
  OpenDockets();
  EXPECT_EQ(GetFieldCount(), 9);  // the newest open is current
  EXPECT_FALSE(ReadFieldChecked("没有这个字段", &v));
  EXPECT_EQ(LastTableErrorText(), "指定字段不存在");
  EXPECT_FALSE(ReadFieldChecked(10, &v));
  ASSERT_TRUE(SelectTable("码单"));
  EXPECT_EQ(GetFieldCount(), 6);
  EXPECT_FALSE(SelectTable("nothing"));
  EXPECT_EQ(GetFieldCount(), 6);
  // The same file again fails, whatever the letter case or spelling of the path.
  EXPECT_FALSE(OpenTable(dir_ + "/./码单数据库.RDB", "again"));
  EXPECT_EQ(GetFieldCount(), 6);
  ASSERT_TRUE(CloseTable("出租数据"));  // not the current one: 码单 stays current
  EXPECT_EQ(GetFieldCount(), 6);
  ASSERT_TRUE(CloseTable());
  EXPECT_EQ(GetFieldCount(), 0);
  EXPECT_FALSE(CloseTable());
  EXPECT_FALSE(SelectTable("码单"));
}

TEST_F(TableOpenTest, AliasesMatchWithoutCaseNewestFirst) {
  PutFile(Path("a.rdb"), RawTable({{"id", 3, 4, 0}}, 8, 1));
  PutFile(Path("b.rdb"), RawTable({{"id", 3, 4, 0}}, 8, 2));
  ASSERT_TRUE(OpenTable(Path("a.rdb"), "Same"));
  ASSERT_TRUE(OpenTable(Path("b.rdb"), "same"));
  ASSERT_TRUE(SelectTable("SAME"));
  EXPECT_EQ(GetRecordCount(), 2);
  ASSERT_TRUE(CloseTable("same"));
  ASSERT_TRUE(SelectTable("same"));
  EXPECT_EQ(GetRecordCount(), 1);
}

TEST_F(TableOpenTest, GoToRecordAndSkipBounds) {
  PutFile(Path("t.rdb"), RawTable({{"id", 3, 4, 0}}, 8, 3));
  ASSERT_TRUE(OpenTable(Path("t.rdb"), "t"));
  auto number = [] { return std::get<int32_t>(ReadField("ID")); };  // names match without case
  EXPECT_EQ(number(), 1);                                           // the first after opening
  struct Case {
    int n, expect;
  } cases[] = {{0, 1}, {1, 1}, {-7, 1}, {2, 2}, {3, 3}, {3 + 5, 3}};
  for (const Case& c : cases) {
    EXPECT_TRUE(GoToRecord(c.n));
    EXPECT_EQ(number(), c.expect) << c.n;
  }
  EXPECT_TRUE(SkipRecords());  // from the last to after it
  Value v;
  EXPECT_FALSE(ReadFieldChecked(1, &v));
  EXPECT_FALSE(SkipRecords());
  EXPECT_TRUE(SkipRecords(-10));  // to before the first
  EXPECT_FALSE(ReadFieldChecked(1, &v));
  EXPECT_FALSE(SkipRecords(-1));
  EXPECT_TRUE(SkipRecords(0));
  EXPECT_TRUE(SkipRecords(2));
  EXPECT_EQ(number(), 2);
}

TEST_F(TableOpenTest, EmptyTableReadsZeroDate) {
  OpenDockets();
  EXPECT_TRUE(GoToRecord(1));
  Value v;
  EXPECT_FALSE(ReadFieldChecked("日期", &v));
  EXPECT_EQ(std::get<DateTime>(v).days, 0.0);
  EXPECT_FALSE(SkipRecords());
  EXPECT_FALSE(SkipRecords(-1));
}

}  // namespace
