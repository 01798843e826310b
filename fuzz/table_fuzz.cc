// libFuzzer target: any bytes as a table file pair, opened and read whole.
#include "fuzz/table_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return table_fuzz::RunTableInput(data, size);
}
