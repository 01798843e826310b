#pragma once
// The platform of the programs: Qt widgets on the desktop.
#include <QApplication>
#include <memory>
#include <string>

#include "common/platform.h"
#include "platform/qt/qt_backend.h"

namespace qtp {

// Makes the QApplication of the process when there is none yet (argc/argv must outlive it)
// and sets it up for the programs: windows are ended by the framework, not by Qt; Qt's own
// dialogs and buttons speak Chinese (Qt's translations, when installed); freed memory is
// kept (KeepFreedMemory).
QApplication* StartApplication(int& argc, char** argv);
// Memory the program frees stays with it for its next use, up to 64 MB, instead of going
// back to the system at once, and blocks below 32 MB come from that kept memory. Each page
// the program touches for the first time costs a trap into the system (some 10 µs on a
// virtual machine): a window of 10,000 rows closed and a statement of 20,000 rows made next
// would otherwise spend more time in those traps than in its cells.
void KeepFreedMemory();
// File names on disk are UTF-8. Where the desktop's character locale is not (no LANG at all,
// LANG=C), the programs started for us — the browser behind a local page — would read them
// as another code and open the wrong file; they are given the C.UTF-8 character type.
void GiveStartedProgramsUtf8FileNames();

// Message boxes, folder browser, programs, web pages and the clock through Qt; the windows
// through QtBackend. A QApplication must exist while it is used.
class QtPlatform : public Platform {
 public:
  // Shows a QMessageBox with the buttons and icon of the flags; the raw id of the button.
  int MessageBox(const std::string& text, int flags, const std::string& title) override;
  // The folder chosen in Qt's own folder dialog (path editable), "" when cancelled.
  std::string BrowseForFolder(const std::string& title, bool list_files) override;
  // Starts the command line's program (no shell); waiting, returns when it has ended.
  bool RunProgram(const std::string& command_line, bool wait, int window_mode) override;
  // Opens the address (a web address or a local file) with the desktop's handler.
  void OpenWebPage(const std::string& address) override;
  // Local time now, whole seconds.
  DateTime Now() override;
  ui::Backend& Windows() override { return backend_; }

 private:
  QtBackend backend_;
};

// The buttons of a message box's flags (low nibble), as QMessageBox standard buttons.
int MessageBoxButtons(int flags);
// The raw button id (1 OK ... 7 No) of a QMessageBox standard button; 2 (Cancel) for none.
int MessageBoxResult(int standard_button);
// The DateTime of a local date and time (days since 1899-12-30, seconds whole).
DateTime ToDateTime(const QDateTime& when);

}  // namespace qtp
