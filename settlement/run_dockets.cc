#include "settlement/run_dockets.h"

#include <cmath>
#include <type_traits>
#include <variant>

#include "common/dates.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/statement_grid.h"

namespace {

// True when ToText of the value is ToText of its number: a double, or a whole number of a
// size that "%.13g" writes in full.
bool ShowsAsItsNumber(const Value& v) {
  return std::visit(
      [](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, double>) {
          return true;
        } else if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
          return std::fabs(static_cast<double>(x)) < 1e13;
        } else {
          return false;
        }
      },
      v);
}

}  // namespace

std::vector<RunDocket> ReadRunDockets(const SettlementPeriod& period) {
  std::vector<RunDocket> dockets;
  const int n = GetRecordCount();
  dockets.reserve(n);
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    RunDocket d;
    d.record = i;
    d.date = ToDateTime(ReadField(kDocketDate.number));
    const bool in_period = period.Holds(d.date);
    if (!in_period && !(d.date.days < period.first_day.days)) continue;
    for (int m = 0; m < kMaterialCount; ++m) {
      const Value v = ReadField(kDocketQuantities[m].number);
      d.quantity[m] = ToNumber(v);
      if (ShowsAsItsNumber(v)) d.plain |= 1u << m;
    }
    if (in_period) d.out = DocketIsOut();
    dockets.push_back(d);
  }
  return dockets;
}

std::string QuantityText(const RunDocket& d, int m) {
  if (d.plain & (1u << m)) return ToText(d.quantity[m]);
  GoToRecord(d.record);
  return ToText(ReadField(kDocketQuantities[m].number));
}
