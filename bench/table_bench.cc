// The record tables against SQLite (autocommit, synchronous=OFF) on the same work: a docket
// table of 100,000 records appended, read at random, scanned whole and sorted, and a 690 KB
// byte set written and rewritten.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/table/table.h"
#include "common/table/templates.h"

namespace {

constexpr int kRecords = 100000;
constexpr size_t kBlobBytes = 690 * 1000;

const std::string& Dir() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/table-bench-XXXXXX";
    return std::string(mkdtemp(tmpl));
  }();
  return dir;
}

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
void FreshDockets(const std::string& name, int n) {
  CloseAllTables();
  std::string path = Dir() + "/" + name;
  std::filesystem::remove(path);
  WriteTemplateIfMissing(path, "出租单数据.rdb");
  OpenTable(path, "bench");
  for (int i = 1; i <= n; ++i) AppendRecord(Docket(i));
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

sqlite3* FreshSqlite(const std::string& name, int n) {
  std::string path = Dir() + "/" + name;
  std::filesystem::remove(path);
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
  for (int i = 1; i <= n; ++i) {
    InsertDocketRow(st, i);
  }
  sqlite3_finalize(st);
  sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
  return db;
}

void BM_EngineAppend(benchmark::State& state) {
  FreshDockets("append.rdb", 0);
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(AppendRecord(Docket(++i)));
  state.counters["records"] = GetRecordCount();
}

void BM_SqliteAppend(benchmark::State& state) {
  sqlite3* db = FreshSqlite("append.db", 0);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO d VALUES(?,?,?,?,?,2.0,3.0,0,'remark')", -1, &st, nullptr);
  int i = 0;
  for (auto _ : state) {
    ++i;
    InsertDocketRow(st, i);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
}

void BM_EngineGoToRead(benchmark::State& state) {
  FreshDockets("read.rdb", kRecords);
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
  FreshDockets("scan.rdb", kRecords);
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
  FreshDockets("sort.rdb", kRecords);
  for (auto _ : state) benchmark::DoNotOptimize(SortTableToFile(Dir() + "/sorted.rdb", {"日期"}));
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
  CloseAllTables();
  std::filesystem::remove(Dir() + "/合同.rdb");
  std::filesystem::remove(Dir() + "/合同.rdt");
  WriteTemplateIfMissing(Dir() + "/合同.rdb", "合同.rdb");
  WriteTemplateIfMissing(Dir() + "/合同.rdt", "合同.rdt");
  OpenTable(Dir() + "/合同.rdb", "合同");
  AppendRecord({int32_t{1}});
  ByteSet a(kBlobBytes, 0x11), b(kBlobBytes, 0x22);
  bool flip = false;
  for (auto _ : state) benchmark::DoNotOptimize(WriteField("数据", (flip = !flip) ? a : b));
}

void BM_SqliteBlob(benchmark::State& state) {
  sqlite3* db = FreshSqlite("blob.db", 0);
  sqlite3_exec(db, "CREATE TABLE c(no INTEGER, data BLOB); INSERT INTO c VALUES(1, NULL);", nullptr,
               nullptr, nullptr);
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

}  // namespace

BENCHMARK_MAIN();
