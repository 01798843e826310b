#include "common/table/field_codec.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "common/text.h"

namespace table_internal {
namespace tf = table_format;
namespace {

template <typename T>
T Load(const uint8_t* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <typename T>
void Store(uint8_t* p, T v) {
  std::memcpy(p, &v, sizeof v);
}

// A number of any stored kind, kept exact for the integers.
struct Number {
  bool is_float = false;  // a single-precision value (6 significant digits into a double)
  bool integral = false;
  int64_t i = 0;
  double d = 0;
};

bool ToNumber(const Value& v, Number* n) {
  return std::visit(
      [n](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, bool> || std::is_integral_v<T>) {
          n->integral = true;
          n->i = static_cast<int64_t>(x);
          n->d = static_cast<double>(x);
          return true;
        } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
          n->is_float = std::is_same_v<T, float>;
          n->d = x;
          return true;
        } else if constexpr (std::is_same_v<T, DateTime>) {
          n->d = x.days;
          return true;
        } else {
          return false;
        }
      },
      v);
}

// Truncates toward zero into T, clamped to its range (NaN gives 0).
template <typename T>
T ToInteger(const Number& n) {
  if (n.integral) {
    if (n.i < static_cast<int64_t>(std::numeric_limits<T>::min()))
      return std::numeric_limits<T>::min();
    if (n.i > static_cast<int64_t>(std::numeric_limits<T>::max()))
      return std::numeric_limits<T>::max();
    return static_cast<T>(n.i);
  }
  if (std::isnan(n.d)) return 0;
  double t = std::trunc(n.d);
  if (t <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (t >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(t);
}

// The double a number becomes: a float through its 6 significant decimal digits.
double ToDouble(const Number& n) {
  if (n.integral) return static_cast<double>(n.i);
  if (!n.is_float || !std::isfinite(n.d)) return n.d;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", n.d);
  return std::strtod(buf, nullptr);
}

float ToSingle(const Number& n) {
  double d = n.integral ? static_cast<double>(n.i) : n.d;
  if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
    return d > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  return static_cast<float>(d);
}

double ClampDate(double d) {
  if (std::isnan(d) || d < kEmptyDate) return kEmptyDate;
  return d > kLastDate ? kLastDate : d;
}

// Text bytes: a UTF-8 text becomes GBK, a byte set is taken as it is.
bool TextBytes(const Value& v, std::string* out) {
  if (const auto* s = std::get_if<std::string>(&v)) {
    *out = ToGbk(*s);
    return true;
  }
  if (const auto* b = std::get_if<ByteSet>(&v)) {
    out->assign(b->begin(), b->end());
    return true;
  }
  return false;
}

bool EncodeText(const tf::Field& f, const Value& v, uint8_t* p) {
  std::string gbk;
  if (!TextBytes(v, &gbk)) return false;
  std::memset(p, 0, static_cast<size_t>(f.width));
  std::memcpy(p, gbk.data(), std::min<size_t>(gbk.size(), static_cast<size_t>(f.width)));
  return true;
}

}  // namespace

Value DecodeField(const tf::Field& f, const uint8_t* record) {
  const uint8_t* p = record + f.offset;
  switch (f.type) {
    case tf::kByte:
      return Load<uint8_t>(p);
    case tf::kShort:
      return Load<int16_t>(p);
    case tf::kInt:
      return Load<int32_t>(p);
    case tf::kLong:
      return Load<int64_t>(p);
    case tf::kFloat:
      return Load<float>(p);
    case tf::kDouble:
      return Load<double>(p);
    case tf::kBool:
      return p[0] != 0;
    case tf::kDate:
      return DateTime{ClampDate(Load<double>(p))};
    case tf::kRoutine:
      return Load<uint32_t>(p);
    case tf::kText: {
      const char* s = reinterpret_cast<const char*>(p);
      return FromGbk(std::string_view(s, strnlen(s, static_cast<size_t>(f.width))));
    }
    default:
      return ZeroValue(f);
  }
}

Value ZeroValue(const tf::Field& f) {
  switch (f.type) {
    case tf::kByte:
      return uint8_t{0};
    case tf::kShort:
      return int16_t{0};
    case tf::kInt:
      return int32_t{0};
    case tf::kLong:
      return int64_t{0};
    case tf::kFloat:
      return 0.0f;
    case tf::kDouble:
      return 0.0;
    case tf::kBool:
      return false;
    case tf::kDate:
      return DateTime{0.0};
    case tf::kRoutine:
      return uint32_t{0};
    case tf::kBytes:
      return ByteSet{};
    default:
      return std::string{};
  }
}

bool EncodeField(const tf::Field& f, const Value& v, uint8_t* record) {
  uint8_t* p = record + f.offset;
  if (f.type == tf::kText) return EncodeText(f, v, p);
  Number n;
  if (!ToNumber(v, &n)) return false;
  switch (f.type) {
    case tf::kByte:
      Store(p, ToInteger<uint8_t>(n));
      return true;
    case tf::kShort:
      Store(p, ToInteger<int16_t>(n));
      return true;
    case tf::kInt:
      Store(p, ToInteger<int32_t>(n));
      return true;
    case tf::kLong:
      Store(p, ToInteger<int64_t>(n));
      return true;
    case tf::kRoutine:
      Store(p, ToInteger<uint32_t>(n));
      return true;
    case tf::kFloat:
      Store(p, ToSingle(n));
      return true;
    case tf::kDouble:
    case tf::kDate:
      Store(p, ToDouble(n));
      return true;
    case tf::kBool:
      p[0] = (n.integral ? n.i != 0 : n.d != 0) ? 1 : 0;
      return true;
    default:
      return false;
  }
}

bool ChainBytes(const tf::Field& f, const Value& v, ByteSet* out) {
  std::string bytes;
  if (!TextBytes(v, &bytes)) return false;
  if (f.type == tf::kBytes && std::holds_alternative<std::string>(v))
    bytes = std::get<std::string>(v);  // a text put into a byte set keeps its own bytes
  out->assign(bytes.begin(), bytes.end());
  return true;
}

Value ChainValue(const tf::Field& f, const ByteSet& bytes) {
  if (f.type == tf::kBytes) return bytes;
  if (bytes.empty()) return std::string{};
  const char* s = reinterpret_cast<const char*>(bytes.data());
  return FromGbk(std::string_view(s, strnlen(s, bytes.size())));
}

}  // namespace table_internal
