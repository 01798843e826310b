#include "common/dates.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/settlement_run.h"
#include "settlement/statement_state.h"

namespace {
constexpr int kDateField = 2;
constexpr int kFirstQuantityField = 4;
}  // namespace

void ComputeBalancesBeforePeriod(StatementBuilder* b) {
  b->BalancesBeforePeriod.fill(0);
  const double start_day = GetDatePart(SettlementStartDate()).days;
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    if (!(ToDateTime(ReadField(kDateField)).days < start_day)) continue;
    for (int m = 0; m < kMaterialCount; ++m) {
      b->BalancesBeforePeriod[m] += ToNumber(ReadField(kFirstQuantityField + m));
    }
  }
}
