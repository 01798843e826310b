#include "common/table/gbk_codec.h"

#include <iconv.h>

#include <cerrno>

namespace table_internal {
namespace {

// One iconv conversion state, opened once per direction.
class Converter {
 public:
  // drop_tail: a sequence cut off at the end of the input is dropped, not replaced.
  Converter(const char* to, const char* from, bool drop_tail)
      : cd_(iconv_open(to, from)), drop_tail_(drop_tail) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  // Converts in; on a byte it cannot convert, appends bad and skips skip(in) bytes.
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view bad, Skip skip) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[256];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<size_t>(dst - buf));
      if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
      if (errno == EINVAL && drop_tail_) break;
      size_t n = skip(std::string_view(src, left));
      if (n == 0) break;
      out.append(bad);
      src += n;
      left -= n;
    }
    return out;
  }

 private:
  iconv_t cd_;
  bool drop_tail_;
};

// Length of the UTF-8 sequence that starts s (1 for a stray byte).
size_t Utf8SequenceLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return n <= s.size() ? n : s.size();
}

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);  // the same bytes in both
  thread_local Converter conv("GBK", "UTF-8", false);
  return conv.Run(utf8, "?", Utf8SequenceLength);
}

std::string GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  thread_local Converter conv("UTF-8", "GBK", true);
  // A lead byte with no trail at the end is dropped (EINVAL ends the loop).
  return conv.Run(gbk, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

}  // namespace table_internal
