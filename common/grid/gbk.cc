#include "common/grid/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace grid_internal {
namespace {

// The length of the UTF-8 sequence that starts with lead (1 for a stray byte).
size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Converts in with iconv; a byte sequence it cannot take is skipped and replaced by bad.
// skip gives the length of the sequence to skip; a truncated sequence at the end is dropped.
template <class Skip>
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view bad,
                    Skip skip) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char* src = const_cast<char*>(in.data());
  size_t left = in.size();
  char buf[256];
  while (left > 0) {
    char* dst = buf;
    size_t room = sizeof buf;
    size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<size_t>(dst - buf));
    if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
    if (errno == EINVAL) break;
    size_t n = std::min(left, skip(static_cast<unsigned char>(*src)));
    out.append(bad);
    src += n;
    left -= n;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  return Convert("GBK", "UTF-8", utf8, "?", Utf8Length);
}

std::string GbkToUtf8(std::string_view gbk) {
  return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](unsigned char) { return size_t{1}; });
}

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
