#pragma once
// Shared pieces of the record-table tests: a fresh folder per test, the stored templates
// written into it, and reading stored words straight from the bytes of a file.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "common/env.h"
#include "common/table/table.h"
#include "common/table/templates.h"

// Little-endian words of a file image, read without the engine.
inline int32_t I32At(const ByteSet& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
inline double F64At(const ByteSet& b, size_t at) {
  double v;
  std::memcpy(&v, b.data() + at, 8);
  return v;
}
inline ByteSet FileBytes(const std::string& path) {
  ByteSet b;
  ReadWholeFile(path, &b);
  return b;
}
inline void PutFile(const std::string& path, const ByteSet& bytes) {
  ASSERT_TRUE(ReplaceFileDurably(path, bytes));
}
// A byte set of n bytes with a pattern that shows misplaced blocks.
inline ByteSet Pattern(size_t n, int seed = 0) {
  ByteSet b(n);
  for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>((i * 7 + seed * 13 + i / 500) & 0xFF);
  return b;
}

// A fresh folder per test; every table is closed at the end.
class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/table-test-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    CloseAllTables();
    SetCurrentEnv(nullptr);
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  // Writes the template under its own name and returns the path.
  std::string Template(const std::string& name) {
    std::string p = Path(name);
    EXPECT_TRUE(WriteTemplateIfMissing(p, name));
    return p;
  }
  // The contract table (with its companion) open under "合同".
  void OpenContracts() {
    Template("合同.rdt");
    ASSERT_TRUE(OpenTable(Template("合同.rdb"), "合同"));
  }
  void OpenDockets() { ASSERT_TRUE(OpenTable(Template("出租单数据.rdb"), "出租数据")); }
  void OpenTally() {
    Template("码单数据库.RDT");
    ASSERT_TRUE(OpenTable(Template("码单数据库.rdb"), "码单"));
  }

  std::string dir_;
};

// A table image built by hand: header, descriptors and count × record size bytes of records.
struct RawField {
  std::string gbk_name;
  int32_t type, offset, declared;
};
inline void PutI32At(ByteSet* b, size_t at, int32_t v) { std::memcpy(b->data() + at, &v, 4); }
inline ByteSet RawTable(const std::vector<RawField>& fields, int32_t record_size, int32_t count,
                        int32_t next = 1) {
  ByteSet b(116 + 72 * fields.size() + static_cast<size_t>(record_size) * count, 0);
  std::memcpy(b.data(), "XRDB", 4);
  PutI32At(&b, 4, 0x00010000);
  PutI32At(&b, 16, count);
  PutI32At(&b, 20, next);
  PutI32At(&b, 24, record_size);
  PutI32At(&b, 112, static_cast<int32_t>(fields.size()));
  for (size_t i = 0; i < fields.size(); ++i) {
    size_t d = 116 + 72 * i;
    std::memcpy(b.data() + d, fields[i].gbk_name.data(), fields[i].gbk_name.size());
    PutI32At(&b, d + 20, fields[i].type);
    PutI32At(&b, d + 24, fields[i].offset);
    PutI32At(&b, d + 28, fields[i].declared);
  }
  for (int32_t r = 0; r < count; ++r) {  // number r + 1, and r + 1 again in the next word
    size_t at = 116 + 72 * fields.size() + static_cast<size_t>(r) * record_size;
    PutI32At(&b, at, r + 1);
    if (record_size >= 8) PutI32At(&b, at + 4, r + 1);
  }
  return b;
}
