// GBK conversions and the byte counts made on them.
#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace {

// One iconv conversion, opened once per thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  // Converts in; on_bad(in, left, out) handles an invalid or unmappable sequence and returns
  // the bytes of input it consumed (0 ends the conversion).
  template <typename OnBad>
  std::string Run(std::string_view in, OnBad on_bad) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[1024];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<size_t>(dst - buf));
      if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
      size_t used = on_bad(std::string_view(src, left), errno, &out);
      if (used == 0) break;
      src += used;
      left -= used;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// The length of the well-formed UTF-8 sequence at the start of s, or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view s) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char c = at(0);
  if (c < 0x80) return 1;
  size_t n = c >= 0xC2 && c <= 0xDF   ? 2
             : c >= 0xE0 && c <= 0xEF ? 3
             : c >= 0xF0 && c <= 0xF4 ? 4
                                      : 0;
  if (n == 0 || s.size() < n) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((at(i) & 0xC0) != 0x80) return 0;
  }
  if (c == 0xE0 && at(1) < 0xA0) return 0;   // overlong
  if (c == 0xED && at(1) >= 0xA0) return 0;  // surrogate
  if (c == 0xF0 && at(1) < 0x90) return 0;   // overlong
  if (c == 0xF4 && at(1) >= 0x90) return 0;  // above U+10FFFF
  return n;
}

// Well-formed UTF-8 to GBK; characters GBK lacks become '?'.
std::string Utf8RunToGbk(std::string_view run) {
  thread_local Converter to_gbk("GBK", "UTF-8");
  return to_gbk.Run(run, [](std::string_view rest, int, std::string* out) {
    out->push_back('?');
    size_t n = Utf8SequenceLength(rest);
    return n == 0 ? size_t{1} : n;
  });
}

// The characters of a UTF-8 text; a byte that is not well-formed UTF-8 is one of its own.
std::vector<std::string_view> Utf8Units(std::string_view text) {
  std::vector<std::string_view> units;
  for (size_t i = 0; i < text.size();) {
    size_t n = std::max<size_t>(1, Utf8SequenceLength(text.substr(i)));
    units.push_back(text.substr(i, n));
    i += n;
  }
  return units;
}

}  // namespace

// Bytes that are not well-formed UTF-8 pass through unchanged: that is how a half character
// cut off by TextRight is kept, so it comes back as the same GBK byte.
std::string ToGbk(std::string_view utf8) {
  std::string out;
  size_t run = 0, i = 0;
  while (i < utf8.size()) {
    size_t n = Utf8SequenceLength(utf8.substr(i));
    if (n > 0) {
      i += n;
      continue;
    }
    out += Utf8RunToGbk(utf8.substr(run, i - run));
    out.push_back(utf8[i]);
    run = ++i;
  }
  return out + Utf8RunToGbk(utf8.substr(run));
}

std::string FromGbk(std::string_view gbk) {
  thread_local Converter from_gbk("UTF-8", "GBK");
  return from_gbk.Run(gbk, [](std::string_view, int error, std::string* out) {
    if (error == EINVAL) return size_t{0};  // a lone lead byte at the end
    out->append("\xEF\xBF\xBD");
    return size_t{1};
  });
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    size_t n = Utf8SequenceLength(text.substr(i));
    if (n == 0) return false;
    i += n;
  }
  return true;
}

int GetTextLength(const std::string& text) { return static_cast<int>(ToGbk(text).size()); }

// Whole characters are taken from the end while they fit; when the cut falls inside a
// character, its second byte is kept as a raw byte in front (see ToGbk), so ToGbk of the
// result is exactly the last n GBK bytes of the text.
std::string TextRight(const std::string& text, int n) {
  if (n <= 0) return "";
  std::vector<std::string_view> units = Utf8Units(text);
  size_t left = static_cast<size_t>(n), from = units.size();
  while (from > 0 && left > 0) {
    std::string gbk = ToGbk(units[from - 1]);
    if (gbk.size() > left) {
      std::string rest;
      for (size_t i = from; i < units.size(); ++i) rest += units[i];
      return gbk.substr(gbk.size() - left) + rest;
    }
    left -= gbk.size();
    --from;
  }
  return text.substr(from == 0 ? 0 : units[from].data() - text.data());
}

std::string ToHalfWidth(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char a = text[i], b = i + 1 < text.size() ? text[i + 1] : 0,
                  c = i + 2 < text.size() ? text[i + 2] : 0;
    if (a == 0xEF && b == 0xBC && c >= 0x81 && c <= 0xBF) {
      out.push_back(static_cast<char>(c - 0x81 + 0x21));
    } else if (a == 0xEF && b == 0xBD && c >= 0x80 && c <= 0x9E) {
      out.push_back(static_cast<char>(c - 0x80 + 0x60));
    } else if (a == 0xE3 && b == 0x80 && c == 0x80) {
      out.push_back(' ');
    } else {
      out.push_back(static_cast<char>(a));
      continue;
    }
    i += 2;
  }
  return out;
}

std::string TextWithinBytes(const std::string& text, int n) {
  if (n < 0) return text;
  size_t left = static_cast<size_t>(n), end = 0;
  for (std::string_view unit : Utf8Units(text)) {
    const size_t bytes = ToGbk(unit).size();
    if (bytes > left) break;
    left -= bytes;
    end += unit.size();
  }
  return text.substr(0, end);
}
