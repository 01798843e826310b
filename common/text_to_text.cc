// Values as text.
#include <charconv>
#include <cmath>
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

// "%.13g" of a double nearest to a whole number of hundredths k below 1e11 in size: k's
// digits with the point before its last two and the zeros after the point dropped. (k has
// at most 13 significant digits, so the rounding to 13 digits gives k / 100 exactly.) False
// for other values.
bool HundredthsText(double v, std::string* out) {
  if (!(std::fabs(v) < 1e11) || v == 0) return false;
  const long long k = std::llround(v * 100);
  if (static_cast<double>(k) / 100 != v) return false;
  const unsigned long long a = k < 0 ? -static_cast<unsigned long long>(k) : k;
  char buf[24];
  char* end = std::to_chars(buf, buf + sizeof buf, a / 100).ptr;
  if (const int cents = static_cast<int>(a % 100); cents != 0) {
    *end++ = '.';
    *end++ = static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) *end++ = static_cast<char>('0' + cents % 10);
  }
  out->clear();
  if (k < 0) out->push_back('-');
  out->append(buf, end);
  return true;
}

}  // namespace

std::string ToText(double v) {
  std::string text;
  return HundredthsText(v, &text) ? text : General(v, 13);
}
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
