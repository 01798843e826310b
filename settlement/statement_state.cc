#include "settlement/statement_state.h"

#include "common/dates.h"
#include "common/text.h"
#include "settlement/settlement_window.h"

DateTime SettlementStartDate() { return ui::GetDate(SettlementWindow::日期框1); }

DateTime SettlementEndDate() { return ui::GetDate(SettlementWindow::日期框2); }

SettlementPeriod ShownSettlementPeriod() {
  const DateTime start = SettlementStartDate();
  return {start, GetDatePart(start), GetDatePart(SettlementEndDate())};
}

bool InSettlementPeriod(DateTime docket_date) { return ShownSettlementPeriod().Holds(docket_date); }

std::string AmountText(double v) { return ToText(RoundNumber(v, 2)); }
