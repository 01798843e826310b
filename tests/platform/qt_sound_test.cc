// The Qt realisation's sound: the WAV file it hands to the desktop's player lies in the user's
// own temporary folder, never in a shared one.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "common/files.h"
#include "tests/common/scoped_variable.h"
#include "tests/common/scratch_folder.h"
#include "tests/platform/qt_fixture.h"

namespace {

class QtSoundTest : public qtest::QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    // A player that plays nothing, so that the sound is written out on any machine.
    ASSERT_EQ(mkdir(bin_.c_str(), 0700), 0);
    std::ofstream(bin_ + "/aplay") << "#!/bin/sh\nexit 0\n";
    ASSERT_EQ(chmod((bin_ + "/aplay").c_str(), 0700), 0);
  }
  ScratchFolder dir_;
  const std::string bin_ = dir_.File("bin");
  ScopedVariable path_{"PATH", bin_};
  ByteSet wav_ = {'R', 'I', 'F', 'F', 'W', 'A', 'V', 'E'};
};

TEST_F(QtSoundTest, TheSoundFileLiesInAFolderOnlyTheUserMayEnter) {
  ScopedVariable runtime("XDG_RUNTIME_DIR", dir_.path());
  ui::PlaySoundClip(wav_);
  const std::string file = dir_.File("rentdesk/rent-sound-") +
                           std::to_string(QCoreApplication::applicationPid()) + ".wav";
  EXPECT_EQ(ReadFileToBinary(file), wav_);
  struct stat st;
  ASSERT_EQ(lstat(dir_.File("rentdesk").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(QtSoundTest, WithoutAFolderOfTheUsersOwnNoSoundFileIsWritten) {
  const std::string shared = dir_.File("共享");
  ASSERT_EQ(mkdir(shared.c_str(), 0777), 0);
  ASSERT_EQ(symlink(shared.c_str(), dir_.File("rentdesk").c_str()), 0);
  ScopedVariable runtime("XDG_RUNTIME_DIR", dir_.path()), tmp("TMPDIR", dir_.File("无"));
  ui::PlaySoundClip(wav_);
  EXPECT_TRUE(std::filesystem::is_empty(shared));
}

}  // namespace
