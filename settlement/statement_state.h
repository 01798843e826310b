#pragma once
// The values a settlement run shares with the statement builders: the contract's rates, the
// balances on rent when the period begins, the running rent and the last grid row written.
#include <array>
#include <string>

#include "common/quantities.h"
#include "common/value.h"

struct ContractRatesValue {
  std::array<float, kMaterialCount> rent{};  // per metre or set and day
  double missing_screw_price = 0;            // per missing screw
  double wash_price = 0;                     // per returned fastener set
};

// The rates of the contract being settled.
extern ContractRatesValue ContractRates;
// Each material's signed quantity over the dockets dated before the start day.
extern std::array<double, kMaterialCount> BalancesBeforePeriod;
// The rent of the statement so far.
extern double RentTotal;
// The index of the last statement grid row written so far.
extern int StatementRow;

// The start and end dates the settlement window shows.
DateTime SettlementStartDate();
DateTime SettlementEndDate();
// True when the docket date lies between the start day and the end day, both included.
bool InSettlementPeriod(DateTime docket_date);
// An amount, count or price as a statement row shows it: rounded to 2 places, as text.
std::string AmountText(double v);
