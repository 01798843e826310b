// One material's section of the cumulative statement. Phase 1 writes the rows (the balance
// brought forward and one row per docket of the period that moves the material); phase 2
// reads their start dates and quantities on rent back from the grid and charges each row
// up to the day before the next row starts; phase 3 writes the bold subtotal row.
#include <cmath>
#include <string>

#include "common/dates.h"
#include "common/text.h"
#include "settlement/cumulative_statement.h"
#include "settlement/run_dockets.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {

struct Member {
  int kind;  // index into the rates and balances
  const char* label;
  const char* unit;
  const char* subtotal_label;
};

constexpr Member kPipe = {0, "钢 管", "米", "钢 管 小 计"};
constexpr Member kFastener = {1, "扣 件", "套", "扣 件 小 计"};
constexpr Member kJackBase = {2, "顶 托", "套", "顶 托 小 计"};
constexpr Member kIBeam = {3, "工字钢", "米", "工字钢 小 计"};

struct Section {
  int row = 0;
  int n = 0;           // rows written
  double on_rent = 0;  // quantity on rent after the last row
  SettlementPeriod period;      // as the window shows it
  std::string rent_text;        // the rent as its cells show it
  StatementDates starts, ends;  // the dates of columns 5 and 6
};

// Starts a row: label, unit, direction and rent.
int StartRow(const Member& m, bool out, Section* s) {
  const int row = ++s->row;
  PutText(row, 0, m.label);
  PutText(row, 1, m.unit);
  PutText(row, 2, out ? "出库" : "入库");
  PutText(row, 8, s->rent_text);
  ++s->n;
  return row;
}

void WriteBroughtForward(const Member& m, const StatementBuilder& b, Section* s) {
  const double balance = b.BalancesBeforePeriod[m.kind];
  if (!(balance > kTolerance)) return;
  const int row = StartRow(m, true, s);
  PutText(row, 3, "之前合计");
  s->on_rent += balance;
  PutText(row, 4, ToText(s->on_rent));
  PutText(row, 5, ToText(s->period.start));
}

// The docket's row, when it moves the material.
void WriteMovement(const Member& m, const RunDocket& d, Section* s) {
  const double q = d.quantity[m.kind];
  if (std::fabs(q) <= kTolerance) return;
  const int row = StartRow(m, d.out, s);
  PutText(row, 3, QuantityText(d, m.kind));
  s->on_rent += q;
  PutText(row, 4, ToText(RoundNumber(s->on_rent, 2)));
  PutText(row, 5, s->starts.Text(d.date));
}

void WriteRows(const Member& m, const StatementBuilder& b, Section* s) {
  WriteBroughtForward(m, b, s);
  for (const RunDocket& d : b.Dockets) {
    if (s->period.Holds(d.date)) WriteMovement(m, d, s);
  }
}

// Fills in the end, days and amount of row r (the section's last row when last), which
// starts at `start` (the date its cell shows, read back); returns the amount. *next_start
// is the start the next row's cell shows.
double ChargeRow(const Member& m, const StatementBuilder& b, Section* s, int r, bool last,
                 DateTime start, DateTime* next_start) {
  if (!last) *next_start = s->starts.Read(CellText(r + 1, 5));
  const DateTime end = last ? s->period.last_day : AddToDateTime(*next_start, kDayUnit, -1);
  PutText(r, 6, s->ends.Text(end));
  const int days = DaysBetween(start, s->ends.Read(CellText(r, 6)));
  PutCell(r, 7, days);
  const double amount =
      RoundNumber(ToNumber(CellText(r, 4)) * b.ContractRates.rent[m.kind] * days, 2);
  PutCell(r, 9, amount);
  return amount;
}

void AppendSection(const Member& m, StatementBuilder* b) {
  Section s;
  s.row = b->StatementRow;
  s.period = ShownSettlementPeriod();
  s.rent_text = ToText(b->ContractRates.rent[m.kind]);
  WriteRows(m, *b, &s);
  double amount = 0;
  if (s.n > 0) {
    DateTime start = s.starts.Read(CellText(b->StatementRow + 1, 5));
    for (int j = 1; j <= s.n; ++j) {
      DateTime next_start;
      amount += ChargeRow(m, *b, &s, b->StatementRow + j, j == s.n, start, &next_start);
      start = next_start;
    }
    const int row = b->StatementRow + s.n + 1;
    PutCell(row, 9, amount);
    PutText(row, 0, m.subtotal_label);
    PutText(row, 4, ToText(RoundNumber(s.on_rent, 2)));
    BoldRow(row);
    KeepWithNext(row - 1);  // a subtotal never starts a page alone
    JoinRow(row, 0, 3);
    b->StatementRow = row;
  }
  b->RentTotal += amount;
}

}  // namespace

void AppendCumulativeSectionPipe(StatementBuilder* b) { AppendSection(kPipe, b); }
void AppendCumulativeSectionFastener(StatementBuilder* b) { AppendSection(kFastener, b); }
void AppendCumulativeSectionJackBase(StatementBuilder* b) { AppendSection(kJackBase, b); }
void AppendCumulativeSectionIBeam(StatementBuilder* b) { AppendSection(kIBeam, b); }
