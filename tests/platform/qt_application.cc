// The one QApplication of the platform tests (offscreen when QT_QPA_PLATFORM says so).
#include <gtest/gtest.h>

#include "platform/qt/qt_platform.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    qtp::StartApplication(argc, argv);
  }
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
