// The record tables against SQLite on the same work, in one run.
//
// Without waiting for the disk (the engine's scratch tables, SQLite synchronous=OFF): a docket
// table of 100,000 records appended, read at random, scanned whole (every field) and sorted,
// and a 690 KB byte set written and rewritten.
//
// Durable, every operation on the disk when it returns (the engine's tables as the programs
// open them, SQLite synchronous=FULL in rollback-journal and in WAL mode): appending a
// docket, storing a 690 KB byte set, modifying a docket, taking turns with the raw cost of one
// sync on this machine (a 512-byte write in place, or at the end of the file, then fdatasync);
// for the engine also the syncs per operation and the time spent outside them.
//
// The backup copy at exit: the peak memory of a process copying a 2 MB and a 19 MB contract
// companion file (it must not grow with the file).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "common/env.h"
#include "common/files.h"
#include "common/table/table.h"
#include "common/table/templates.h"

namespace {

constexpr int kRecords = 100000;
constexpr size_t kBlobBytes = 690 * 1000;
using Clock = std::chrono::steady_clock;

const std::string& Dir() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/table-bench-XXXXXX";
    return std::string(mkdtemp(tmpl));
  }();
  return dir;
}

// The real file system, counting the syncs and the time they take.
class SyncClock : public EnvWrapper {
 public:
  int64_t syncs = 0;
  Clock::duration waited{};

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    auto f = EnvWrapper::Open(path, mode);
    return f ? std::make_unique<TimedFile>(std::move(f), this) : nullptr;
  }
  bool SyncDirectory(const std::string& p) override {
    return Timed([&] { return EnvWrapper::SyncDirectory(p); });
  }
  template <typename F>
  bool Timed(F f) {
    auto t = Clock::now();
    bool ok = f();
    waited += Clock::now() - t;
    ++syncs;
    return ok;
  }

 private:
  class TimedFile : public FileWrapper {
   public:
    TimedFile(std::unique_ptr<File> f, SyncClock* c) : FileWrapper(std::move(f)), c_(c) {}
    bool Sync() override {
      return c_->Timed([&] { return FileWrapper::Sync(); });
    }

   private:
    SyncClock* c_;
  };
};

std::vector<Value> Docket(int i) {
  return {int32_t{i},
          DateTime{41000.0 + (i * 7919) % 3650},
          (i & 1) != 0,
          i * 1.5,
          int32_t{i % 400},
          2.0,
          3.0,
          int32_t{0},
          std::string("remark")};
}

// A fresh docket table of n records open under "bench" (it stays open for the run).
void FreshDockets(const std::string& name, int n, Durability durability) {
  CloseAllTables();
  std::string path = Dir() + "/" + name;
  std::filesystem::remove(path);
  WriteTemplateIfMissing(path, "出租单数据.rdb");
  OpenTable(path, "bench", Durability::kScratch);
  for (int i = 1; i <= n; ++i) AppendRecord(Docket(i));
  CloseAllTables();
  OpenTable(path, "bench", durability);
}

// A fresh contract table with one record, open under "合同".
void FreshContracts(Durability durability) {
  CloseAllTables();
  for (const char* name : {"合同.rdb", "合同.rdt"}) {
    std::filesystem::remove(Dir() + "/" + name);
    WriteTemplateIfMissing(Dir() + "/" + name, name);
  }
  OpenTable(Dir() + "/合同.rdb", "合同", durability);
  AppendRecord({int32_t{1}});
}

// Inserts docket i through the prepared insert, with the values the engine's Docket(i) holds.
void InsertDocketRow(sqlite3_stmt* st, int i) {
  sqlite3_bind_int(st, 1, i);
  sqlite3_bind_double(st, 2, 41000.0 + (i * 7919) % 3650);
  sqlite3_bind_int(st, 3, i & 1);
  sqlite3_bind_double(st, 4, i * 1.5);
  sqlite3_bind_int(st, 5, i % 400);
  sqlite3_step(st);
  sqlite3_reset(st);
}

// How a SQLite database meets the disk.
enum class SqliteMode { kOff, kFullJournal, kFullWal };

const char* Pragmas(SqliteMode mode) {
  switch (mode) {
    case SqliteMode::kOff:
      return "PRAGMA synchronous=OFF;";
    case SqliteMode::kFullJournal:
      return "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;";
    case SqliteMode::kFullWal:
      return "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;";
  }
  return "";
}

// A fresh database with a docket table of n rows, then set to mode.
sqlite3* FreshSqlite(const std::string& name, int n, SqliteMode mode = SqliteMode::kOff) {
  std::string path = Dir() + "/" + name;
  for (const char* end : {"", "-journal", "-wal", "-shm"}) std::filesystem::remove(path + end);
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
  sqlite3_exec(db,
               "CREATE TABLE d(no INTEGER, date REAL, dir INTEGER, pipe REAL, fast INTEGER,"
               " jack REAL, beam REAL, screws INTEGER, remark TEXT);",
               nullptr, nullptr, nullptr);
  sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO d VALUES(?,?,?,?,?,2.0,3.0,0,'remark')", -1, &st, nullptr);
  for (int i = 1; i <= n; ++i) InsertDocketRow(st, i);
  sqlite3_finalize(st);
  sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_exec(db, Pragmas(mode), nullptr, nullptr, nullptr);
  return db;
}

// ---- without waiting for the disk ----

void BM_EngineAppend(benchmark::State& state) {
  FreshDockets("append.rdb", 0, Durability::kScratch);
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(AppendRecord(Docket(++i)));
  state.counters["records"] = GetRecordCount();
}

void SqliteAppend(benchmark::State& state, SqliteMode mode) {
  sqlite3* db = FreshSqlite("append.db", 0, mode);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO d VALUES(?,?,?,?,?,2.0,3.0,0,'remark')", -1, &st, nullptr);
  int i = 0;
  for (auto _ : state) InsertDocketRow(st, ++i);
  sqlite3_finalize(st);
  sqlite3_close(db);
}
void BM_SqliteAppend(benchmark::State& state) { SqliteAppend(state, SqliteMode::kOff); }

void BM_EngineGoToRead(benchmark::State& state) {
  FreshDockets("read.rdb", kRecords, Durability::kScratch);
  uint32_t r = 1;
  for (auto _ : state) {
    r = r * 1103515245u + 12345u;
    GoToRecord(static_cast<int>(r % kRecords) + 1);
    benchmark::DoNotOptimize(ReadField("钢管数量"));
  }
}

void BM_SqliteGoToRead(benchmark::State& state) {
  sqlite3* db = FreshSqlite("read.db", kRecords);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT pipe FROM d WHERE rowid=?", -1, &st, nullptr);
  uint32_t r = 1;
  for (auto _ : state) {
    r = r * 1103515245u + 12345u;
    sqlite3_bind_int(st, 1, static_cast<int>(r % kRecords) + 1);
    sqlite3_step(st);
    benchmark::DoNotOptimize(sqlite3_column_double(st, 0));
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
}

void BM_EngineScan(benchmark::State& state) {
  FreshDockets("scan.rdb", kRecords, Durability::kScratch);
  for (auto _ : state) {
    for (int r = 1; r <= kRecords; ++r) {
      GoToRecord(r);
      for (int f = 1; f <= 9; ++f) benchmark::DoNotOptimize(ReadField(f));
    }
  }
}

void BM_SqliteScan(benchmark::State& state) {
  sqlite3* db = FreshSqlite("scan.db", kRecords);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT * FROM d", -1, &st, nullptr);
  for (auto _ : state) {
    while (sqlite3_step(st) == SQLITE_ROW) {
      for (int c = 0; c < 8; ++c) benchmark::DoNotOptimize(sqlite3_column_double(st, c));
      benchmark::DoNotOptimize(
          std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 8))));
    }
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
}

void BM_EngineSort(benchmark::State& state) {
  FreshDockets("sort.rdb", kRecords, Durability::kScratch);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        SortTableToFile(Dir() + "/sorted.rdb", {"日期"}, {}, Durability::kScratch));
}

void BM_SqliteSort(benchmark::State& state) {
  sqlite3* db = FreshSqlite("sort.db", kRecords);
  for (auto _ : state) {
    sqlite3_exec(db, "DROP TABLE IF EXISTS s; CREATE TABLE s AS SELECT * FROM d ORDER BY date;",
                 nullptr, nullptr, nullptr);
  }
  sqlite3_close(db);
}

void BM_EngineByteSet(benchmark::State& state) {
  FreshContracts(Durability::kScratch);
  ByteSet a(kBlobBytes, 0x11), b(kBlobBytes, 0x22);
  bool flip = false;
  for (auto _ : state) benchmark::DoNotOptimize(WriteField("数据", (flip = !flip) ? a : b));
}

void SqliteBlob(benchmark::State& state, SqliteMode mode) {
  sqlite3* db = FreshSqlite("blob.db", 0);
  sqlite3_exec(db, "CREATE TABLE c(no INTEGER, data BLOB); INSERT INTO c VALUES(1, NULL);", nullptr,
               nullptr, nullptr);
  sqlite3_exec(db, Pragmas(mode), nullptr, nullptr, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "UPDATE c SET data=? WHERE rowid=1", -1, &st, nullptr);
  ByteSet a(kBlobBytes, 0x11), b(kBlobBytes, 0x22);
  bool flip = false;
  for (auto _ : state) {
    const ByteSet& v = (flip = !flip) ? a : b;
    sqlite3_bind_blob(st, 1, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    sqlite3_step(st);
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
}
void BM_SqliteBlob(benchmark::State& state) { SqliteBlob(state, SqliteMode::kOff); }

// ---- durable ----
// The durable rows take turns inside one loop, so that each sees the disk as busy as the others
// do (on a shared machine one sync costs from 0.1 to 4 ms from one minute to the next): per
// iteration one raw sync of each kind, the engine's operation, and SQLite's in both modes.
// Each reports its milliseconds per operation as a counter.

// Times the contenders of one durable row.
class Turns {
 public:
  explicit Turns(benchmark::State& state) : state_(state) {
    SetCurrentEnv(&engine_syncs_);
    fd_ = ::open((Dir() + "/sync.probe").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
  }
  ~Turns() {
    SetCurrentEnv(nullptr);
    ::close(fd_);
    double n = static_cast<double>(state_.iterations());
    for (const auto& [who, spent] : spent_) state_.counters[who] = Ms(spent) / n;
    state_.counters["engine syncs/op"] = static_cast<double>(engine_syncs_.syncs) / n;
    state_.counters["engine outside syncs"] = (Ms(spent_["engine"]) - Ms(engine_syncs_.waited)) / n;
  }
  // The engine's tables are opened after this (so that their syncs are counted).
  void Begin() {
    engine_syncs_.syncs = 0;
    engine_syncs_.waited = {};
  }
  template <typename F>
  void Time(const char* who, F f) {
    auto t = Clock::now();
    f();
    spent_[who] += Clock::now() - t;
  }
  // One raw sync of each kind: a 512-byte write in place, and one at the end, then fdatasync.
  void RawSyncs() {
    char sector[512] = {1};
    Time("sync in place", [&] {
      ::pwrite(fd_, sector, sizeof sector, 0);
      ::fdatasync(fd_);
    });
    Time("sync at end", [&] {
      ::pwrite(fd_, sector, sizeof sector, end_ += sizeof sector);
      ::fdatasync(fd_);
    });
  }

 private:
  static double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  }
  benchmark::State& state_;
  SyncClock engine_syncs_;
  std::map<std::string, Clock::duration> spent_;
  int fd_ = -1;
  off_t end_ = 0;
};

// A prepared statement that runs with its parameters bound by bind.
struct Statement {
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &st, nullptr); }
  ~Statement() { sqlite3_finalize(st); }
  template <typename Bind>
  void Run(Bind bind) {
    bind(st);
    sqlite3_step(st);
    sqlite3_reset(st);
  }
  sqlite3_stmt* st = nullptr;
};

constexpr const char* kInsert = "INSERT INTO d VALUES(?,?,?,?,?,2.0,3.0,0,'remark')";

void BM_DurableAppend(benchmark::State& state) {
  Turns turns(state);
  FreshDockets("append.rdb", 0, Durability::kDurable);
  sqlite3* journal = FreshSqlite("append-j.db", 0, SqliteMode::kFullJournal);
  sqlite3* wal = FreshSqlite("append-w.db", 0, SqliteMode::kFullWal);
  Statement in_journal(journal, kInsert), in_wal(wal, kInsert);
  turns.Begin();
  int i = 0;
  for (auto _ : state) {
    ++i;
    turns.RawSyncs();
    turns.Time("engine", [&] { benchmark::DoNotOptimize(AppendRecord(Docket(i))); });
    turns.Time("SQLite FULL journal",
               [&] { in_journal.Run([&](auto* st) { InsertDocketRow(st, i); }); });
    turns.Time("SQLite FULL WAL", [&] { in_wal.Run([&](auto* st) { InsertDocketRow(st, i); }); });
  }
  sqlite3_close(journal);
  sqlite3_close(wal);
}

void BM_DurableByteSet(benchmark::State& state) {
  Turns turns(state);
  FreshContracts(Durability::kDurable);
  auto blob_db = [](const char* name, SqliteMode mode) {
    sqlite3* db = FreshSqlite(name, 0);
    sqlite3_exec(db, "CREATE TABLE c(no INTEGER, data BLOB); INSERT INTO c VALUES(1, NULL);",
                 nullptr, nullptr, nullptr);
    sqlite3_exec(db, Pragmas(mode), nullptr, nullptr, nullptr);
    return db;
  };
  sqlite3* journal = blob_db("blob-j.db", SqliteMode::kFullJournal);
  sqlite3* wal = blob_db("blob-w.db", SqliteMode::kFullWal);
  const char* update = "UPDATE c SET data=? WHERE rowid=1";
  Statement in_journal(journal, update), in_wal(wal, update);
  ByteSet a(kBlobBytes, 0x11), b(kBlobBytes, 0x22);
  bool flip = false;
  turns.Begin();
  for (auto _ : state) {
    const ByteSet& v = (flip = !flip) ? a : b;
    auto bind = [&](sqlite3_stmt* st) {
      sqlite3_bind_blob(st, 1, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    };
    turns.RawSyncs();
    turns.Time("engine", [&] { benchmark::DoNotOptimize(WriteField("数据", v)); });
    turns.Time("SQLite FULL journal", [&] { in_journal.Run(bind); });
    turns.Time("SQLite FULL WAL", [&] { in_wal.Run(bind); });
  }
  sqlite3_close(journal);
  sqlite3_close(wal);
}

constexpr int kModified = 10000;

void BM_DurableModify(benchmark::State& state) {
  Turns turns(state);
  FreshDockets("modify.rdb", kModified, Durability::kDurable);
  sqlite3* journal = FreshSqlite("modify-j.db", kModified, SqliteMode::kFullJournal);
  sqlite3* wal = FreshSqlite("modify-w.db", kModified, SqliteMode::kFullWal);
  const char* update = "UPDATE d SET date=?, pipe=?, fast=? WHERE rowid=?";
  Statement in_journal(journal, update), in_wal(wal, update);
  turns.Begin();
  uint32_t r = 1;
  for (auto _ : state) {
    r = r * 1103515245u + 12345u;
    int n = static_cast<int>(r % kModified) + 1, v = n + 1 + static_cast<int>(r % 7);
    auto bind = [&](sqlite3_stmt* st) {  // new values, as the engine's
      sqlite3_bind_double(st, 1, 41000.0 + (v * 7919) % 3650);
      sqlite3_bind_double(st, 2, v * 1.5);
      sqlite3_bind_int(st, 3, v % 400);
      sqlite3_bind_int(st, 4, n);
    };
    turns.RawSyncs();
    turns.Time("engine", [&] {
      GoToRecord(n);
      benchmark::DoNotOptimize(ModifyRecord(Docket(v)));
    });
    turns.Time("SQLite FULL journal", [&] { in_journal.Run(bind); });
    turns.Time("SQLite FULL WAL", [&] { in_wal.Run(bind); });
  }
  sqlite3_close(journal);
  sqlite3_close(wal);
}

// ---- the backup copy ----

// The peak resident memory (MB) of a child process that copies a file of mb megabytes.
double CopyPeakMb(int mb) {
  std::string from = Dir() + "/big.rdt", to = Dir() + "/big-copy.rdt";
  {
    auto f = PosixEnv()->Open(from, OpenMode::kCreateTruncate);
    ByteSet piece(1 << 20, 0x5A);
    for (int i = 0; i < mb; ++i)
      f->WriteAt(static_cast<uint64_t>(i) << 20, piece.data(), piece.size());
  }
  pid_t pid = ::fork();
  if (pid == 0) _exit(CopyDiskFile(from, to) ? 0 : 1);
  int status = 0;
  struct rusage ru = {};
  ::wait4(pid, &status, 0, &ru);
  std::filesystem::remove(from);
  std::filesystem::remove(to);
  return static_cast<double>(ru.ru_maxrss) / 1024.0;
}

void BM_BackupCopyPeakMemory(benchmark::State& state) {
  double peak = 0;
  for (auto _ : state) peak = CopyPeakMb(static_cast<int>(state.range(0)));
  state.counters["file_MB"] = static_cast<double>(state.range(0));
  state.counters["peak_RSS_MB"] = peak;
}

BENCHMARK(BM_EngineAppend)->Iterations(kRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SqliteAppend)->Iterations(kRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineGoToRead)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_SqliteGoToRead)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_EngineScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineByteSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteBlob)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableAppend)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableByteSet)->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableModify)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BackupCopyPeakMemory)->Arg(2)->Arg(19)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
