// Rounding half away from zero.
#include <cmath>
#include <iterator>

#include "common/text.h"

namespace {

// The whole number nearest v >= 0, halves up, after a 1e-12 nudge so that values stored just
// below a half (2.675 * 100) still go up.
double RoundHalfUp(double v) {
  double whole = 0;
  double fraction = std::modf(v + 1e-12, &whole);
  return fraction >= 0.5 ? whole + 1 : whole;
}

// 10 to the power n >= 0 (exact up to 1e22, as pow gives it).
double PowerOfTen(int n) {
  static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  return n < static_cast<int>(std::size(kExact)) ? kExact[n] : std::pow(10.0, n);
}

}  // namespace

double RoundNumber(double v, int places) {
  if (v == 0) return v;
  double magnitude = std::fabs(v);
  double r;
  if (places > 0) {
    double scale = PowerOfTen(places);
    r = RoundHalfUp(magnitude * scale) / scale;
  } else if (places == 0) {
    r = RoundHalfUp(magnitude);
  } else {
    double scale = PowerOfTen(-places);
    r = RoundHalfUp(magnitude / scale) * scale;
  }
  return std::copysign(r, v);
}
