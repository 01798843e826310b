// libFuzzer target: any bytes as a settings file, an item written into it and read back.
#include <cstdio>
#include <cstdlib>

#include "fuzz/ini_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string broken = ini_fuzz::RunIniInput(data, size);
  if (!broken.empty()) {
    std::fprintf(stderr, "settings file: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
