// tallybench: the steel-pipe tally tool.
#include "platform/qt/qt_platform.h"
#include "tally/tally_program.h"

int main(int argc, char** argv) {
  qtp::StartApplication(argc, argv);
  qtp::QtPlatform platform;
  InstallPlatform(&platform);
  const int code = TallybenchEntry();
  InstallPlatform(nullptr);
  return code;
}
