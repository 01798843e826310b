// rentdesk: the rental ledger.
#include "common/platform.h"
#include "ledger/program_entry.h"
#include "ledger/window_openers.h"
#include "platform/qt/qt_platform.h"
#include "settlement/settlement_window.h"

int main(int argc, char** argv) {
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  RegisterSettlementWindowOpener(settlement::OpenSettlementWindow);
  int code = ProgramEntry();
  InstallPlatform(nullptr);
  return code;
}
