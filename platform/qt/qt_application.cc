#include <langinfo.h>
#include <locale.h>
#include <malloc.h>
#include <stdlib.h>
#include <string.h>

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/qt/qt_platform.h"

namespace qtp {

namespace {
// The words of Qt's file icon provider that its Chinese translation leaves out: the type
// column of the folder dialog.
class FileTypeWords : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    static const struct {
      const char* source;
      const char* chinese;
    } kWords[] = {
        {"Drive", "驱动器"}, {"Folder", "文件夹"}, {"Shortcut", "快捷方式"}, {"Unknown", "未知"}};
    for (const auto& w : kWords) {
      if (qstrcmp(source, w.source) == 0) return QString::fromUtf8(w.chinese);
    }
    return {};
  }
};

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
  QCoreApplication::installTranslator(new FileTypeWords(app));
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

void KeepFreedMemory() {
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

QApplication* StartApplication(int& argc, char** argv) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) {
    KeepFreedMemory();
    GiveStartedProgramsUtf8FileNames();
    app = new QApplication(argc, argv);
  }
  app->setQuitOnLastWindowClosed(false);  // windows end when the framework destroys them
  SpeakChinese(app);
  return app;
}

}  // namespace qtp
