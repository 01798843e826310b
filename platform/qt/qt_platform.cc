#include "platform/qt/qt_platform.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

QMessageBox::Icon IconOf(int flags) {
  switch (flags & 0xF0) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The button that Escape and the close box stand for; the first one when there is no Cancel.
QMessageBox::StandardButton EscapeButtonOf(int buttons) {
  if (buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
  if (buttons & QMessageBox::Ignore) return QMessageBox::Ignore;
  if (buttons & QMessageBox::Ok) return QMessageBox::Ok;
  return QMessageBox::NoButton;  // Yes/No: one of them must be chosen
}

}  // namespace

int MessageBoxButtons(int flags) {
  using B = QMessageBox;
  switch (flags & 0x0F) {
    case 1:
      return B::Ok | B::Cancel;
    case 2:
      return B::Abort | B::Retry | B::Ignore;
    case 3:
      return B::Yes | B::No | B::Cancel;
    case 4:
      return B::Yes | B::No;
    case 5:
      return B::Retry | B::Cancel;
    default:
      return B::Ok;
  }
}

int MessageBoxResult(int standard_button) {
  switch (standard_button) {
    case QMessageBox::Ok:
      return 1;
    case QMessageBox::Abort:
      return 3;
    case QMessageBox::Retry:
      return 4;
    case QMessageBox::Ignore:
      return 5;
    case QMessageBox::Yes:
      return 6;
    case QMessageBox::No:
      return 7;
    default:
      return 2;
  }
}

DateTime ToDateTime(const QDateTime& when) {
  static const QDate kEpoch(1899, 12, 30);
  const QTime time = when.time();
  const int seconds = time.hour() * 3600 + time.minute() * 60 + time.second();
  return DateTime{static_cast<double>(kEpoch.daysTo(when.date())) + seconds / 86400.0};
}

int QtPlatform::MessageBox(const std::string& text, int flags, const std::string& title) {
  const int buttons = MessageBoxButtons(flags);
  QMessageBox box(IconOf(flags), Q(title), Q(text), QMessageBox::StandardButtons(buttons));
  box.setWindowModality(Qt::ApplicationModal);
  const QMessageBox::StandardButton escape = EscapeButtonOf(buttons);
  if (escape != QMessageBox::NoButton) box.setEscapeButton(escape);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  const int chosen = clicked ? static_cast<int>(box.standardButton(clicked)) : escape;
  return MessageBoxResult(chosen);
}

std::string QtPlatform::BrowseForFolder(const std::string& title, bool list_files) {
  QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
  if (!list_files) options |= QFileDialog::ShowDirsOnly;
  const QString chosen =
      QFileDialog::getExistingDirectory(nullptr, Q(title), QDir::homePath(), options);
  return S(chosen);
}

bool QtPlatform::RunProgram(const std::string& command_line, bool wait, int window_mode) {
  QStringList words = QProcess::splitCommand(Q(command_line));
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  if (!wait) return QProcess::startDetached(program, words);
  QProcess process;
  process.start(program, words);
  if (!process.waitForStarted(-1)) return false;
  process.waitForFinished(-1);
  return true;
}

void QtPlatform::OpenWebPage(const std::string& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(Q(address), QDir::currentPath()));
}

DateTime QtPlatform::Now() { return ToDateTime(QDateTime::currentDateTime()); }

}  // namespace qtp
