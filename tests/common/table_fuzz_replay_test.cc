// Replays every input of the table fuzz corpus through the fuzz entry, so the ordinary test
// run (with its sanitizers) covers them too.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/env.h"
#include "fuzz/table_fuzz_entry.h"

namespace {

TEST(TableFuzzReplayTest, EveryCorpusInputRunsCleanly) {
  std::filesystem::path dir = std::filesystem::path(RENT_SOURCE_DIR) / "fuzz/corpus/table";
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    ByteSet bytes;
    ASSERT_TRUE(ReadWholeFile(entry.path().string(), &bytes)) << entry.path();
    EXPECT_EQ(table_fuzz::RunTableInput(bytes.data(), bytes.size()), 0) << entry.path();
    ++inputs;
  }
  EXPECT_GE(inputs, 4);
}

TEST(TableFuzzReplayTest, CutAndFlippedTemplatesRunCleanly) {
  ByteSet seed;
  ASSERT_TRUE(
      ReadWholeFile(std::string(RENT_SOURCE_DIR) + "/fuzz/corpus/table/tally_chain", &seed));
  for (size_t cut = 0; cut < seed.size(); cut += 37) table_fuzz::RunTableInput(seed.data(), cut);
  for (size_t at = 0; at < seed.size(); ++at) {
    ByteSet b = seed;
    b[at] ^= 0xFF;
    table_fuzz::RunTableInput(b.data(), b.size());
  }
}

}  // namespace
