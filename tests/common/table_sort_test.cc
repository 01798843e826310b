// Sorting into a new table file: the order of equal keys that the in-place sort gives,
// several keys and directions, deleted records, byte sets copied, and keys that cannot sort.
#include <algorithm>
#include <random>

#include "common/dates.h"
#include "common/table/exact_sort.h"
#include "tests/common/fake_platform.h"
#include "tests/common/table_test_util.h"

namespace {

using TableSortTest = TableTest;

// Sorts items by key only; returns their tags in the resulting order.
std::string SortTags(std::vector<std::pair<int, char>> items) {
  table_internal::ExactSort(items, [](const auto& a, const auto& b) {
    return a.first < b.first ? -1 : a.first > b.first ? 1 : 0;
  });
  std::string tags;
  for (const auto& item : items) tags += item.second;
  return tags;
}

TEST(ExactSortTest, EqualKeysComeOutInTheOrderOfTheInPlaceSort) {
  EXPECT_EQ(SortTags({{1, 'A'}, {1, 'B'}}), "BA");
  EXPECT_EQ(SortTags({{1, 'A'}, {1, 'B'}, {1, 'C'}}), "BCA");
  EXPECT_EQ(SortTags({{3, 'a'}, {1, 'b'}, {2, 'c'}}), "bca");
  EXPECT_EQ(SortTags({{2, 'A'}, {1, 'x'}, {2, 'B'}}), "xBA");
  // Above eight elements the middle one is the pivot: these ten equal keys come out so.
  std::vector<std::pair<int, char>> ten;
  for (int i = 0; i < 10; ++i) ten.emplace_back(0, static_cast<char>('A' + i));
  EXPECT_EQ(SortTags(ten), "FBCDEAGHIJ");
}

TEST(ExactSortTest, SortsLargeInputsOfAnyShape) {
  std::mt19937 rng(7);
  for (int shape = 0; shape < 4; ++shape) {
    std::vector<std::pair<int, char>> v(5000);
    for (size_t i = 0; i < v.size(); ++i) {
      int k = shape == 0   ? static_cast<int>(rng() % 100000)
              : shape == 1 ? static_cast<int>(i)
              : shape == 2 ? static_cast<int>(v.size() - i)
                           : static_cast<int>(rng() % 3);
      v[i] = {k, 'x'};
    }
    table_internal::ExactSort(v, [](const auto& a, const auto& b) {
      return a.first < b.first ? -1 : a.first > b.first ? 1 : 0;
    });
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end())) << shape;
  }
}

class SortToFileTest : public TableTest {
 protected:
  void AddDocket(int number, double date, const std::string& remark) {
    ASSERT_TRUE(AppendRecord(
        {int32_t{number}, DateTime{date}, false, 0.0, int32_t{0}, 0.0, 0.0, int32_t{0}, remark}));
  }
  // The remarks of the sorted copy, in its record order.
  std::string SortedRemarks(const std::vector<std::string>& keys, std::vector<bool> asc = {}) {
    EXPECT_TRUE(SortTableToFile(Path("sorted.rdb"), keys, asc));
    EXPECT_TRUE(OpenTable(Path("sorted.rdb"), "出租单临时数据"));
    std::string out;
    for (int r = 1; r <= GetRecordCount(); ++r) {
      GoToRecord(r);
      out += std::get<std::string>(ReadField("其它备注"));
    }
    CloseTable();
    SelectTable("出租数据");
    return out;
  }
};

TEST_F(SortToFileTest, DatesSortAscendingAndEqualDatesAsTheSortGives) {
  OpenDockets();
  AddDocket(1, 3, "c");
  AddDocket(2, 1, "a");
  AddDocket(3, 2, "b");
  ASSERT_TRUE(GoToRecord(2));
  EXPECT_EQ(SortedRemarks({"日期"}), "abc");
  EXPECT_EQ(std::get<std::string>(ReadField("其它备注")), "a");  // source position unchanged
  EXPECT_EQ(SortedRemarks({"日期"}, {false}), "cba");
  ASSERT_TRUE(ClearTable());
  AddDocket(1, 5, "A");
  AddDocket(2, 5, "B");
  EXPECT_EQ(SortedRemarks({"日期"}), "BA");
  AddDocket(3, 5, "C");
  EXPECT_EQ(SortedRemarks({"日期"}), "BCA");
}

TEST_F(SortToFileTest, SeveralKeysAndTextOrder) {
  OpenDockets();
  AddDocket(2, 1, "b");
  AddDocket(1, 1, "B");
  AddDocket(1, 0, "a");
  AddDocket(3, 0, "乙");
  EXPECT_EQ(SortedRemarks({"日期", "单号"}, {true, false}), "乙abB");
  EXPECT_EQ(SortedRemarks({"其它备注"}), "Bab乙");  // bytes: capitals first, GBK after ASCII
}

TEST_F(SortToFileTest, NewFileIsRenumberedAndKeepsDeletedMarks) {
  OpenDockets();
  AddDocket(1, 2, "x");
  AddDocket(2, 1, "y");
  ASSERT_TRUE(DeleteRecord());
  ASSERT_TRUE(SortTableToFile(Path("sorted.rdb"), {"日期"}));
  ByteSet out = FileBytes(Path("sorted.rdb"));
  ByteSet src = FileBytes(Path("出租单数据.rdb"));
  ASSERT_EQ(out.size(), 764u + 2 * 69);
  EXPECT_EQ(I32At(out, 16), 2);
  EXPECT_EQ(I32At(out, 20), 3);
  EXPECT_NE(F64At(out, 8), F64At(src, 8));  // a fresh creation time
  EXPECT_TRUE(std::equal(out.begin() + 24, out.begin() + 764, src.begin() + 24));
  EXPECT_EQ(I32At(out, 764), -1);  // the deleted record "y" sorts first
  EXPECT_EQ(I32At(out, 764 + 69), 2);
  EXPECT_TRUE(
      std::equal(out.begin() + 764 + 4, out.begin() + 764 + 69, src.begin() + 764 + 69 + 4));
}

TEST_F(SortToFileTest, ByteSetsAreCopiedIntoTheNewCompanion) {
  OpenContracts();
  ASSERT_TRUE(AppendRecord({int32_t{2}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(1200, 2)}));
  ASSERT_TRUE(AppendRecord({int32_t{1}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(30, 1)}));
  ASSERT_TRUE(SortTableToFile(Path("copy.rdb"), {"合同号"}));
  ASSERT_TRUE(OpenTable(Path("copy.rdb"), "copy"));
  EXPECT_EQ(std::get<ByteSet>(ReadField("数据")), Pattern(30, 1));
  ASSERT_TRUE(GoToRecord(2));
  EXPECT_EQ(std::get<ByteSet>(ReadField("数据")), Pattern(1200, 2));
  ByteSet rdt = FileBytes(Path("copy.rdt"));
  EXPECT_EQ(rdt.size(), 5u * 512);
  EXPECT_EQ(I32At(rdt, 16), 5);
}

// The copy's creation time is the platform clock's, so a fixed clock makes the same bytes.
TEST_F(SortToFileTest, BothFilesOfTheCopyAreStampedByThePlatformClock) {
  FakePlatform platform;
  platform.now = MakeDateTime(2015, 10, 7, 12, 30, 25);
  OpenContracts();
  ASSERT_TRUE(AppendRecord({int32_t{1}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(700, 1)}));
  ASSERT_TRUE(SortTableToFile(Path("a.rdb"), {"合同号"}));
  ASSERT_TRUE(SortTableToFile(Path("b.rdb"), {"合同号"}));
  EXPECT_EQ(F64At(FileBytes(Path("a.rdb")), 8), platform.now.days);
  EXPECT_EQ(F64At(FileBytes(Path("a.rdt")), 8), platform.now.days);
  EXPECT_EQ(FileBytes(Path("a.rdb")), FileBytes(Path("b.rdb")));
  EXPECT_EQ(FileBytes(Path("a.rdt")), FileBytes(Path("b.rdt")));
}

TEST_F(SortToFileTest, KeysThatCannotSortFailBeforeAnythingIsWritten) {
  OpenContracts();
  ASSERT_TRUE(AppendRecord({}));
  EXPECT_FALSE(SortTableToFile(Path("s.rdb"), {"数据"}));
  EXPECT_FALSE(SortTableToFile(Path("s.rdb"), {"合同号", "没有"}));
  EXPECT_FALSE(SortTableToFile(Path("s.rdb"), {}));
  EXPECT_FALSE(PosixEnv()->Exists(Path("s.rdb")));
  EXPECT_FALSE(SortTableToFile(Path("合同.rdb"), {"合同号"}));  // the open table itself
  CloseAllTables();
  EXPECT_FALSE(SortTableToFile(Path("s.rdb"), {"合同号"}));
}

TEST_F(SortToFileTest, TallySamplesSortWithEmptyByteSets) {
  OpenTally();
  ASSERT_TRUE(SortTableToFile(Path("t.rdb"), {"日期"}, {false}));
  ASSERT_TRUE(OpenTable(Path("t.rdb"), "t"));
  EXPECT_EQ(std::get<std::string>(ReadField("日期")), "2014年3月30日");
  EXPECT_TRUE(std::get<ByteSet>(ReadField("码单数据")).empty());
  EXPECT_EQ(I32At(FileBytes(Path("t.rdb")), 548 + 24), 0);
}

}  // namespace
