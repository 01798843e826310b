#pragma once
// One run of the grid save file fuzzer, callable from tests: the bytes are read as a save
// file; when accepted, the grid is written and read again and must come back the same
// (aborts otherwise).
#include <cstddef>
#include <cstdint>

void FuzzGridFile(const uint8_t* data, size_t size);
