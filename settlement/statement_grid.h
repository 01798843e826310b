#pragma once
// The statement grid of the settlement window, cell by cell.
#include <string>

#include "common/dates.h"
#include "common/text.h"
#include "common/value.h"

inline constexpr int kStatementColumns = 10;
inline constexpr int kLastStatementColumn = kStatementColumns - 1;
inline constexpr int kDayUnit = 5;

// Stores a text, a number or an integer into the statement cell.
void PutCell(int row, int col, const Value& v);
void PutText(int row, int col, std::string text);
// The text the statement cell shows, as the grid holds it: valid until the cell is written.
const std::string& CellText(int row, int col);
// Merges columns col1 to col2 of the row.
void JoinRow(int row, int col1, int col2);
// Makes the cells of the row bold.
void BoldRow(int row);
// Prints the row on the same page as the row below it.
void KeepWithNext(int row);
// The days from start to end, both counted (the fraction dropped toward zero).
int DaysBetween(DateTime start, DateTime end);
// Font size 23 and face "微软雅黑" for rows 0 to last_row.
void SetStatementFont(int last_row);
// Direction of the current docket: true for 出库 (out).
bool DocketIsOut();

// Dates written into statement cells and read back from them, one after another: the rows of
// one day follow each other, so the last date written (read) is remembered with its text.
class StatementDates {
 public:
  // ToText(d).
  const std::string& Text(DateTime d);
  // ToDateTime(text).
  DateTime Read(const std::string& text);

 private:
  DateTime written_{-1e300};
  std::string written_text_ = ToText(written_);
  std::string read_text_;
  DateTime read_ = ToDateTime(read_text_);
};
