#include "ledger/program_entry.h"

#include <cstdlib>

#include "common/platform.h"
#include "common/ui/ui.h"
#include "ledger/main_window.h"
#include "ledger/program_state.h"

namespace {
// The exit clean-up also runs when the program ends by exit() from anywhere.
void RegisterExitCleanUp() {
  static const bool registered = std::atexit(ReleaseGlobalsAtExit) == 0;
  (void)registered;
}
}  // namespace

int ProgramEntry() {
  ui::SetBackend(&CurrentPlatform().Windows());
  RegisterExitCleanUp();
  if (!ContractFilesMayBeCompleted()) return 1;
  ui::LoadStartWindow(MainWindow::Decl());
  ui::RunMessageLoop();
  ReleaseGlobalsAtExit();
  return 0;
}

void ReleaseGlobalsAtExit() {
  if (CompanyName) CompanyName.reset();
  if (UserName) UserName.reset();
  if (PickedContract.name) PickedContract.name.reset();
}
