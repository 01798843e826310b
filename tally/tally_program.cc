// tallybench's entry.
#include "tally/tally_program.h"

#include "common/table/table.h"
#include "tally/tally_window.h"

int TallybenchEntry() {
  if (!TallyFilesMayBeCompleted()) return 1;
  if (!ui::LoadStartWindow(TallyWindowDecl())) return 1;
  ui::RunMessageLoop();
  CloseAllTables();
  return 0;
}
