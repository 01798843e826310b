// Rewriting a run of records with ModifyRecords: the files it leaves are byte for byte those of
// one ModifyRecord per record, and a scratch run whose writes fail leaves each record as it was
// or as it was to become, the rows left as they were named.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"
#include "tests/common/fault_env.h"
#include "tests/common/table_test_util.h"

namespace {

using TableModifyRunTest = TableTest;

constexpr int kDockets = 2500;  // enough for a run of several writes

// The values of row k: every field of the docket changed, some rows leaving fields out, one
// row holding a text where a number belongs after fields that could be written (that row
// cannot be written at all).
std::vector<Value> DocketRow(int k) {
  if (k == 7) return {int32_t{9999}, DateTime{42000}, false, std::string("不是数")};
  std::vector<Value> v = {int32_t{5000 + k},
                          DateTime{43000.0 + k},
                          k % 3 == 0,
                          -1.5 * k,
                          int32_t{k % 11},
                          0.25 * k,
                          3.0,
                          int32_t{k % 2},
                          std::string(k % 5 ? "改" : "")};
  if (k % 4 == 1) v[3] = std::monostate{};
  if (k % 6 == 2) v.resize(2);
  return v;
}

// A contract row: its name and, on every other row, a byte set of its own.
std::vector<Value> ContractRow(int k) {
  std::vector<Value> v = {std::monostate{}, std::string("单位") + std::to_string(k)};
  if (k % 2 == 1) return v;
  v.resize(12);
  v[11] = Pattern(300 + 450 * static_cast<size_t>(k), k);
  return v;
}

// A fresh table file named name (from the template of that name) with n records.
void MakeTable(const std::string& path, const std::string& name, int n, Durability d) {
  ASSERT_TRUE(OpenTable(path, name, d));
  for (int i = 0; i < n; ++i) {
    std::vector<Value> v = {int32_t{i}, DateTime{41000.0 + i}, true, 2.0 * i};
    if (name == "合同")
      v = {int32_t{i}, std::string("原"), {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(700, i)};
    ASSERT_TRUE(AppendRecord(v));
  }
  CloseTable(name);
}

struct RunCase {
  const char* name;  // the template
  Durability durability;
  int records, first, rows;
  std::vector<Value> (*row)(int);
};

// ModifyRecords from record first over rows rows, against ModifyRecord record by record on a
// copy: the same bytes in the table and its companion, the same rows failed, the same record
// current afterwards; each row with a record asked once, in order.
TEST_F(TableModifyRunTest, LeavesTheBytesOfOneModifyPerRecord) {
  const RunCase cases[] = {
      {"出租单数据", Durability::kScratch, kDockets, 1, kDockets, DocketRow},
      {"出租单数据", Durability::kScratch, kDockets, 900, 700, DocketRow},
      {"出租单数据", Durability::kScratch, 40, 31, 25, DocketRow},  // rows past the last record
      {"出租单数据", Durability::kScratch, 0, 1, 3, DocketRow},
      {"出租单数据", Durability::kDurable, 300, 2, 280, DocketRow},
      {"合同", Durability::kScratch, 30, 3, 20, ContractRow},
      {"合同", Durability::kDurable, 30, 1, 30, ContractRow},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " first " + std::to_string(c.first));
    const bool chains = std::string(c.name) == "合同";
    for (const char* copy : {"one", "run"}) {
      const std::string stem = Path(std::string(copy) + "-" + c.name);
      ASSERT_TRUE(CopyDiskFile(Template(std::string(c.name) + ".rdb"), stem + ".rdb"));
      if (chains) {
        ASSERT_TRUE(CopyDiskFile(Template("合同.rdt"), stem + ".rdt"));
      }
      MakeTable(stem + ".rdb", c.name, c.records, c.durability);
    }
    std::vector<int> failed_one, failed_run, asked;
    ASSERT_TRUE(OpenTable(Path(std::string("one-") + c.name + ".rdb"), "one", c.durability));
    for (int k = 0; k < c.rows; ++k) {
      GoToRecord(c.first + k);
      if (c.first + k > GetRecordCount() || !ModifyRecord(c.row(k))) failed_one.push_back(k);
    }
    ASSERT_TRUE(OpenTable(Path(std::string("run-") + c.name + ".rdb"), "run", c.durability));
    GoToRecord(c.first);
    const bool ok = ModifyRecords(
        c.rows, [&](int k) { return asked.push_back(k), c.row(k); }, &failed_run);
    EXPECT_EQ(ok, failed_run.empty());
    EXPECT_EQ(failed_run, failed_one);
    const int with_record = std::clamp(c.records - c.first + 1, 0, c.rows);
    for (int k = 0; k < with_record; ++k) ASSERT_EQ(asked.at(static_cast<size_t>(k)), k);
    if (c.records > 0) {
      ASSERT_TRUE(SkipRecords(0));
      const Value here = ReadField(1);
      ASSERT_TRUE(SelectTable("one"));
      EXPECT_EQ(ReadField(1), here);
    }
    CloseAllTables();
    for (const char* ext : {".rdb", ".rdt"}) {
      if (!chains && std::string(ext) == ".rdt") continue;
      EXPECT_EQ(FileBytes(Path(std::string("run-") + c.name + ext)),
                FileBytes(Path(std::string("one-") + c.name + ext)))
          << ext;
    }
  }
}

// Each write of a scratch run fails in turn (alone, and with every write after it): every
// record holds its old bytes or its new ones, and the rows named as failed are exactly those
// that kept their old bytes.
TEST_F(TableModifyRunTest, AFailedWriteLeavesEachRecordOldOrNewAndNamesTheOldOnes) {
  const std::string path = Path("出租单临时数据.rdb");
  ASSERT_TRUE(CopyDiskFile(Template("出租单数据.rdb"), path));
  MakeTable(path, "出租单数据", kDockets, Durability::kScratch);
  const ByteSet before = FileBytes(path);
  auto row = [](int k) { return DocketRow(k == 7 ? 8 : k); };  // every row can be written
  ASSERT_TRUE(OpenTable(path, "run", Durability::kScratch));
  ASSERT_TRUE(ModifyRecords(kDockets, row));
  CloseAllTables();
  const ByteSet after = FileBytes(path);
  const size_t size = static_cast<size_t>(I32At(after, 24));  // the record size
  const size_t start = after.size() - static_cast<size_t>(kDockets) * size;
  for (bool sticky : {false, true}) {
    for (int n = 1;; ++n) {
      SCOPED_TRACE((sticky ? "stop from write " : "fail write ") + std::to_string(n));
      PutFile(path, before);
      std::vector<int> failed;
      bool ok;
      int made;  // writes tried after the fault was armed
      {
        ScopedFaultEnv env;
        ASSERT_TRUE(OpenTable(path, "run", Durability::kScratch));
        sticky ? env->StopWritesFrom(n) : env->FailWrite(n);
        const int armed = env->writes();
        ok = ModifyRecords(kDockets, row, &failed);
        made = env->writes() - armed;
        CloseAllTables();
      }
      const ByteSet got = FileBytes(path);
      ASSERT_EQ(got.size(), after.size());
      EXPECT_TRUE(std::equal(got.begin(), got.begin() + start, after.begin()));
      const std::set<int> named(failed.begin(), failed.end());
      for (int k = 0; k < kDockets; ++k) {
        const size_t at = start + static_cast<size_t>(k) * size;
        const bool old = std::equal(got.begin() + at, got.begin() + at + size, before.begin() + at);
        const bool now = std::equal(got.begin() + at, got.begin() + at + size, after.begin() + at);
        ASSERT_TRUE(old || now) << "record " << k + 1 << " is torn";
        ASSERT_EQ(old, named.count(k) == 1) << "record " << k + 1;
      }
      // One failed write is made good record by record; a disk that stops writing fails
      // the records it left old.
      EXPECT_EQ(ok, !sticky || n > made);
      if (ok) {
        EXPECT_EQ(got, after);
      }
      if (n > made) break;
      ASSERT_LT(n, 20);
    }
  }
}

}  // namespace
