// Values and texts as numbers.
#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <type_traits>
#include <variant>

#include "common/text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(const std::string& s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// The length of the decimal number at s[from]: sign, digits, fraction, exponent; 0 when none.
size_t NumberLength(const std::string& s, size_t from) {
  size_t i = from;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t int_end = SkipDigits(s, i);
  size_t end = int_end;
  if (end < s.size() && s[end] == '.') end = SkipDigits(s, end + 1);
  if (int_end == i && end <= int_end + 1) return 0;  // no digit before or after the point
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    size_t e = end + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    if (SkipDigits(s, e) > e) end = SkipDigits(s, e);
  }
  return end - from;
}

// strtod in the "C" locale (the program's locale may write decimals with a comma) of the
// number s[from, from + n). from_chars reads it alike (both round correctly); strtod reads
// what from_chars leaves (a number too large or too small for a double).
double ParseC(const std::string& s, size_t from, size_t n) {
  const char* first = s.data() + from;
  const char* last = first + n;
  double v = 0;
  const auto read = std::from_chars(*first == '+' ? first + 1 : first, last, v);
  if (read.ec == std::errc() && read.ptr == last) return v;
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(s.substr(from, n).c_str(), nullptr, c_locale);
}

// Full-width digits and signs (and the ideographic blank) all start with 0xEF or 0xE3.
bool HasFullWidth(const std::string& s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    return c == static_cast<char>(0xEF) || c == static_cast<char>(0xE3);
  });
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

double ToNumber(const std::string& v) {
  const bool full_width = HasFullWidth(v);
  const std::string half = full_width ? ToHalfWidth(v) : std::string();
  const std::string& s = full_width ? half : v;
  size_t from = 0;
  while (from < s.size() && IsBlank(s[from])) ++from;
  size_t n = NumberLength(s, from);
  return n == 0 ? 0.0 : ParseC(s, from, n);
}

double ToNumber(const Value& v) {
  return std::visit(
      [](const auto& x) -> double {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_arithmetic_v<T>) {
          return static_cast<double>(x);
        } else if constexpr (std::is_same_v<T, DateTime>) {
          return x.days;
        } else if constexpr (std::is_same_v<T, std::string>) {
          return ToNumber(x);
        } else {
          return 0.0;
        }
      },
      v);
}

double ToNumber(const char* v) { return v ? ToNumber(std::string(v)) : 0.0; }
float ToFloat(const char* v) { return static_cast<float>(ToNumber(v)); }
float ToFloat(const Value& v) { return static_cast<float>(ToNumber(v)); }
float ToFloat(const std::string& v) { return static_cast<float>(ToNumber(v)); }
double AbsoluteValue(double v) { return std::fabs(v); }
