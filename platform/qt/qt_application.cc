#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/qt/qt_platform.h"

namespace qtp {

namespace {
// Qt's own dialogs and buttons (message boxes, print preview, print and folder dialogs) speak
// Chinese, as the programs do, whatever the locale of the desktop.
void SpeakChinese(QApplication* app) {
  static bool done = false;
  if (done) return;
  done = true;
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  auto* qt = new QTranslator(app);
  if (qt->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  }
}
}  // namespace

QApplication* StartApplication(int& argc, char** argv) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);  // windows end when the framework destroys them
  SpeakChinese(app);
  return app;
}

}  // namespace qtp
