#pragma once
// Cutting GBK texts for the fixed-width fields of the grid save file (internal to common/grid).
#include <string>
#include <string_view>

namespace grid_internal {

// The GBK text cut to at most n bytes without splitting a two-byte character.
std::string CutGbk(std::string gbk, size_t n);

}  // namespace grid_internal
