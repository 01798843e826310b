#pragma once
// The typed values that pass between the record tables, the conversions and the windows.
// Texts are UTF-8 inside the programs; they become GBK only where they are stored.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Days since 1899-12-30 00:00, the time of day as the fraction. -657434 is the empty date.
struct DateTime {
  double days = 0;
  friend bool operator==(DateTime, DateTime) = default;
};
inline constexpr double kEmptyDate = -657434.0;
inline constexpr double kLastDate = 2958465.0;

// A length-counted block of bytes (a byte-set field, a whole file).
using ByteSet = std::vector<uint8_t>;

// One value of any of the types the programs pass around. monostate = an omitted value.
using Value = std::variant<std::monostate, bool, uint8_t, int16_t, int32_t, int64_t, uint32_t,
                           float, double, DateTime, std::string, ByteSet>;
