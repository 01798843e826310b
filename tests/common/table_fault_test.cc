// Tables on a file system that fails: a failed write reports false and leaves a file that
// opens and reads as before (or with the change complete); read-only tables; range locks.
#include <algorithm>
#include <chrono>
#include <functional>

#include "tests/common/fault_env.h"
#include "tests/common/table_test_util.h"

namespace {

class TableFaultTest : public TableTest {
 protected:
  // The contract table with two records holding byte sets, as the baseline of each run.
  void MakeBaseline() {
    OpenContracts();
    ASSERT_TRUE(
        AppendRecord({int32_t{1}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(1200, 1)}));
    ASSERT_TRUE(
        AppendRecord({int32_t{2}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(700, 2)}));
    CloseAllTables();
    rdb_ = FileBytes(Path("合同.rdb"));
    rdt_ = FileBytes(Path("合同.rdt"));
  }
  void RestoreBaseline() {
    PutFile(Path("合同.rdb"), rdb_);
    PutFile(Path("合同.rdt"), rdt_);
  }
  // Every record's number and byte set, read through the real file system.
  std::vector<std::pair<int32_t, ByteSet>> Contents() {
    std::vector<std::pair<int32_t, ByteSet>> out;
    EXPECT_TRUE(OpenTable(Path("合同.rdb"), "check"));
    for (int r = 1; r <= GetRecordCount(); ++r) {
      GoToRecord(r);
      Value v;
      EXPECT_TRUE(ReadFieldChecked("数据", &v)) << "record " << r;
      out.emplace_back(std::get<int32_t>(ReadField("合同号")), std::get<ByteSet>(v));
    }
    CloseAllTables();
    return out;
  }
  // Runs op with writes stopping from the n-th on, for every n until op goes through; after
  // each stop the files must hold either the contents before or the contents after.
  void CrashAtEveryWrite(const std::function<bool()>& op) {
    RestoreBaseline();
    auto before = Contents();
    RestoreBaseline();
    ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
    ASSERT_TRUE(op());
    CloseAllTables();
    auto after = Contents();
    for (int n = 1;; ++n) {
      SCOPED_TRACE(n);
      RestoreBaseline();
      bool ok;
      {
        ScopedFaultEnv env;
        ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
        env->StopWritesFrom(n);
        ok = op();
        CloseAllTables();
      }
      auto got = Contents();
      EXPECT_TRUE(got == before || got == after);
      if (ok) {
        EXPECT_EQ(got, after);
        break;
      }
      ASSERT_LT(n, 50);
    }
  }

  ByteSet rdb_, rdt_;
};

TEST_F(TableFaultTest, FailedAppendLeavesTheTableAsItWas) {
  OpenDockets();
  ByteSet before = FileBytes(Path("出租单数据.rdb"));
  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(n);
    {
      ScopedFaultEnv env;
      CloseAllTables();
      OpenDockets();
      env->FailWrite(n);
      EXPECT_FALSE(AppendRecord({int32_t{1}}));
      EXPECT_EQ(GetRecordCount(), 0);
      EXPECT_EQ(I32At(FileBytes(Path("出租单数据.rdb")), 16), 0);
    }
    CloseAllTables();
    OpenDockets();  // a record written without its count is cut at the next open
    EXPECT_EQ(GetRecordCount(), 0);
    EXPECT_EQ(FileBytes(Path("出租单数据.rdb")), before);
  }
  ASSERT_TRUE(AppendRecord({int32_t{1}}));
  EXPECT_EQ(I32At(FileBytes(Path("出租单数据.rdb")), 764), 15);
}

TEST_F(TableFaultTest, CrashDuringAppendWithAByteSet) {
  MakeBaseline();
  CrashAtEveryWrite([] {
    return AppendRecord({int32_t{3}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Pattern(1100, 3)});
  });
}

TEST_F(TableFaultTest, CrashDuringShorteningAByteSet) {
  MakeBaseline();
  CrashAtEveryWrite([] { return GoToRecord(2) && WriteField("数据", Pattern(10, 4)); });
}

TEST_F(TableFaultTest, CrashDuringGrowingAByteSetFromFreeBlocks) {
  MakeBaseline();
  RestoreBaseline();
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  ASSERT_TRUE(WriteField("数据", Pattern(10, 5)));  // frees two blocks inside the file
  CloseAllTables();
  rdb_ = FileBytes(Path("合同.rdb"));
  rdt_ = FileBytes(Path("合同.rdt"));
  CrashAtEveryWrite([] { return GoToRecord(2) && WriteField("数据", Pattern(1900, 6)); });
}

TEST_F(TableFaultTest, CrashDuringPurgeAndClear) {
  MakeBaseline();
  CrashAtEveryWrite([] { return DeleteRecord() && PurgeDeletedRecords(); });
  CrashAtEveryWrite([] { return ClearTable(); });
}

TEST_F(TableFaultTest, ReadOnlyTableReadsButRefusesWrites) {
  MakeBaseline();
  ScopedFaultEnv env;
  env->DenyReadWrite(true);
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  EXPECT_EQ(std::get<ByteSet>(ReadField("数据")), Pattern(1200, 1));
  EXPECT_FALSE(AppendRecord({int32_t{9}}));
  EXPECT_FALSE(ModifyRecord({int32_t{9}}));
  EXPECT_FALSE(WriteField("数据", Pattern(3)));
  EXPECT_FALSE(DeleteRecord());
  EXPECT_FALSE(PurgeDeletedRecords());
  EXPECT_FALSE(ClearTable());
  EXPECT_EQ(GetRecordCount(), 2);
  EXPECT_EQ(FileBytes(Path("合同.rdb")), rdb_);
  EXPECT_EQ(FileBytes(Path("合同.rdt")), rdt_);
}

TEST_F(TableFaultTest, FailedSortKeepsAnExistingTarget) {
  MakeBaseline();
  PutFile(Path("old.rdb"), ByteSet{1, 2, 3});
  ASSERT_TRUE(OpenTable(Path("合同.rdb"), "合同"));
  ScopedFaultEnv env;
  env->StopWritesFrom(1);
  EXPECT_FALSE(SortTableToFile(Path("old.rdb"), {"合同号"}));
  EXPECT_EQ(FileBytes(Path("old.rdb")), (ByteSet{1, 2, 3}));
  std::vector<std::string> names;
  ASSERT_TRUE(PosixEnv()->ListDirectory(dir_, &names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"old.rdb", "合同.rdb", "合同.rdt"}));  // no temporary
}

// A working table's record rewrites need only their record's region (a kept table's take the
// header too, to follow a purge by another process: see table_processes_test.cc).
TEST_F(TableFaultTest, LockedRegionsFailAfterTheWait) {
  ASSERT_TRUE(OpenTable(Template("出租单数据.rdb"), "出租数据", Durability::kScratch));
  ASSERT_TRUE(AppendRecord({int32_t{1}}));
  ASSERT_TRUE(AppendRecord({int32_t{2}}));
  auto other = PosixEnv()->Open(Path("出租单数据.rdb"), OpenMode::kReadWrite);
  ASSERT_TRUE(other->Lock(16, 8, 0));  // another holder of the count
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(AppendRecord({int32_t{3}}));
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(1900));
  EXPECT_EQ(GetRecordCount(), 2);
  ASSERT_TRUE(GoToRecord(2));
  EXPECT_TRUE(ModifyRecord({int32_t{20}}));  // the record region is free
  ASSERT_TRUE(other->Unlock(16, 8));
  ASSERT_TRUE(other->Lock(764 + 69, 69, 0));  // now the second record is held
  EXPECT_FALSE(ModifyRecord({int32_t{21}}));
  EXPECT_EQ(std::get<int32_t>(ReadField("单号")), 20);
  ASSERT_TRUE(GoToRecord(1));
  EXPECT_TRUE(ModifyRecord({int32_t{10}}));
  EXPECT_TRUE(AppendRecord({int32_t{3}}));
}

}  // namespace

namespace {

using TableSharedTest = TableTest;

// Two opens of one file (as two programs would hold it): an append through one is seen by
// the next append through the other, which numbers after it instead of over it.
TEST_F(TableSharedTest, AppendTakesOverTheCountWrittenByAnotherHolder) {
  std::string a = Template("出租单数据.rdb");
  std::string b = Path("link.rdb");
  std::filesystem::create_hard_link(a, b);
  ASSERT_TRUE(OpenTable(a, "a"));
  ASSERT_TRUE(OpenTable(b, "b"));
  ASSERT_TRUE(AppendRecord({int32_t{1}}));
  ASSERT_TRUE(SelectTable("a"));
  ASSERT_TRUE(AppendRecord({int32_t{2}}));
  EXPECT_EQ(GetRecordCount(), 2);
  ByteSet raw = FileBytes(a);
  EXPECT_EQ(I32At(raw, 764), 15);
  EXPECT_EQ(I32At(raw, 764 + 69), 16);
  EXPECT_EQ(I32At(raw, 20), 17);
}

}  // namespace
