// One material's section of the deduction statement: the balance brought forward, a row per
// docket of the period that moves the material, and the bold subtotal row.
#include <cmath>
#include <string>

#include "common/dates.h"
#include "common/text.h"
#include "settlement/deduction_statement.h"
#include "settlement/run_dockets.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {

struct Member {
  int kind;                    // index into the rates and balances
  const char* brought_label;   // on the balance brought forward
  const char* movement_label;  // on the docket rows
  const char* unit;
  const char* subtotal_label;
};

constexpr Member kPipe = {0, "钢 管", "钢 管", "米", "钢 管 小 计："};
constexpr Member kFastener = {1, "扣 件", "扣 件", "套", "扣 件 小 计："};
constexpr Member kJackBase = {2, "顶 托", "顶 托", "套", "顶 托 小 计："};
constexpr Member kIBeam = {3, "工字钢", "工 字 钢", "米", "工 字 钢 小 计："};

struct Section {
  int row = 0;
  double amount = 0;   // the sum of the unreduced amounts
  double on_rent = 0;  // quantity on rent after the last row
  double out_total = 0, in_total = 0;
  bool wrote = false;
  SettlementPeriod period;  // as the window shows it
  float rent = 0;
  std::string rent_text;  // the rent as its cells show it
  StatementDates dates;
};

// Writes the days, the amount and the rent of a row charged from `from` to the period's end.
double ChargeRow(int row, double quantity, DateTime from, const Section& s) {
  const int days = DaysBetween(from, s.period.last_day);
  PutCell(row, 7, days);
  const double amount = quantity * s.rent * days;
  PutCell(row, 8, RoundNumber(amount, 2));
  return amount;
}

void WriteBroughtForward(const Member& m, const StatementBuilder& b, Section* s) {
  const double balance = b.BalancesBeforePeriod[m.kind];
  if (!(balance > kTolerance)) return;
  const int row = ++s->row;
  PutText(row, 0, m.brought_label);
  PutText(row, 1, m.unit);
  PutText(row, 6, s->rent_text);
  PutText(row, 2, "之前合计");
  PutText(row, 3, ToText(balance));
  PutCell(row, 9, RoundNumber(balance, 2));
  s->amount += ChargeRow(row, balance, s->period.start, *s);
  s->on_rent = balance;
  s->wrote = true;
}

// The docket's row, when it moves the material.
void WriteMovement(const Member& m, const RunDocket& d, Section* s) {
  const double q = d.quantity[m.kind];
  if (std::fabs(q) <= kTolerance) return;
  const int row = ++s->row;
  PutText(row, 0, m.movement_label);
  PutText(row, 1, m.unit);
  PutText(row, 6, s->rent_text);
  s->amount += ChargeRow(row, q, d.date, *s);
  const bool out = d.out;
  PutText(row, out ? 2 : 4, s->dates.Text(d.date));
  PutText(row, out ? 3 : 5, QuantityText(d, m.kind));
  (out ? s->out_total : s->in_total) += q;
  s->on_rent += q;
  PutCell(row, 9, RoundNumber(s->on_rent, 2));
  s->wrote = true;
}

void WriteSubtotal(const Member& m, const Section& s, StatementBuilder* b) {
  const int row = s.row + 1;
  JoinRow(row, 0, 2);
  PutText(row, 0, m.subtotal_label);
  PutCell(row, 3, s.out_total + b->BalancesBeforePeriod[m.kind]);
  PutCell(row, 5, s.in_total);
  PutCell(row, 8, RoundNumber(s.amount, 2));
  PutCell(row, 9, RoundNumber(s.on_rent, 2));
  b->StatementRow = row;
  BoldRow(row);
  KeepWithNext(row - 1);  // a subtotal never starts a page alone
  b->RentTotal += s.amount;
}

void AppendSection(const Member& m, StatementBuilder* b) {
  Section s;
  s.row = b->StatementRow;
  s.period = ShownSettlementPeriod();
  s.rent = b->ContractRates.rent[m.kind];
  s.rent_text = ToText(s.rent);
  WriteBroughtForward(m, *b, &s);
  for (const RunDocket& d : b->Dockets) {
    if (s.period.Holds(d.date)) WriteMovement(m, d, &s);
  }
  if (s.wrote) WriteSubtotal(m, s, b);
}

}  // namespace

void AppendDeductionSectionPipe(StatementBuilder* b) { AppendSection(kPipe, b); }
void AppendDeductionSectionFastener(StatementBuilder* b) { AppendSection(kFastener, b); }
void AppendDeductionSectionJackBase(StatementBuilder* b) { AppendSection(kJackBase, b); }
void AppendDeductionSectionIBeam(StatementBuilder* b) { AppendSection(kIBeam, b); }
