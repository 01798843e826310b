// The rows a settlement run writes around the statement body: the title texts, the rent
// subtotal, the optional missing-screw and fastener-wash charges, the amount due, the
// amount in capitals and the signature footer.
#include <cmath>
#include <string>

#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/program_texts.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/settlement_run.h"
#include "settlement/settlement_window.h"
#include "settlement/statement_grid.h"
#include "settlement/statement_state.h"

namespace {

using W = SettlementWindow;

constexpr int kCentred = 2;
constexpr int kChargeColumns = 7;  // a charge row merges columns 0-7; its figure stands in 8

// 20 blanks, 承租方签收：, 25 blanks, 签收日期：, 29 blanks, 租赁方：
const std::string kSignature = std::string(20, ' ') + "承租方签收：" + std::string(25, ' ') +
                               "签收日期：" + std::string(29, ' ') + "租赁方：";

// Advances StatementRow to the next row, growing the grid when the row lies beyond it.
int NextRow(StatementBuilder* b) {
  ++b->StatementRow;
  if (GetGridRowCount(W::高级表格1) <= b->StatementRow) {
    SetGridRowCount(W::高级表格1, b->StatementRow + 1);
  }
  return b->StatementRow;
}

void WriteTitleRow() {
  PutText(0, 0, "承租单位：" + ui::GetText(W::组合框1));
  PutText(0, 5,
          "结算日期：" + ToText(GetDatePart(SettlementStartDate())) + "至" +
              ToText(GetDatePart(SettlementEndDate())));
}

// A row of columns 0-7 holding the text and, in column 8, the amount to 2 places.
void WriteAmountRow(const std::string& text, double amount, StatementBuilder* b) {
  const int row = NextRow(b);
  JoinRow(row, 0, kChargeColumns);
  PutText(row, 0, text);
  PutCell(row, 8, RoundNumber(amount, 2));
}

// The sum over the period's dockets (returns only when returns_only) of |field|.
double PeriodSum(int field, bool returns_only) {
  double sum = 0;
  const int n = GetRecordCount();
  for (int i = 1; i <= n; ++i) {
    GoToRecord(i);
    if (!InSettlementPeriod(ToDateTime(ReadField(kDocketDate.number)))) continue;
    if (returns_only && DocketIsOut()) continue;
    sum += std::fabs(ToNumber(ReadField(field)));
  }
  return sum;
}

double AddMissingScrewCharge(StatementBuilder* b) {
  if (!ui::GetChecked(W::选择框1)) return 0;
  const int count = static_cast<int>(std::llround(PeriodSum(kDocketMissingScrews.number, false)));
  const double price = b->ContractRates.missing_screw_price;
  const double charge = count * price;
  if (std::fabs(charge) > kTolerance) {
    WriteAmountRow("缺螺丝赔偿：" + AmountText(charge) + "元 = 缺螺丝总数：" + ToText(count) +
                       "套  × 螺丝赔偿单价" + AmountText(price) + "元",
                   charge, b);
  }
  return charge;
}

double AddWashCharge(StatementBuilder* b) {
  if (!ui::GetChecked(W::选择框2)) return 0;
  const double sets = PeriodSum(kDocketFastenerQuantity.number, true);
  const double price = b->ContractRates.wash_price;
  const double charge = sets * price;
  if (std::fabs(charge) > kTolerance) {
    WriteAmountRow("扣件洗油费：" + AmountText(charge) + "元 = 扣件入库总数：" + AmountText(sets) +
                       "套  × 扣件洗油单价" + AmountText(price) + "元",
                   charge, b);
  }
  return charge;
}

// A row of columns first_col-9 whose first cell holds the text.
int WriteWideRow(int first_col, const std::string& text, StatementBuilder* b) {
  const int row = NextRow(b);
  JoinRow(row, first_col, kLastStatementColumn);
  PutText(row, 0, text);
  return row;
}

void WriteTotals(double total, StatementBuilder* b) {
  WriteWideRow(0, "本次应收合计：" + AmountText(total) + "元", b);
  const int row = WriteWideRow(1, "合计金额大写", b);
  PutText(row, 1, NumberToMoneyText(AbsoluteValue(RoundNumber(total, 2))));
  WriteWideRow(0, "制表：" + UserName.value_or("") + kSignature + CompanyName.value_or(""), b);
}

}  // namespace

void CompleteStatement(StatementBuilder* b) {
  SetGridAlignment(W::高级表格1, 1, 0, b->StatementRow, kLastStatementColumn, kCentred);
  WriteTitleRow();
  const int closing = b->StatementRow + 1;
  WriteAmountRow("租 金 小 计：" + AmountText(b->RentTotal) + "元", b->RentTotal, b);
  double total = b->RentTotal;
  total += AddMissingScrewCharge(b);
  total += AddWashCharge(b);
  WriteTotals(total, b);
  // From the rent subtotal to the signatures the rows print on one page.
  for (int row = closing; row < b->StatementRow; ++row) KeepWithNext(row);
  SetGridRowCount(W::高级表格1, b->StatementRow + 1);
  SetStatementFont(GetGridRowCount(W::高级表格1));
}
