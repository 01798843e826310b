// Writing records: numbering, conversions into the field types, texts cut at their width in
// GBK bytes, deleting and purging, clearing, and the bytes the engine leaves in the file.
#include <cmath>

#include "tests/common/table_test_util.h"

namespace {

using TableWriteTest = TableTest;

// The docket fields in order, with the given date and remark.
std::vector<Value> Docket(int32_t number, double date, const std::string& remark = "") {
  return {number, DateTime{date}, true, 1.5, int32_t{7}, 2.0, 3.0, int32_t{0}, remark};
}

TEST_F(TableWriteTest, AppendNumbersFromTheHeaderAndClearKeepsTheNumberGoing) {
  OpenContracts();
  ASSERT_TRUE(AppendRecord({int32_t{1}, std::string("建工一队")}));
  EXPECT_EQ(GetRecordCount(), 1);
  ByteSet raw = FileBytes(Path("合同.rdb"));
  ASSERT_EQ(raw.size(), 980u + 96);
  EXPECT_EQ(I32At(raw, 980), 7);  // record number
  EXPECT_EQ(I32At(raw, 16), 1);
  EXPECT_EQ(I32At(raw, 20), 8);
  EXPECT_EQ(std::get<std::string>(ReadField("建筑单位名称")), "建工一队");
  ASSERT_TRUE(ClearTable());
  EXPECT_EQ(GetRecordCount(), 0);
  EXPECT_EQ(FileBytes(Path("合同.rdb")).size(), 980u);
  ASSERT_TRUE(AppendRecord({}));
  EXPECT_EQ(I32At(FileBytes(Path("合同.rdb")), 980), 8);
}

TEST_F(TableWriteTest, AppendedRecordBecomesCurrentAndModifyKeepsOmittedFields) {
  OpenDockets();
  ASSERT_TRUE(AppendRecord(Docket(1, 41000, "甲")));
  ASSERT_TRUE(AppendRecord(Docket(2, 41001, "乙")));
  EXPECT_EQ(std::get<int32_t>(ReadField("单号")), 2);
  ASSERT_TRUE(GoToRecord(1));
  ASSERT_TRUE(ModifyRecord({std::monostate{}, DateTime{41005}}));
  EXPECT_EQ(std::get<DateTime>(ReadField("日期")).days, 41005);
  EXPECT_EQ(std::get<std::string>(ReadField("其它备注")), "甲");
  ASSERT_TRUE(WriteField("钢管数量", int32_t{-4}));
  EXPECT_EQ(std::get<double>(ReadField(4)), -4.0);
  ByteSet raw = FileBytes(Path("出租单数据.rdb"));
  EXPECT_EQ(I32At(raw, 764), 15);         // the record number did not change
  EXPECT_EQ(F64At(raw, 764 + 17), -4.0);  // an unaligned double at its offset
}

TEST_F(TableWriteTest, NumbersAreConvertedIntoTheFieldType) {
  OpenContracts();
  ASSERT_TRUE(AppendRecord({}));
  struct Case {
    const char* field;
    Value in, out;
  } cases[] = {
      {"合同号", -2.5, int32_t{-2}},
      {"合同号", 2.9f, int32_t{2}},
      {"合同号", 1e30, int32_t{2147483647}},
      {"合同号", std::nan(""), int32_t{0}},
      {"合同号", true, int32_t{1}},
      {"差螺丝赔偿单价", 0.1f, 0.1},
      {"差螺丝赔偿单价", 1.1f, 1.1},
      {"差螺丝赔偿单价", int32_t{3}, 3.0},
      {"差螺丝赔偿单价", int64_t{9007199254740993}, 9007199254740992.0},
      {"钢管租金", 0.1, 0.1f},
      {"钢管租金", int32_t{16777217}, 16777216.0f},
      {"合同开始日期", 41000.5, DateTime{41000.5}},
      {"合同开始日期", 1e9, DateTime{2958465}},
      {"合同开始日期", -1e9, DateTime{-657434}},
      {"合同开始日期", std::nan(""), DateTime{-657434}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    ASSERT_TRUE(WriteField(c.field, c.in));
    EXPECT_EQ(ReadField(c.field), c.out);
  }
  EXPECT_FALSE(WriteField("合同号", std::string("12")));  // a text is no number
  EXPECT_FALSE(WriteField("没有", int32_t{1}));
}

TEST_F(TableWriteTest, TextIsCutAtItsWidthInGbkBytes) {
  OpenDockets();
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"一二三四五六七八九十", "一二三四五六七八九十"},  // exactly 20 bytes, no NUL
      {"一二三四五六七八九十壹", "一二三四五六七八九十"},
      {"a一二三四五六七八九十", "a一二三四五六七八九"},  // the half character is dropped
      {"0123456789012345678901234", "01234567890123456789"},
  };
  ASSERT_TRUE(AppendRecord({}));
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteField("其它备注", c.in));
    EXPECT_EQ(std::get<std::string>(ReadField("其它备注")), c.out) << c.in;
  }
  ASSERT_TRUE(WriteField("其它备注", std::string("a一二三四五六七八九十")));
  ByteSet raw = FileBytes(Path("出租单数据.rdb"));
  EXPECT_EQ(raw[764 + 49], 'a');
  EXPECT_EQ(raw[764 + 68], 0xCA);  // the lead byte of 十 (GBK CA AE) is kept as stored
  ASSERT_TRUE(WriteField("其它备注", std::string("ab")));
  raw = FileBytes(Path("出租单数据.rdb"));
  for (int i = 2; i < 20; ++i) EXPECT_EQ(raw[764 + 49 + i], 0) << i;
}

TEST_F(TableWriteTest, DeleteKeepsTheRecordUntilPurged) {
  OpenDockets();
  for (int i = 1; i <= 4; ++i) ASSERT_TRUE(AppendRecord(Docket(i, 41000 + i)));
  ASSERT_TRUE(GoToRecord(2));
  ASSERT_TRUE(DeleteRecord());
  ASSERT_TRUE(DeleteRecord());  // already deleted: left alone
  EXPECT_EQ(GetRecordCount(), 4);
  EXPECT_EQ(std::get<int32_t>(ReadField("单号")), 2);
  ByteSet raw = FileBytes(Path("出租单数据.rdb"));
  EXPECT_EQ(I32At(raw, 764 + 69), -16);
  ASSERT_TRUE(GoToRecord(4));
  ASSERT_TRUE(DeleteRecord());
  ASSERT_TRUE(GoToRecord(3));
  ASSERT_TRUE(PurgeDeletedRecords());
  EXPECT_EQ(GetRecordCount(), 2);
  EXPECT_EQ(std::get<int32_t>(ReadField("单号")), 1);  // the first is current
  raw = FileBytes(Path("出租单数据.rdb"));
  ASSERT_EQ(raw.size(), 764u + 2 * 69);
  EXPECT_EQ(I32At(raw, 764), 15);
  EXPECT_EQ(I32At(raw, 764 + 69), 17);  // numbers are kept
  EXPECT_EQ(I32At(raw, 20), 19);        // the next number is not changed
  ASSERT_TRUE(GoToRecord(2));
  EXPECT_EQ(std::get<int32_t>(ReadField("单号")), 3);
  ASSERT_TRUE(PurgeDeletedRecords());  // nothing to drop
  EXPECT_EQ(GetRecordCount(), 2);
}

// A table written by the engine, checked against the layout straight from its bytes.
TEST_F(TableWriteTest, WrittenFileFollowsTheLayoutByteForByte) {
  OpenTally();
  ASSERT_TRUE(ClearTable());
  ASSERT_TRUE(AppendRecord(
      {std::string("2014年5月1日"), Pattern(600), int32_t{-9}, 12.25f, true, std::string("单位")}));
  ByteSet rdb = FileBytes(Path("码单数据库.rdb"));
  ByteSet tmpl = TemplateBytes("码单数据库.rdb");
  ASSERT_EQ(rdb.size(), 548u + 61);
  EXPECT_EQ(std::string(rdb.begin(), rdb.begin() + 4), "XRDB");
  EXPECT_EQ(I32At(rdb, 4), 0x00010000);
  EXPECT_EQ(I32At(rdb, 16), 1);
  EXPECT_EQ(I32At(rdb, 20), 5);
  EXPECT_EQ(I32At(rdb, 24), 61);
  EXPECT_TRUE(std::equal(rdb.begin() + 24, rdb.begin() + 548, tmpl.begin() + 24));
  const uint8_t* r = rdb.data() + 548;
  EXPECT_EQ(I32At(rdb, 548), 4);
  std::string date =
      "2014\xC4\xEA"
      "5\xD4\xC2"
      "1\xC8\xD5";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r + 4)), date);
  for (size_t i = 4 + date.size(); i < 24; ++i) EXPECT_EQ(r[i], 0);
  EXPECT_EQ(I32At(rdb, 548 + 24), 1);  // first block
  EXPECT_EQ(I32At(rdb, 548 + 28), -9);
  EXPECT_EQ(F64At(rdb, 548 + 32), 12.25);
  EXPECT_EQ(r[40], 1);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r + 41)), "\xB5\xA5\xCE\xBB");
  ByteSet rdt = FileBytes(Path("码单数据库.RDT"));
  ASSERT_EQ(rdt.size(), 3u * 512);
  EXPECT_EQ(I32At(rdt, 16), 3);
  EXPECT_EQ(I32At(rdt, 20), 0);
  EXPECT_EQ(I32At(rdt, 24), 0);
  ByteSet value = Pattern(600);
  EXPECT_EQ(I32At(rdt, 512), 0);
  EXPECT_EQ(I32At(rdt, 516), 2);
  EXPECT_EQ(I32At(rdt, 520), 500);
  EXPECT_TRUE(std::equal(value.begin(), value.begin() + 500, rdt.begin() + 524));
  EXPECT_EQ(I32At(rdt, 1024), 1);
  EXPECT_EQ(I32At(rdt, 1028), 0);
  EXPECT_EQ(I32At(rdt, 1032), 100);
  EXPECT_TRUE(std::equal(value.begin() + 500, value.end(), rdt.begin() + 1036));
  for (size_t i = 1036 + 100; i < rdt.size(); ++i) ASSERT_EQ(rdt[i], 0) << i;
  // And the engine reads back what it wrote after opening the file again.
  CloseAllTables();
  OpenTally();
  EXPECT_EQ(std::get<ByteSet>(ReadField("码单数据")), value);
  EXPECT_EQ(std::get<double>(ReadField("钢管")), 12.25);
}

}  // namespace

namespace {

// The kinds the programs do not use still read as their natural types, convert on writing
// and sort by their signedness.
TEST_F(TableWriteTest, OtherKindsReadWriteAndSort) {
  PutFile(Path("k.rdb"),
          RawTable({{"b", 1, 4, 0}, {"s", 2, 5, 0}, {"l", 4, 7, 0}, {"r", 9, 15, 0}}, 19, 0));
  ASSERT_TRUE(OpenTable(Path("k.rdb"), "k"));
  ASSERT_TRUE(AppendRecord({int32_t{300}, int32_t{-2}, int64_t{1} << 40, int32_t{-1}}));
  EXPECT_EQ(ReadField("b"), Value{uint8_t{255}});  // clamped to the byte's range
  EXPECT_EQ(ReadField("s"), Value{int16_t{-2}});
  EXPECT_EQ(ReadField("l"), Value{int64_t{1} << 40});
  EXPECT_EQ(ReadField("r"), Value{uint32_t{0}});
  ASSERT_TRUE(AppendRecord({uint8_t{1}, int16_t{5}, int64_t{-1}, 7.9}));
  EXPECT_EQ(ReadField("r"), Value{uint32_t{7}});
  ASSERT_TRUE(SortTableToFile(Path("k2.rdb"), {"s"}));
  ASSERT_TRUE(SortTableToFile(Path("k3.rdb"), {"l"}, {false}));
  ASSERT_TRUE(OpenTable(Path("k2.rdb"), "k2"));
  EXPECT_EQ(ReadField("s"), Value{int16_t{-2}});
  ASSERT_TRUE(OpenTable(Path("k3.rdb"), "k3"));
  EXPECT_EQ(ReadField("l"), Value{int64_t{1} << 40});
}

}  // namespace
