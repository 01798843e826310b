// Values as text.
#include <charconv>
#include <string>
#include <type_traits>
#include <variant>

#include "common/dates.h"
#include "common/text.h"

namespace {

// printf's "%.<digits>g" in the "C" locale, whatever locale the program runs in; a zero
// reads "0" whatever its sign (a return of an unpriced material costs 0, not -0).
template <typename T>
std::string General(T v, int digits) {
  if (v == 0) v = 0;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  return std::string(buf, r.ptr);
}

std::string BytesUpToNul(const ByteSet& bytes) {
  std::string s;
  for (uint8_t b : bytes) {
    if (b == 0) break;
    s.push_back(static_cast<char>(b));
  }
  return s;
}

}  // namespace

std::string ToText(double v) { return General(v, 13); }
std::string ToText(float v) { return General(v, 6); }
std::string ToText(int v) { return std::to_string(v); }
std::string ToText(bool v) { return v ? "真" : "假"; }
std::string ToText(DateTime v) { return DateTimeToText(v, 1); }
std::string ToText(const char* v) { return v ? v : ""; }
std::string ToText(const std::string& v) { return v; }

std::string ToText(const Value& v) {
  return std::visit(
      [](const auto& x) -> std::string {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          return "";
        } else if constexpr (std::is_same_v<T, ByteSet>) {
          return BytesUpToNul(x);
        } else if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
          return std::to_string(x);
        } else {
          return ToText(x);
        }
      },
      v);
}
