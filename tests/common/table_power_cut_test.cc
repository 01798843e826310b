// Power cuts during every acknowledged table operation: each run is recorded once, then a cut
// after every recorded write (losing or keeping what was not synced) and many random cuts
// (random subsets of the unsynced writes, torn at sectors) are replayed. After each, every
// table opens, each record holds its old or its new value whole, nothing acknowledged before
// the cut is lost and nothing is there twice.
#include <functional>
#include <map>
#include <sstream>

#include "common/files.h"
#include "common/ini.h"
#include "common/record_fields.h"
#include "common/text.h"
#include "tests/common/power_cut_env.h"
#include "tests/common/table_contents.h"
#include "tests/common/table_test_util.h"

namespace {

using power_cut::CutReplay;
using power_cut::PowerCutEnv;
using table_contents::DocketsOf;
using table_contents::ReadTable;

class TablePowerCutTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    run_ = Path("run");
    check_ = Path("check");
    std::filesystem::create_directories(run_);
  }
  void TearDown() override {
    CloseAllTables();
    SetCurrentEnv(nullptr);
    TableTest::TearDown();
  }
  std::string Run(const std::string& name) const { return run_ + "/" + name; }
  void RunTemplate(const std::string& name) {
    ASSERT_TRUE(WriteTemplateIfMissing(Run(name), name));
  }

  // A docket table of n dockets numbered from first, as the bytes a contract's 数据 holds.
  ByteSet DocketTable(int n, int first = 1) {
    std::string path = Path("seed.rdb");
    PosixEnv()->Remove(path);
    EXPECT_TRUE(WriteTemplateIfMissing(path, "出租单数据.rdb"));
    EXPECT_TRUE(OpenTable(path, "种子", Durability::kScratch));
    for (int i = 0; i < n; ++i)
      EXPECT_TRUE(AppendRecord({int32_t{first + i}, DateTime{45000.0 + (i * 37) % 50}, true,
                                1.5 * i, int32_t{i}, 0.0, 0.0, int32_t{0}, std::string("备")}));
    CloseTable("种子");
    return FileBytes(path);
  }
  // A contract's twelve fields.
  static std::vector<Value> Contract(int32_t number, const std::string& name, ByteSet dockets) {
    return {number, name, DateTime{45000},     0.5,  1.0f,   2.0f,
            3.0f,   4.0f, std::string("备注"), 0.25, number, std::move(dockets)};
  }

  // The contract table in the run folder with a contract per docket table, numbered from 1.
  void OpenContractsWith(const std::vector<ByteSet>& dockets) {
    RunTemplate("合同.rdt");
    RunTemplate("合同.rdb");
    ASSERT_TRUE(OpenTable(Run("合同.rdb"), "合同"));
    const char* names[] = {"甲", "乙", "丙", "丁"};
    for (size_t i = 0; i < dockets.size(); ++i)
      ASSERT_TRUE(AppendRecord(Contract(static_cast<int32_t>(i + 1), names[i], dockets[i])));
  }

  // Starts recording; the files as they are now are the first outcome.
  CutReplay& Record(const power_cut::Reader& read) {
    CloseAllTables();
    env_ = std::make_unique<PowerCutEnv>(run_);
    SetCurrentEnv(env_.get());
    replay_ = std::make_unique<CutReplay>(*env_, read, check_);
    return *replay_;
  }
  // Stops recording and replays the cuts.
  void Replay(int random) {
    CloseAllTables();
    SetCurrentEnv(nullptr);
    replay_->Replay(random);
  }

  power_cut::Reader Contracts() {
    return [](const std::string& folder) { return ReadTable(folder, "合同.rdb", true); };
  }

  std::string run_, check_;
  std::unique_ptr<PowerCutEnv> env_;
  std::unique_ptr<CutReplay> replay_;
};

// The store at the docket entry window's close, and the one after each 添加成功: the
// contract's whole docket table written into its 数据, growing a docket at a time, in one
// contract after another.
TEST_F(TablePowerCutTest, DocketStores) {
  OpenContractsWith({DocketTable(3), DocketTable(2, 100), {}});
  auto store = [this](int record, ByteSet dockets) {
    return [record, dockets] {
      return SelectTable("合同") && GoToRecord(record) && WriteField(12, dockets);
    };
  };
  const std::vector<ByteSet> a = {DocketTable(4), DocketTable(5), DocketTable(12)};
  const ByteSet b = DocketTable(3, 100), c = DocketTable(1, 200);
  CutReplay& replay = Record(Contracts());
  ASSERT_TRUE(OpenTable(Run("合同.rdb"), "合同"));
  replay.Step(store(1, a[0]));
  replay.Step(store(2, b));
  replay.Step(store(1, a[1]));
  replay.Step(store(3, c));
  replay.Step(store(1, a[2]));
  Replay(1000);
}

// A contract added with its dockets, another edited, one deleted and purged (the programs
// always purge right after a delete).
TEST_F(TablePowerCutTest, ContractsAddedEditedDeletedAndPurged) {
  OpenContractsWith({DocketTable(3), DocketTable(2, 100)});
  const ByteSet dockets = DocketTable(6, 300);
  CutReplay& replay = Record(Contracts());
  ASSERT_TRUE(OpenTable(Run("合同.rdb"), "合同"));
  replay.Step([&] { return SelectTable("合同") && AppendRecord(Contract(3, "丙", dockets)); });
  // Record 2 lies within one 512-byte sector, so its plain fields are written whole.
  replay.Step([] {
    return SelectTable("合同") && GoToRecord(2) &&
           ModifyRecord({int32_t{22}, std::string("乙改"), DateTime{45100}, 0.75, 1.5f, 2.5f, 3.5f,
                         4.5f, std::string("改了"), 0.5, int32_t{22}});
  });
  replay.Step([] { return SelectTable("合同") && GoToRecord(1) && DeleteRecord(); });
  replay.Step([] { return SelectTable("合同") && PurgeDeletedRecords(); });
  replay.Step([&] { return SelectTable("合同") && AppendRecord(Contract(4, "丁", dockets)); });
  Replay(1000);
}

// tallybench's saves (an append with the grid file as a byte set), a delete with its purge and
// the clearing of every tally.
TEST_F(TablePowerCutTest, TalliesSavedDeletedAndCleared) {
  RunTemplate("码单数据库.RDT");
  RunTemplate("码单数据库.rdb");
  auto tally = [](const std::string& date, size_t grid) -> std::vector<Value> {
    return {
        date, Pattern(grid, static_cast<int>(grid)), int32_t{5}, 12.5, false, std::string("单位")};
  };
  CutReplay& replay =
      Record([](const std::string& folder) { return ReadTable(folder, "码单数据库.rdb", false); });
  ASSERT_TRUE(OpenTable(Run("码单数据库.rdb"), "码单"));
  auto save = [&](const std::string& date, size_t grid) {
    return [=] { return SelectTable("码单") && AppendRecord(tally(date, grid)); };
  };
  replay.Step(save("2024年5月1日", 7800));
  replay.Step(save("2024年5月2日", 900));
  replay.Step([] {
    return SelectTable("码单") && GoToRecord(4) && DeleteRecord() && PurgeDeletedRecords();
  });
  replay.Step(save("2024年5月3日", 1200));
  replay.Step([] { return SelectTable("码单") && ClearTable(); });
  replay.Step(save("2024年5月4日", 600));
  Replay(1000);
}

// The settings file is replaced whole at every write.
TEST_F(TablePowerCutTest, SettingsWrites) {
  const std::string ini = Run("配置.ini");
  ASSERT_TRUE(WriteIniItem(ini, "用户设置", "用户名", "张三"));
  CutReplay& replay = Record([](const std::string& folder) {
    std::string ini = folder + "/配置.ini";
    if (!CurrentEnv()->Exists(ini)) return std::string("no settings file");
    return ReadIniItem(ini, "用户设置", "用户名") + "|" + ReadIniItem(ini, "用户设置", "密码");
  });
  replay.Step([&] { return WriteIniItem(ini, "用户设置", "密码", "123"); });
  replay.Step([&] { return WriteIniItem(ini, "用户设置", "用户名", "李四"); });
  replay.Step([&] { return WriteIniItem(ini, "用户设置", "密码", std::nullopt); });
  Replay(200);
}

// A sort onto a kept file replaces the target in one step.
TEST_F(TablePowerCutTest, SortOntoAKeptFile) {
  ASSERT_TRUE(ReplaceFileDurably(Run("单据.rdb"), DocketTable(30)));
  ASSERT_TRUE(ReplaceFileDurably(Run("排序.rdb"), DocketTable(5, 500)));
  auto read = [](const std::string& folder) {
    ByteSet bytes;
    if (!ReadWholeFile(folder + "/排序.rdb", &bytes)) return std::string("no target");
    return DocketsOf(bytes, folder + "/读单据.rdb");
  };
  CutReplay& replay = Record(read);
  ASSERT_TRUE(OpenTable(Run("单据.rdb"), "单据"));
  replay.Step([this] { return SelectTable("单据") && SortTableToFile(Run("排序.rdb"), {"日期"}); });
  replay.Step([this] {
    return SelectTable("单据") && SortTableToFile(Run("排序.rdb"), {"日期"}, {false});
  });
  Replay(200);
}

// The docket edit save as its handler makes it: the working file sorted into a scratch copy,
// a docket deleted and purged there, every row rewritten, and the copy's bytes stored into the
// contract. Only the store counts; the scratch files are made anew before every use.
TEST_F(TablePowerCutTest, DocketEditSave) {
  OpenContractsWith({DocketTable(20), DocketTable(15, 100)});
  CutReplay& replay = Record(Contracts());
  ASSERT_TRUE(OpenTable(Run("合同.rdb"), "合同"));
  auto save = [this](int contract, int deleted) {
    return [this, contract, deleted] {
      const std::string work = Run("出租数据.rdb"), sorted = Run("出租单临时数据.rdb");
      if (!SelectTable("合同") || !GoToRecord(contract)) return false;
      if (!ReplaceFile(work, std::get<ByteSet>(ReadField(kContractDockets.number)), Durability::kScratch) ||
          !OpenTable(work, "出租数据", Durability::kScratch) ||
          !SortTableToFile(sorted, {"日期"}, {true}, Durability::kScratch) ||
          !OpenTable(sorted, "出租单临时数据", Durability::kScratch))
        return false;
      if (!GoToRecord(deleted) || !DeleteRecord() || !PurgeDeletedRecords()) return false;
      for (int r = 1; r <= GetRecordCount(); ++r)
        if (!GoToRecord(r) || !ModifyRecord({std::monostate{}, std::monostate{}, false}))
          return false;
      CloseTable("出租数据");
      CloseTable("出租单临时数据");
      ByteSet bytes;
      return ReadWholeFile(sorted, &bytes) && SelectTable("合同") && GoToRecord(contract) &&
             WriteField(12, bytes);
    };
  };
  replay.Step(save(1, 3));
  replay.Step(save(2, 1));
  replay.Step(save(1, 19));
  Replay(1000);
}

// The backup at exit: a folder made for the exit's stamp, the two contract files copied into
// it. Each copy is there whole or not at all; one acknowledged is never lost.
TEST_F(TablePowerCutTest, BackupCopies) {
  const std::map<std::string, ByteSet> sources = {{"合同.rdb", Pattern(70000, 1)},
                                                  {"合同.rdt", Pattern(300000, 2)}};
  for (const auto& [name, bytes] : sources) ASSERT_TRUE(ReplaceFileDurably(Path(name), bytes));
  const std::string stamp = Run("2024年5月6日9时30分");
  CutReplay& replay = Record([sources](const std::string& folder) {
    const std::string stamp = folder + "/2024年5月6日9时30分";
    if (!CurrentEnv()->IsDirectory(stamp)) return std::string("no folder");
    std::string out;
    for (const auto& [name, bytes] : sources) {
      ByteSet b;
      out += name + (!ReadWholeFile(stamp + "/" + name, &b) ? " none "
                     : b == bytes                           ? " whole "
                                                            : " torn ");
    }
    return out;
  });
  replay.Step([&] { return MakeDirectory(stamp); });
  for (const char* name : {"合同.rdb", "合同.rdt"})
    replay.Step([&] { return CopyDiskFile(Path(name), stamp + "/" + name); });
  Replay(300);
}

}  // namespace
