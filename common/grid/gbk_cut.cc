#include "common/grid/gbk_cut.h"

#include <algorithm>

namespace grid_internal {

std::string CutGbk(std::string gbk, size_t n) {
  size_t end = 0;
  while (end < gbk.size()) {
    size_t len = static_cast<unsigned char>(gbk[end]) >= 0x81 ? 2 : 1;
    if (end + len > n) break;
    end += len;
  }
  gbk.resize(std::min(end, gbk.size()));
  return gbk;
}

}  // namespace grid_internal
