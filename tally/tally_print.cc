// Printing and previewing the tally sheet under its title.
#include "common/dates.h"
#include "common/grid/grid_ops.h"
#include "common/text.h"
#include "tally/tally_commands.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;

void SetTallyPrintTitle() {
  SetGridPrintTitle(W::TallyGrid, TallyPrintTitle(), "微软雅黑", 25, true, 2);
}

}  // namespace

std::string TallyPrintTitle() {
  const DateTime date = GetDatePart(ui::GetDate(W::SheetDatePicker));
  return "钢管出入库码单（" + ui::GetText(W::UnitNameBox) + ToText(date) + ")";
}

void TallyWindow_OnPrintClick() {
  SetTallyPrintTitle();
  PrintGrid(W::TallyGrid);
}

void TallyWindow_OnPrintPreviewClick() {
  SetTallyPrintTitle();
  PrintPreviewGrid(W::TallyGrid);
}
