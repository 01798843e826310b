#pragma once
// A fixture that puts the Qt platform in place for window tests and clears up after them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "common/ui/ui.h"
#include "platform/qt/qt_platform.h"

namespace qtest {

class QtWindowTest : public ::testing::Test {
 public:
  void SetUp() override {
    InstallPlatform(&platform_);
    ui::SetBackend(&platform_.Windows());
  }
  void TearDown() override {
    ui::ResetFramework();
    Settle();
    ui::SetBackend(nullptr);
    InstallPlatform(nullptr);
  }
  // Runs pending events and deletions.
  static void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Runs the event loop for ms milliseconds.
  static void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // The widget (or other Qt object) of a unit of an open window.
  template <ui::Kind K, typename T = QWidget>
  static T* WidgetOf(ui::Ref<K> ref) {
    ui::Unit* unit = ui::FindUnit(ref);
    return unit ? qobject_cast<T*>(static_cast<QObject*>(unit->realisation)) : nullptr;
  }
  static QWidget* WindowWidget(ui::WindowRef ref) {
    ui::Window* w = ui::FindWindow(ref);
    return w ? static_cast<QWidget*>(w->realisation) : nullptr;
  }

  qtp::QtPlatform platform_;
};

}  // namespace qtest
