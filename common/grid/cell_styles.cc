#include "common/grid/cell_styles.h"

#include <functional>
#include <string_view>

namespace {

void Mix(size_t* h, size_t v) { *h ^= v + 0x9E3779B97F4A7C15ull + (*h << 6) + (*h >> 2); }

size_t HashOf(const CellStyle& s) {
  size_t h = std::hash<std::string_view>()(
      std::string_view(reinterpret_cast<const char*>(s.picture.data()), s.picture.size()));
  Mix(&h, std::hash<std::string>()(s.font.face));
  for (int64_t v : {int64_t{s.font.height}, int64_t{s.font.weight}, int64_t{s.font.italic},
                    int64_t{s.font.underline}, int64_t{s.font.strikeout}, int64_t{s.font.charset},
                    int64_t{s.value}, int64_t{s.colour_a}, int64_t{s.colour_b}, int64_t{s.format},
                    int64_t{s.property_d}, int64_t{s.property_e}, int64_t{s.flag_f},
                    int64_t{s.state}, int64_t{s.has_font}}) {
    Mix(&h, static_cast<size_t>(v));
  }
  return h;
}

}  // namespace

uint32_t CellStyles::Number(CellStyle style) {
  if (style.IsFresh()) return 0;
  const size_t hash = HashOf(style);
  auto [first, last] = by_hash_.equal_range(hash);
  for (auto it = first; it != last; ++it) {
    if (styles_[it->second] == style) return it->second;
  }
  const auto number = static_cast<uint32_t>(styles_.size());
  styles_.push_back(std::move(style));
  by_hash_.emplace(hash, number);
  return number;
}

void CellStyles::Reset() {
  styles_.assign(1, CellStyle{});
  by_hash_.clear();
}
