// Sounds: the WAV bytes go to a file that the desktop's player plays, never waited for.
#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include "common/files.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

// The first installed player: PulseAudio's, then ALSA's; "" when neither is there.
QString FindPlayer() {
  for (const char* name : {"paplay", "aplay"}) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return {};
}

bool WriteFile(const QString& path, const ByteSet& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

}  // namespace

void QtBackend::PlaySound(const ByteSet& wav, bool loop) {
  if (player_) {
    player_->disconnect();
    player_->kill();
    player_->waitForFinished(200);
    player_.reset();
  }
  const QString program = FindPlayer();
  if (wav.empty() || program.isEmpty()) return;
  // In the user's own temporary folder, where no one else can put a file or link first.
  const std::string folder = GetSpecialFolder(11);
  if (folder.empty()) return;
  sound_file_ = folder + S(QString("rent-sound-%1.wav").arg(QCoreApplication::applicationPid()));
  if (!WriteFile(Q(sound_file_), wav)) return;
  player_ = std::make_unique<QProcess>();
  player_->setProgram(program);
  player_->setArguments({Q(sound_file_)});
  if (loop) {
    QProcess* process = player_.get();
    // Again after each whole play; a player that fails is not restarted.
    QObject::connect(process, &QProcess::finished, process,
                     [process](int code, QProcess::ExitStatus status) {
                       if (code == 0 && status == QProcess::NormalExit) process->start();
                     });
  }
  player_->start();
}

}  // namespace qtp
