// Rounding half away from zero.
#include <cmath>

#include "common/text.h"

namespace {

// The whole number nearest v >= 0, halves up, after a 1e-12 nudge so that values stored just
// below a half (2.675 * 100) still go up.
double RoundHalfUp(double v) {
  double whole = 0;
  double fraction = std::modf(v + 1e-12, &whole);
  return fraction >= 0.5 ? whole + 1 : whole;
}

}  // namespace

double RoundNumber(double v, int places) {
  if (v == 0) return v;
  double magnitude = std::fabs(v);
  double r;
  if (places > 0) {
    double scale = std::pow(10.0, places);
    r = RoundHalfUp(magnitude * scale) / scale;
  } else if (places == 0) {
    r = RoundHalfUp(magnitude);
  } else {
    double scale = std::pow(10.0, -places);
    r = RoundHalfUp(magnitude / scale) * scale;
  }
  return std::copysign(r, v);
}
