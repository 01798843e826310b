// rentdesk: the rental ledger.
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  InstallPlatform(nullptr);
  return 0;
}
