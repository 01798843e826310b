#include "common/assets.h"

#include <cstddef>

namespace rent_assets_data {
struct Entry {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};
extern const Entry kEntries[];
}  // namespace rent_assets_data

std::basic_string_view<unsigned char> FindAsset(std::string_view name) {
  for (const auto* e = rent_assets_data::kEntries; e->name; ++e)
    if (name == e->name) return {e->data, e->size};
  return {};
}
