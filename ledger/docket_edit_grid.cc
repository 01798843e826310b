// The docket grid: loading it from the sorted copy, and the sign rules of the quantities.
#include <array>
#include <string>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/quantities.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/docket_edit.h"

namespace {

using W = DocketEditWindow;

constexpr const char* kOut = "出库";
constexpr const char* kReturn = "入库";

constexpr std::array<const char*, kDocketEditColumns> kHeaders = {
    "序号",     "单号",     "日期",       "出入库", "钢管米数",
    "扣件套数", "顶托套数", "工字钢米数", "差螺丝", "备注"};

// Column widths within the grid's 1024 pixels; the remark is the widest.
constexpr std::array<int, kDocketEditColumns> kWidths = {50,  80,  130, 80, 100,
                                                         100, 100, 100, 80, 180};

std::string Cell(int row, int col) { return GetGridCellData(W::高级表格1, row, col); }

void SetCell(int row, int col, const Value& v) {
  SetGridCellData(W::高级表格1, row, col, kCellContent, v);
}

bool IsQuantityColumn(int col) { return col >= kFirstQuantityColumn && col <= kLastQuantityColumn; }

// The column widths, types and the direction column's two choices.
void SetColumnKinds() {
  for (int c = 0; c < kDocketEditColumns; ++c) SetGridColumnWidth(W::高级表格1, c, kWidths[c]);
  SetGridColumnType(W::高级表格1, 1, 2);
  SetGridColumnType(W::高级表格1, 2, 3);
  SetGridColumnType(W::高级表格1, kDirectionColumn, 8);
  ClearGridChoiceList(W::高级表格1);
  AddGridChoiceItem(W::高级表格1, kDirectionColumn, kOut);
  AddGridChoiceItem(W::高级表格1, kDirectionColumn, kReturn);
}

// Row i from the current record, column n showing field n: the fields with their own types,
// the date as text.
void WriteDocketRow(int row) {
  SetCell(row, 0, row);
  SetCell(row, kDocketNumber.number, ReadField(kDocketNumber.number));
  const DateTime date = ToDateTime(ReadField(kDocketDate.number));
  SetCell(row, kDocketDate.number, ToText(GetDatePart(date)));
  const Value out = ReadField(kDocketDirection.number);
  const bool* is_out = std::get_if<bool>(&out);
  SetCell(row, kDirectionColumn, std::string(is_out != nullptr && *is_out ? kOut : kReturn));
  for (int field = kDocketPipeQuantity.number; field <= kDocketRemark.number; ++field)
    SetCell(row, field, ReadField(field));
}

// Negates the cell when it holds a quantity above the tolerance, keeping the text as typed.
void NegatePositive(int row, int col) {
  const std::string text = Cell(row, col);
  if (ToNumber(text) > kTolerance) SetCell(row, col, "-" + text);
}

// Drops the leading minus of a quantity below the tolerance.
void UnnegateNegative(int row, int col) {
  const std::string text = Cell(row, col);
  if (ToNumber(text) < -kTolerance) SetCell(row, col, TextRight(text, GetTextLength(text) - 1));
}

}  // namespace

// A stale copy from an earlier run is removed first: when the sort fails, no other
// contract's dockets can be taken for this one's.
void LoadSortedDocketsIntoGrid() {
  DeleteDiskFile(SortedDocketFile());
  SortTableToFile(SortedDocketFile(), {kDocketDate.name}, {true}, Durability::kScratch);
  OpenTable(SortedDocketFile(), SortedDocketAlias(), Durability::kScratch);
  const int records = GetRecordCount();
  SetGridRowCount(W::高级表格1, records + 1);
  SetGridColumnCount(W::高级表格1, GetFieldCount() + 1);
  for (int c = 0; c < kDocketEditColumns; ++c) SetCell(0, c, std::string(kHeaders[c]));
  SetColumnKinds();
  for (int i = 1; i <= records; ++i) {
    GoToRecord(i);
    WriteDocketRow(i);
  }
  SetGridAlignment(W::高级表格1, 0, 0, records + 1, GetFieldCount(), 2);
}

// The cell the clerk typed into: after an edit ended with Return the cursor already stands on
// the row below, so the cell comes from the event, not from the cursor.
void DocketEditWindow_OnGridCellChanged(const ui::EventArgs& args) {
  const int row = args.row;
  const int col = args.col;
  if (Cell(row, kDirectionColumn) == kReturn && IsQuantityColumn(col)) NegatePositive(row, col);
}

void DocketEditWindow_OnInOutChosen(const ui::EventArgs& args) {
  const bool to_return = args.text == kReturn;
  if (!to_return && args.text != kOut) return;
  for (int c = kFirstQuantityColumn; c <= kLastQuantityColumn; ++c) {
    if (to_return) NegatePositive(args.row, c);
    if (!to_return) UnnegateNegative(args.row, c);
  }
}
