#pragma once
// The table fuzz entry: the input becomes a table file (and, after a "XRDT" at a 512-byte
// boundary past the table part, its companion file), which is opened and every field of
// every record read. Shared by the fuzz target and the test that replays the corpus.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/env.h"
#include "common/table/table.h"

namespace table_fuzz {

// Where the companion part of an input starts (its size when there is none).
inline size_t CompanionStart(const uint8_t* data, size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  size_t at = in.rfind("XRDT");
  return at == std::string_view::npos || at == 0 ? size : at;
}

// A new file each time: cutting the last input's file to 0 would wait for its write-back.
inline bool WriteBytes(const std::string& path, const uint8_t* data, size_t n) {
  PosixEnv()->Remove(path);
  auto f = PosixEnv()->Open(path, OpenMode::kCreateNew);
  return f && f->WriteAt(0, data, n);
}

// Opens the input as a table and reads everything; then sorts it on its first sortable field.
inline int RunTableInput(const uint8_t* data, size_t size) {
  static std::string dir = [] {
    char tmpl[] = "/tmp/table-fuzz-XXXXXX";
    return std::string(mkdtemp(tmpl) ? tmpl : "/tmp");
  }();
  size_t split = CompanionStart(data, size);
  std::string rdb = dir + "/f.rdb", rdt = dir + "/f.rdt";
  WriteBytes(rdb, data, split);
  WriteBytes(rdt, data + split, size - split);
  if (OpenTable(rdb, "fuzz")) {
    for (int r = 1; r <= GetRecordCount(); ++r) {
      GoToRecord(r);
      for (int f = 1; f <= GetFieldCount(); ++f) {
        Value v;
        ReadFieldChecked(f, &v);
      }
    }
    SkipRecords(-1);
    SortTableToFile(dir + "/sorted.rdb", {"日期"});
    CloseAllTables();
  }
  PosixEnv()->Remove(dir + "/sorted.rdb");
  PosixEnv()->Remove(dir + "/sorted.rdt");
  return 0;
}

}  // namespace table_fuzz
