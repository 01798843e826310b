#pragma once
// The tests' one QApplication, made on first use (offscreen when QT_QPA_PLATFORM says so).
#include "platform/qt/qt_platform.h"

inline void StartTestApplication() {
  static int argc = 1;
  static char name[] = "rentdesk_tests";
  static char* argv[] = {name, nullptr};
  qtp::StartApplication(argc, argv);
}
