// Replays the settings file fuzz corpus, and cut and damaged copies of each input, through the
// fuzz entry, so the ordinary test run (with its sanitizers) holds its rules too.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/env.h"
#include "fuzz/ini_fuzz_entry.h"

namespace {

TEST(IniFuzzReplayTest, EveryCorpusInputAndItsDamagedCopiesKeepTheRules) {
  const std::filesystem::path dir = std::filesystem::path(RENT_SOURCE_DIR) / "fuzz/corpus/ini";
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    ByteSet seed;
    ASSERT_TRUE(ReadWholeFile(entry.path().string(), &seed)) << entry.path();
    EXPECT_EQ(ini_fuzz::RunIniInput(seed.data(), seed.size()), "") << entry.path();
    for (size_t cut = 0; cut < seed.size(); cut += 3) {
      EXPECT_EQ(ini_fuzz::RunIniInput(seed.data(), cut), "") << entry.path() << " cut " << cut;
    }
    for (size_t at = 0; at < seed.size(); ++at) {
      for (uint8_t flip : {0xFF, 0x20, 0x01}) {
        ByteSet b = seed;
        b[at] ^= flip;
        EXPECT_EQ(ini_fuzz::RunIniInput(b.data(), b.size()), "")
            << entry.path() << " byte " << at << " ^ " << int{flip};
      }
    }
    ++inputs;
  }
  EXPECT_GE(inputs, 5);
}

}  // namespace
