#pragma once
// The desks clerk_bench drives the windows on: the scripted platform (what the tests see) and
// the Qt realisation (what the clerk sees; on the offscreen platform). A bench clerk answers
// every message box with OK.
#include <functional>
#include <memory>
#include <string>

class Desk {
 public:
  virtual ~Desk() = default;
  virtual const char* name() const = 0;
  // Makes this desk the platform and the windows' realisation.
  virtual void Install() = 0;
  virtual void Uninstall() = 0;
  // The next message box the program shows has this text; the clerk presses OK.
  virtual void ExpectBox(const std::string& text, int flags = 0) = 0;
  // Runs fn once the innermost modal window waits for the clerk.
  virtual void AtNextWait(std::function<void()> fn) = 0;
  // The print preview that is about to open is closed as soon as its first page shows.
  virtual void ClosePreviewWhenShown() = 0;
  // Lets the realisation catch up with the windows' model: relayout and paint what shows.
  virtual void CatchUp() = 0;
  // Stops the bench when the program showed other boxes than expected.
  virtual void Check() = 0;
};

std::unique_ptr<Desk> MakeScriptedDesk();
// Needs the QApplication (StartQt) first.
std::unique_ptr<Desk> MakeQtDesk();
// Makes the process's QApplication on the offscreen platform (unless another one is set).
void StartQt();
