#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <string.h>

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

void GiveStartedProgramsUtf8FileNames() {
  const char* all = getenv("LC_ALL");
  const char* ctype = all && *all ? all : getenv("LC_CTYPE");
  if (!(ctype && *ctype)) ctype = getenv("LANG");
  if (!(ctype && *ctype)) ctype = "C";
  const locale_t probe = newlocale(LC_CTYPE_MASK, ctype, static_cast<locale_t>(0));
  const bool utf8 = probe && strcmp(nl_langinfo_l(CODESET, probe), "UTF-8") == 0;
  if (probe) freelocale(probe);
  if (utf8) return;
  setenv(all && *all ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
}

QApplication* StartApplication(int& argc, char** argv) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) {
    GiveStartedProgramsUtf8FileNames();
    app = new QApplication(argc, argv);
  }
  app->setQuitOnLastWindowClosed(false);  // windows end when the framework destroys them
  SpeakChinese(app);
  return app;
}

}  // namespace qtp
