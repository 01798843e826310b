// Values and texts as numbers.
#include <locale.h>
#include <stdlib.h>

#include <algorithm>
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

// strtod in the "C" locale (the program's locale may write decimals with a comma).
double ParseC(const std::string& number) {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(number.c_str(), nullptr, c_locale);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whether the text holds a byte of a multi-byte character (which ToHalfWidth may change).
bool HasWide(const std::string& v) {
  return std::any_of(v.begin(), v.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

double ToNumber(const std::string& v) {
  const bool wide = HasWide(v);
  const std::string half = wide ? ToHalfWidth(v) : std::string();
  const std::string& s = wide ? half : v;
  size_t from = 0;
  while (from < s.size() && IsBlank(s[from])) ++from;
  size_t n = NumberLength(s, from);
  return n == 0 ? 0.0 : ParseC(s.substr(from, n));
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
