#include "settlement/statement_state.h"

#include "common/dates.h"
#include "common/text.h"
#include "settlement/settlement_window.h"

DateTime SettlementStartDate() { return ui::GetDate(SettlementWindow::日期框1); }

DateTime SettlementEndDate() { return ui::GetDate(SettlementWindow::日期框2); }

bool InSettlementPeriod(DateTime docket_date) {
  return GetDatePart(SettlementStartDate()).days <= docket_date.days &&
         docket_date.days <= GetDatePart(SettlementEndDate()).days;
}

std::string AmountText(double v) { return ToText(RoundNumber(v, 2)); }
