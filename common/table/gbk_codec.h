#pragma once
// The table engine's own conversions between the programs' UTF-8 and the stored GBK.
#include <string>
#include <string_view>

namespace table_internal {

// UTF-8 -> GBK; characters GBK lacks (and invalid UTF-8) become '?'.
std::string Utf8ToGbk(std::string_view utf8);
// GBK -> UTF-8; invalid bytes become U+FFFD, a lone lead byte at the end is dropped.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace table_internal
