// rentdesk: the rental ledger.
#include "common/platform.h"
#include "ledger/program_entry.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  int code = ProgramEntry();
  InstallPlatform(nullptr);
  return code;
}
