// The temporary grid files "1.tmp" and "2.tmp": they lie in a folder of the user's own; a tally
// is saved and reloaded whole even when they cannot be written, and a file left there by an
// earlier save or reload is never used in place of the tally at hand.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "common/env.h"
#include "common/grid/grid_file.h"
#include "tests/tally/tally_test_base.h"

namespace {

// The real file system, except that the two temporary grid files cannot be written.
class NoTempFilesEnv : public Env {
 public:
  explicit NoTempFilesEnv(std::string folder) : folder_(std::move(folder)) {}
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (mode != OpenMode::kRead && IsTempFile(path)) return nullptr;
    return PosixEnv()->Open(path, mode);
  }
  bool Exists(const std::string& path) override { return PosixEnv()->Exists(path); }
  bool IsDirectory(const std::string& path) override { return PosixEnv()->IsDirectory(path); }
  bool MakeDirectory(const std::string& path) override { return PosixEnv()->MakeDirectory(path); }
  bool Remove(const std::string& path) override { return PosixEnv()->Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return !IsTempFile(to) && PosixEnv()->Rename(from, to);
  }

 private:
  bool IsTempFile(const std::string& path) const {
    return path.rfind(folder_ + "/1.tmp", 0) == 0 || path.rfind(folder_ + "/2.tmp", 0) == 0;
  }
  std::string folder_;
};

class TallyTempFilesTest : public TallyTest {
 protected:
  void TearDown() override {
    SetCurrentEnv(nullptr);
    TallyTest::TearDown();
  }
  void SaveTally(int row, int col, const std::string& count) {
    script_.TypeCell(G, row, col, count);
    CloseAnswering(kPressOk);
    RunTallybench();
  }
  void DenyTempFiles() {
    env_ = std::make_unique<NoTempFilesEnv>(dir_ + "/rentdesk");
    SetCurrentEnv(env_.get());
  }
  std::unique_ptr<NoTempFilesEnv> env_;
};

TEST_F(TallyTempFilesTest, AnUnwritableSaveFileStillSavesTheTallyOnScreen) {
  SaveTally(26, 4, "10");  // leaves its grid file in 1.tmp
  DenyTempFiles();
  SaveTally(1, 1, "5");
  const auto tallies = Tallies();
  ASSERT_EQ(tallies.size(), 5u);
  GridModel loaded;
  ASSERT_TRUE(ImportGrid(&loaded, tallies[4].grid));
  EXPECT_EQ(loaded.CellText(1, 1), "5");
  EXPECT_EQ(loaded.CellText(26, 4), "");
}

TEST_F(TallyTempFilesTest, AnUnwritableReloadFileStillReloadsTheChosenTally) {
  SaveTally(26, 4, "10");
  SaveTally(1, 1, "5");
  ASSERT_TRUE(WriteBinaryToFile(TempPath("2.tmp"), Tallies()[3].grid));  // the first tally
  DenyTempFiles();
  script_.Click(W::按钮4).ChooseListItem(R::TallyRecordList, 4, true).Do([] {
    EXPECT_EQ(Cell(1, 1), "5");
    EXPECT_EQ(Cell(26, 4), "");
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 4米");
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
}

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  PosixEnv()->ListDirectory(folder, &names);
  std::sort(names.begin(), names.end());
  return names;
}

// Where the folder is: with a session runtime folder or without one; in the test's folder.
struct OwnFolder {
  bool runtime;
  const char* folder;
};

void PrintTo(const OwnFolder& c, std::ostream* os) { *os << c.folder; }

class TempFilesInOwnFolder : public TallyTempFilesTest,
                             public ::testing::WithParamInterface<OwnFolder> {};

// In the shared temporary folder another user has put files of those names, and a link where
// the file written beside 1.tmp goes: none is used or touched. The files keep their names in a
// folder that only the user may enter, in the session's runtime folder, else in the shared one.
TEST_P(TempFilesInOwnFolder, KeepTheirNamesInAFolderOnlyTheUserMayEnter) {
  const OwnFolder& c = GetParam();
  const std::string shared = dir_ + "/共享", victim = dir_ + "/账本", folder = dir_ + c.folder;
  ASSERT_EQ(mkdir(shared.c_str(), 01777), 0);
  ASSERT_TRUE(WriteBinaryToFile(victim, ByteSet{'v'}));
  for (const char* name : {"1.tmp", "2.tmp"}) {
    ASSERT_TRUE(WriteBinaryToFile(shared + "/" + name, ByteSet{'x'}));
  }
  ASSERT_EQ(symlink(victim.c_str(), (shared + "/1.tmp.new").c_str()), 0);
  ScopedVariable tmp("TMPDIR", shared), user("USER", "clerk");
  if (!c.runtime) runtime_.Set(std::nullopt);
  SaveTally(26, 4, "10");
  script_.Click(W::按钮4).ChooseListItem(R::TallyRecordList, 3, true);
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"1.tmp", "2.tmp"}));
  struct stat st;
  ASSERT_EQ(lstat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(ReadFileToBinary(folder + "/2.tmp"), Tallies()[3].grid);
  EXPECT_EQ(ReadFileToBinary(victim), ByteSet{'v'});
  for (const char* name : {"1.tmp", "2.tmp"}) {
    EXPECT_EQ(ReadFileToBinary(shared + "/" + name), ByteSet{'x'}) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Folders, TempFilesInOwnFolder,
                         ::testing::Values(OwnFolder{true, "/rentdesk"},
                                           OwnFolder{false, "/共享/rentdesk-clerk"}));

// Links put where the user's folders belong are not written through; without a folder of the
// user's own the tally is saved and reloaded whole from memory, and nothing goes to the shared
// folder.
TEST_F(TallyTempFilesTest, LinksInPlaceOfTheFoldersAreNeverWrittenThrough) {
  const std::string trap = dir_ + "/别处", shared = dir_ + "/共享";
  ASSERT_EQ(mkdir(trap.c_str(), 0777), 0);
  ASSERT_EQ(mkdir(shared.c_str(), 01777), 0);
  ASSERT_EQ(symlink(trap.c_str(), (dir_ + "/rentdesk").c_str()), 0);
  ASSERT_EQ(symlink(trap.c_str(), (shared + "/rentdesk-clerk").c_str()), 0);
  ScopedVariable tmp("TMPDIR", shared), user("USER", "clerk");
  SaveTally(26, 4, "10");
  script_.Click(W::按钮4).ChooseListItem(R::TallyRecordList, 3, true).Do([] {
    EXPECT_EQ(Cell(26, 4), "10");
    EXPECT_EQ(ui::GetText(W::TotalMetresLabel), "钢管总米数 60米");
  });
  script_.Close(R::self);
  CloseQuietly();
  RunTallybench();
  GridModel saved;
  ASSERT_TRUE(ImportGrid(&saved, Tallies()[3].grid));
  EXPECT_EQ(saved.CellText(26, 4), "10");
  EXPECT_TRUE(Names(trap).empty());
  EXPECT_EQ(Names(shared), std::vector<std::string>{"rentdesk-clerk"});
}

}  // namespace
