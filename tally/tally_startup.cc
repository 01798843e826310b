// Start-up of tallybench and the tally window's small handlers.
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/ini.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/table/templates.h"
#include "common/text.h"
#include "tally/tally_commands.h"
#include "tally/tally_compute.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;

constexpr const char* kCompanionName = "码单数据库.RDT";

// True when the last saved tally used the single layout (false when there is none).
bool LastSavedLayout() {
  GoToRecord(GetRecordCount());
  const Value single = ReadField(kTallySingleLayout.name);
  const bool* flag = std::get_if<bool>(&single);
  return flag && *flag;
}

// The stored template's sample tallies name companion blocks 1, 17 and 33, which lie past
// the end of the empty companion file; once saved tallies fill those blocks the samples would
// show (and, deleted, free) another tally's grid. A freshly written table therefore points
// its samples at no block.
void DetachSampleGrids() {
  for (int i = 1; i <= GetRecordCount(); ++i) {
    GoToRecord(i);
    ModifyRecord({std::monostate{}, ByteSet{}});
  }
}

void SelectLayoutOption(bool single) {
  ui::SetChecked(W::SingleLayoutOption, single);
  ui::SetChecked(W::DoubleLayoutOption, !single);
}

}  // namespace

bool LayoutIsSingle = false;
double LastTotalMetres = 0;
double LastFastenerCount = 0;

bool TallyFilesMayBeCompleted() {
  const std::string missing = MissingHalfOfTablePair(RunPath(kTallyTableFile), RunPath(kCompanionName));
  if (missing.empty()) return true;
  ShowMessageBox(MissingTableFileText(missing));
  return false;
}

void TallyWindow_OnCreated() {
  WriteIniItem(SettingsFilePath(), "版本号", "tallybench", "3.0");
  const bool fresh = !FileExists(RunPath(kTallyTableFile));
  WriteTemplateIfMissing(RunPath(kTallyTableFile), kTallyTableFile);
  WriteTemplateIfMissing(RunPath(kCompanionName), kCompanionName);
  if (OpenTable(RunPath(kTallyTableFile), "") && fresh) DetachSampleGrids();
  ui::SetText(W::HandlingFeeBox, ReadIniItem(SettingsFilePath(), "config", "价格"));
  // No recompute has run yet on this sheet.
  LastTotalMetres = 0;
  LastFastenerCount = 0;
  LayoutIsSingle = LastSavedLayout();
  SelectLayoutOption(LayoutIsSingle);
  BuildTallyGrid();
  ui::SetWindowVisible(W::self, true);
  SetGridPrintDatePosition(W::TallyGrid, 2);
}

void TallyWindow_OnResized() {
  ui::Rect r = ui::GetRect(W::TallyGrid);
  r.height = static_cast<int>(static_cast<double>(ui::GetClientHeight(W::self)) - 20);
  ui::SetRect(W::TallyGrid, r);
}

void TallyWindow_OnFastenerCountChanged() {
  const std::string count = ui::GetText(W::FastenerCountBox);
  if (ui::GetChecked(W::DoubleLayoutOption))
    SetGridCellData(W::TallyGrid, 27, 4, kCellContent, count);
  if (ui::GetChecked(W::SingleLayoutOption))
    SetGridCellData(W::TallyGrid, 54, 1, kCellContent, count);
}

void TallyWindow_OnComputeClick() { RecomputeTally(); }
void TallyWindow_OnSingleLayoutClick() { BuildTallyGrid(); }
void TallyWindow_OnDoubleLayoutClick() { BuildTallyGrid(); }
void TallyWindow_OnGridRightMouseUp() { TallyWindow_OnHelpClick(); }
