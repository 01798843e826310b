// Closing the tally window: the check whether the tally on screen is saved, saving it, and
// storing the handling-fee price for the next start.
#include <cmath>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_file.h"
#include "common/grid/grid_ops.h"
#include "common/ini.h"
#include "common/message_box.h"
#include "common/quantities.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "tally/tally_compute.h"
#include "tally/tally_records.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;
constexpr ui::GridRef G = W::TallyGrid;

Value Field(const RecordField& field) { return ReadField(field.name); }

// The current record holds the tally on screen: same date text, metres and fasteners.
bool CurrentRecordMatches(const std::string& sheet_date) {
  return ToText(Field(kTallyDate)) == sheet_date &&
         std::fabs(LastTotalMetres - ToNumber(Field(kTallyMetres))) <= kTolerance &&
         std::fabs(LastFastenerCount - ToNumber(Field(kTallyFasteners))) <= kTolerance;
}

bool TallyIsSaved() {
  const std::string sheet_date = ToText(GetDatePart(ui::GetDate(W::SheetDatePicker)));
  bool saved = false;
  const int n = GetRecordCount();
  for (int i = 0; i < n; ++i) {
    if (CurrentRecordMatches(sheet_date)) saved = true;
    SkipRecords();
  }
  return saved;
}

// The grid's save file as bytes, through the temporary file "1.tmp". When that file cannot be
// written (or there is no temporary folder of the user's own) the bytes are made in memory, so
// that an earlier tally's file left behind is never stored in place of the tally on screen.
ByteSet ExportedGridBytes() {
  const std::string folder = GetSpecialFolder(11);
  ByteSet bytes;
  if (!folder.empty() && ExportGridToFile(G, folder + "1.tmp")) {
    bytes = ReadFileToBinary(folder + "1.tmp");
  }
  if (bytes.empty()) ExportGrid(ui::Grid(G), &bytes);
  return bytes;
}

void AppendTally(const std::string& date, const ByteSet& grid, int fastener_row, int fastener_col,
                 bool single) {
  AppendRecord({date, grid, ToNumber(GetGridCellData(G, fastener_row, fastener_col)),
                LastTotalMetres, single, ui::GetText(W::UnitNameBox)});
}

}  // namespace

void TallyWindow_OnDestroy() {
  GoToRecord(1);
  RecomputeTally();
  const bool saved = TallyIsSaved();
  const bool anything = LastTotalMetres > kTolerance || !ui::GetText(W::FastenerCountBox).empty();
  if (!saved && anything && ShowMessageBox("是否需要保存码单。", kMbOkCancel) == kIdOk) {
    SaveTallyRecord();
  }
  WriteIniItem(SettingsFilePath(), "config", "价格", ui::GetText(W::HandlingFeeBox));
}

void SaveTallyRecord() {
  RecomputeTally();
  const ByteSet grid = ExportedGridBytes();
  if (ui::GetChecked(W::DoubleLayoutOption)) {
    AppendTally(ToText(GetDatePart(GetCurrentDateTime())), grid, 27, 4, false);
  }
  if (ui::GetChecked(W::SingleLayoutOption)) {
    AppendTally(ToText(GetGridCellData(G, 54, 2)), grid, 54, 1, true);
  }
}
