#pragma once
// GBK conversion for the grid save file (internal to common/grid).
#include <string>
#include <string_view>

namespace grid_internal {

// UTF-8 -> GBK bytes; characters GBK lacks become '?'.
std::string Utf8ToGbk(std::string_view utf8);
// GBK bytes -> UTF-8; invalid bytes become U+FFFD, a lone lead byte at the end is dropped.
std::string GbkToUtf8(std::string_view gbk);
// The GBK text cut to at most n bytes without splitting a two-byte character.
std::string CutGbk(std::string gbk, size_t n);

}  // namespace grid_internal
