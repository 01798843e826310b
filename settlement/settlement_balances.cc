#include "common/dates.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/settlement_run.h"
#include "settlement/statement_state.h"

void ComputeBalancesBeforePeriod(StatementBuilder* b) {
  b->BalancesBeforePeriod.fill(0);
  const double start_day = GetDatePart(SettlementStartDate()).days;
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    if (!(ToDateTime(ReadField(kDocketDate.number)).days < start_day)) continue;
    for (int m = 0; m < kMaterialCount; ++m) {
      b->BalancesBeforePeriod[m] += ToNumber(ReadField(kDocketQuantities[m].number));
    }
  }
}
