// Replays the grid fuzzer's seed corpus, with many damaged copies of each file, through the
// fuzzer's own entry: every file must be read or refused cleanly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/grid/grid_file.h"
#include "common/grid/grid_fuzz_entry.h"
#include "tests/common/grid_samples.h"

namespace {

namespace fs = std::filesystem;
const fs::path kCorpus = fs::path(RENT_SOURCE_DIR) / "fuzz/corpus/grid";

ByteSet ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return ByteSet(std::istreambuf_iterator<char>(in), {});
}

void FuzzOnce(const ByteSet& b) { FuzzGridFile(b.data(), b.size()); }

// Writes the seed corpus again when RENT_WRITE_GRID_CORPUS is set (run once by hand).
// The seeds are the writer's own output: a change to the bytes the writer produces shows here.
// RENT_WRITE_GRID_CORPUS=1 writes them anew.
TEST(GridCorpus, SeedsAreWhatTheWriterWrites) {
  const bool rewrite = std::getenv("RENT_WRITE_GRID_CORPUS") != nullptr;
  fs::create_directories(kCorpus);
  const std::pair<const char*, GridModel> seeds[] = {
      {"tally", grid_samples::TallyGrid()},
      {"rich", grid_samples::RichGrid()},
      {"empty", GridModel(0, 0, GridFont{})},
  };
  for (const auto& [name, grid] : seeds) {
    ByteSet b;
    ASSERT_TRUE(ExportGrid(grid, &b));
    if (rewrite)
      std::ofstream(kCorpus / name, std::ios::binary)
          .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    else
      EXPECT_EQ(ReadAll(kCorpus / name), b) << name;
  }
}

TEST(GridCorpus, SeedsAndDamagedCopiesAreReadOrRefusedCleanly) {
  ASSERT_TRUE(fs::exists(kCorpus));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kCorpus)) {
    ByteSet b = ReadAll(entry.path());
    GridModel g;
    EXPECT_TRUE(ImportGrid(&g, b)) << entry.path();
    FuzzOnce(b);
    for (size_t cut = 0; cut < b.size(); cut += 7) FuzzOnce(ByteSet(b.begin(), b.begin() + cut));
    for (size_t at = 0; at + 4 <= std::min<size_t>(b.size(), 2000); at += 4) {
      for (uint32_t v : {0x7FFFFFFFu, 0xFFFFFFFFu, 1000000u, 0x80000000u}) {
        ByteSet bad = b;
        for (int i = 0; i < 4; ++i) bad[at + i] = static_cast<uint8_t>(v >> (8 * i));
        FuzzOnce(bad);
      }
    }
    ++files;
  }
  EXPECT_GE(files, 3);
}

}  // namespace
