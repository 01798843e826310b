#include "settlement/statement_grid.h"

#include <cmath>

#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "settlement/settlement_window.h"

namespace {
constexpr ui::GridRef kGrid = SettlementWindow::高级表格1;
constexpr int kBoldStyle = 1;
constexpr int kFontSize = 23;
constexpr const char* kFontFace = "微软雅黑";
}  // namespace

void PutCell(int row, int col, const Value& v) {
  SetGridCellData(kGrid, row, col, kCellContent, v);
}

void PutText(int row, int col, std::string text) {
  SetGridCellText(kGrid, row, col, std::move(text));
}

const std::string& CellText(int row, int col) { return GridCellText(kGrid, row, col); }

void JoinRow(int row, int col1, int col2) { JoinGridCells(kGrid, row, col1, row, col2); }

void BoldRow(int row) { SetGridFontStyle(kGrid, row, 0, row, kLastStatementColumn, kBoldStyle); }

void KeepWithNext(int row) { KeepGridRowWithNext(kGrid, row); }

int DaysBetween(DateTime start, DateTime end) {
  return static_cast<int>(std::trunc(DateTimeDifference(end, start, kDayUnit) + 1));
}

bool DocketIsOut() {
  const Value v = ReadField(kDocketDirection.number);
  const bool* out = std::get_if<bool>(&v);
  return out != nullptr ? *out : ToNumber(v) != 0;
}

const std::string& StatementDates::Text(DateTime d) {
  if (!(d.days == written_.days)) {
    written_ = d;
    written_text_ = ToText(d);
  }
  return written_text_;
}

DateTime StatementDates::Read(const std::string& text) {
  if (text != read_text_) {
    read_text_ = text;
    read_ = ToDateTime(text);
  }
  return read_;
}

void SetStatementFont(int last_row) {
  SetGridFontNameAndSize(kGrid, 0, 0, last_row, kLastStatementColumn, kFontFace, kFontSize);
}
