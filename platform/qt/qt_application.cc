#include "platform/qt/qt_platform.h"

namespace qtp {

QApplication* StartApplication(int& argc, char** argv) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);  // windows end when the framework destroys them
  return app;
}

}  // namespace qtp
