// tallybench: the steel-pipe tally tool.
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  InstallPlatform(nullptr);
  return 0;
}
