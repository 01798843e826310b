// libFuzzer target: the grid save file reader.
#include <cstddef>
#include <cstdint>

#include "common/grid/grid_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzGridFile(data, size);
  return 0;
}
