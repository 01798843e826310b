// The temporary grid files "1.tmp" and "2.tmp": a tally is saved and reloaded whole even when
// they cannot be written, and a file left there by an earlier save or reload is never used
// in place of the tally at hand.
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
    env_ = std::make_unique<NoTempFilesEnv>(dir_);
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
  ASSERT_TRUE(WriteBinaryToFile(RunPath("2.tmp"), Tallies()[3].grid));  // the first tally
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

}  // namespace
