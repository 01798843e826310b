#pragma once
// The seam between the programs and the desktop they run on. Everything the programs need
// of the operating system's user interface and processes goes through Platform; the Qt
// realisation serves the programs, the scripted one serves the tests.
#include <string>
#include <string_view>

#include "common/value.h"

namespace ui {
class Backend;  // windows, units and grids (common/ui)
}

class Platform {
 public:
  virtual ~Platform() = default;
  // Shows a modal message box; flags and result codes as the Windows message-box values
  // (buttons in the low nibble, icon 0x10/0x20/0x30/0x40); returns the raw button id:
  // 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
  virtual int MessageBox(const std::string& text, int flags, const std::string& title) = 0;
  // The folder the user chose, or "" when cancelled.
  virtual std::string BrowseForFolder(const std::string& title, bool list_files) = 0;
  // Starts a program (argv[0] is the first word of the command line). True when started.
  virtual bool RunProgram(const std::string& command_line, bool wait, int window_mode) = 0;
  // Opens the address in the desktop's browser.
  virtual void OpenWebPage(const std::string& address) = 0;
  // Local time now, whole seconds.
  virtual DateTime Now() = 0;
  // The window realisation.
  virtual ui::Backend& Windows() = 0;
};

// The platform in use; aborts when none was installed.
Platform& CurrentPlatform();
// Installs platform (not owned); nullptr uninstalls.
void InstallPlatform(Platform* platform);
// Local time now, whole seconds: the installed platform's clock, or the system's while none is
// installed (the record engine's own tests and tools run without a platform).
DateTime ClockNow();
