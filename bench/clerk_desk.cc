#include "bench/clerk_desk.h"

#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/ui/ui.h"
#include "platform/qt/qt_platform.h"
#include "platform/scripted/scripted_platform.h"

namespace {

[[noreturn]] void Stop(const std::string& why) {
  std::fprintf(stderr, "clerk_bench: %s\n", why.c_str());
  std::exit(1);
}

class ScriptedDesk : public Desk {
 public:
  const char* name() const override { return "scripted"; }
  void Install() override {
    InstallPlatform(&script_);
    ui::SetBackend(&script_);
  }
  void Uninstall() override {
    ui::ResetFramework();
    ui::SetBackend(nullptr);
    InstallPlatform(nullptr);
  }
  void ExpectBox(const std::string& text, int flags) override {
    script_.ExpectMessageBox(text, flags);
  }
  void AtNextWait(std::function<void()> fn) override { script_.Do(std::move(fn)); }
  void ClosePreviewWhenShown() override {}  // the scripted preview lays the pages out and returns
  void CatchUp() override {}
  void Check() override {
    try {
      script_.Verify();
    } catch (const ScriptFailure& f) {
      Stop(f.what());
    }
    // The pages of each preview, which the scripted desk records for tests, would otherwise
    // pile up (some 40 MB a preview of the largest contract) where the Qt desk frees them.
    script_.ForgetPrints();
  }

 private:
  ScriptedPlatform script_;
};

// The Qt platform with a clerk who presses OK in every message box at once.
class BenchQtPlatform : public qtp::QtPlatform {
 public:
  int MessageBox(const std::string& text, int flags, const std::string& title) override {
    shown.push_back(text);
    return 1;
  }
  std::vector<std::string> shown;
};

class QtDesk : public Desk {
 public:
  const char* name() const override { return "Qt"; }
  void Install() override {
    InstallPlatform(&platform_);
    ui::SetBackend(&platform_.Windows());
  }
  void Uninstall() override {
    ui::ResetFramework();
    CatchUp();
    ui::SetBackend(nullptr);
    InstallPlatform(nullptr);
  }
  void ExpectBox(const std::string& text, int flags) override { expected_.push_back(text); }
  void AtNextWait(std::function<void()> fn) override { QTimer::singleShot(0, std::move(fn)); }
  void ClosePreviewWhenShown() override {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) Stop("no print preview shows");
      dialog->grab();  // the pages in view painted
      dialog->reject();
    });
  }
  void CatchUp() override {
    for (int i = 0; i < 2; ++i) {
      QCoreApplication::sendPostedEvents();
      QApplication::processEvents();
    }
  }
  void Check() override {
    if (platform_.shown != expected_) {
      std::string shown;
      for (const std::string& s : platform_.shown) shown += " \"" + s + "\"";
      Stop("the Qt desk showed other message boxes:" + shown);
    }
    platform_.shown.clear();
    expected_.clear();
  }

 private:
  BenchQtPlatform platform_;
  std::vector<std::string> expected_;
};

}  // namespace

std::unique_ptr<Desk> MakeScriptedDesk() { return std::make_unique<ScriptedDesk>(); }

std::unique_ptr<Desk> MakeQtDesk() { return std::make_unique<QtDesk>(); }

namespace {
// The offscreen platform's notes on what it cannot do (raise a window ...) are no news here.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

void StartQt() {
  qInstallMessageHandler(QuietOffscreenNotes);
  static int argc = 1;
  static char name[] = "clerk_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qtp::StartApplication(argc, argv);
}
