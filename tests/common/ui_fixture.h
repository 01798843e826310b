#pragma once
// A fixture for the window framework's tests: a scripted platform, a log that handlers
// write to, and running a body against the script.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ui/ui.h"
#include "platform/scripted/scripted_platform.h"

// What the test windows' handlers did, in order.
inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}
inline void Note(const std::string& what) { Log().push_back(what); }

// A test window's declaration (designated initialisers trip GCC 12's missing-field warning).
inline ui::WindowDecl TestWindow(const char* name, std::vector<ui::UnitDecl> units,
                                 std::vector<ui::Binding> bindings, bool hidden = false) {
  ui::WindowDecl d;
  d.name = name;
  d.rect = {0, 0, 400, 300};
  d.hidden = hidden;
  d.units = std::move(units);
  d.bindings = std::move(bindings);
  return d;
}

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override { Log().clear(); }
  // Runs body against the script; the failure text lands in failure_.
  bool Run(const std::function<void()>& body) { return RunScripted(script_, body, &failure_); }

  ScriptedPlatform script_;
  std::string failure_;
};
