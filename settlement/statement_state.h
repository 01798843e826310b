#pragma once
// What a settlement run shares with the statement builders while one statement is built: the
// contract's rates, its dockets, the balances on rent when the period begins, the running rent
// and the last grid row written. Every 结算 makes its own StatementBuilder and hands it to the
// heading, the sections and the closing rows in turn.
#include <array>
#include <string>
#include <vector>

#include "common/quantities.h"
#include "common/value.h"

struct ContractRatesValue {
  std::array<float, kMaterialCount> rent{};  // per metre or set and day
  double missing_screw_price = 0;            // per missing screw
  double wash_price = 0;                     // per returned fastener set
};

// A docket as the statements read it: the run reads each docket of the current table once
// (run_dockets.h) for the balances and the four sections.
struct RunDocket {
  int record = 0;  // its record number in the current table
  DateTime date;
  bool out = false;                               // 出库 (read for the dockets of the period)
  std::array<double, kMaterialCount> quantity{};  // signed, as numbers
  unsigned plain = 0;  // bit m: quantity m shows as ToText of its number (else read again)
};

struct StatementBuilder {
  // The rates of the contract being settled.
  ContractRatesValue ContractRates;
  // The current table's dockets dated before the start day or in the period, in record order.
  std::vector<RunDocket> Dockets;
  // Each material's signed quantity over the dockets dated before the start day.
  std::array<double, kMaterialCount> BalancesBeforePeriod{};
  // The rent of the statement so far; 0 before the first section.
  double RentTotal = 0;
  // The index of the last statement grid row written so far.
  int StatementRow = 0;
};

// The start and end dates the settlement window shows.
DateTime SettlementStartDate();
DateTime SettlementEndDate();

// The period the settlement window shows, read once for a pass over many dockets.
struct SettlementPeriod {
  DateTime start;                // the start date, time of day included
  DateTime first_day, last_day;  // the days of the start and end dates
  // True when the docket date lies between the first day and the last day, both included.
  bool Holds(DateTime docket_date) const {
    return first_day.days <= docket_date.days && docket_date.days <= last_day.days;
  }
};
SettlementPeriod ShownSettlementPeriod();
// True when the docket date lies between the start day and the end day, both included.
bool InSettlementPeriod(DateTime docket_date);
// An amount, count or price as a statement row shows it: rounded to 2 places, as text.
std::string AmountText(double v);
