#pragma once
// The files stored with the programs (pictures, table templates), compiled in from assets/data.
#include <cstdint>
#include <string_view>
#include <vector>

// The bytes of the stored file of that name (as in assets/data), or an empty view when there is
// none.
std::basic_string_view<unsigned char> FindAsset(std::string_view name);
