#include "common/dates.h"
#include "settlement/settlement_run.h"
#include "settlement/statement_state.h"

void ComputeBalancesBeforePeriod(StatementBuilder* b) {
  b->BalancesBeforePeriod.fill(0);
  const double start_day = GetDatePart(SettlementStartDate()).days;
  for (const RunDocket& d : b->Dockets) {
    if (!(d.date.days < start_day)) continue;
    for (int m = 0; m < kMaterialCount; ++m) b->BalancesBeforePeriod[m] += d.quantity[m];
  }
}
