#include "common/files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/env.h"
#include "tests/common/fake_platform.h"
#include "tests/common/scoped_variable.h"
#include "tests/common/scratch_folder.h"

namespace {

ByteSet Bytes(const std::string& s) { return ByteSet(s.begin(), s.end()); }

class FilesTest : public ::testing::Test {
 protected:
  ScratchFolder dir_;
};

TEST_F(FilesTest, RunDirectoryIsTheTestFolderAndThenTheExecutables) {
  EXPECT_EQ(GetRunDirectory(), dir_.path());
  SetRunDirectoryForTests(dir_.path() + "/");
  EXPECT_EQ(GetRunDirectory(), dir_.path());
  SetRunDirectoryForTests("");
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(GetRunDirectory(), exe.parent_path().string());
  EXPECT_NE(GetRunDirectory().back(), '/');
  SetRunDirectoryForTests(dir_.path());
}

TEST_F(FilesTest, HomeDirectoryIsHome) {
  const char* old = getenv("HOME");
  std::string saved = old ? old : "";
  setenv("HOME", "/home/clerk/", 1);
  EXPECT_EQ(GetHomeDirectory(), "/home/clerk");
  setenv("HOME", saved.c_str(), 1);
}

TEST_F(FilesTest, WriteReadAndTruncate) {
  std::string path = dir_.File("合同.rdb");
  ByteSet data = {0, 1, 2, 0xFF, 0, 'x'};
  ASSERT_TRUE(WriteBinaryToFile(path, data));
  EXPECT_EQ(ReadFileToBinary(path), data);
  ASSERT_TRUE(WriteBinaryToFile(path, Bytes("ab")));
  EXPECT_EQ(ReadFileToBinary(path), Bytes("ab"));
  ASSERT_TRUE(WriteBinaryToFile(path, {}));
  EXPECT_TRUE(FileExists(path));
  EXPECT_TRUE(ReadFileToBinary(path).empty());
}

TEST_F(FilesTest, FailuresGiveFalseOrEmpty) {
  EXPECT_TRUE(ReadFileToBinary(dir_.File("missing")).empty());
  EXPECT_TRUE(ReadFileToBinary(dir_.path()).empty());
  EXPECT_FALSE(WriteBinaryToFile(dir_.File("no/such/file"), Bytes("x")));
  EXPECT_FALSE(CopyDiskFile(dir_.File("missing"), dir_.File("b")));
  EXPECT_FALSE(FileExists(dir_.File("b")));
  EXPECT_FALSE(DeleteDiskFile(dir_.File("missing")));
  EXPECT_FALSE(MakeDirectory(dir_.File("a/b")));
  EXPECT_FALSE(FileExists(""));
}

TEST_F(FilesTest, CopyOverwritesTheTarget) {
  ASSERT_TRUE(WriteBinaryToFile(dir_.File("a"), Bytes("new contents")));
  ASSERT_TRUE(WriteBinaryToFile(dir_.File("b"), Bytes("old, and longer contents")));
  ASSERT_TRUE(CopyDiskFile(dir_.File("a"), dir_.File("b")));
  EXPECT_EQ(ReadFileToBinary(dir_.File("b")), Bytes("new contents"));
  EXPECT_EQ(ReadFileToBinary(dir_.File("a")), Bytes("new contents"));
}

TEST_F(FilesTest, FoldersAndDelete) {
  std::string folder = dir_.File("租赁数据备份");
  ASSERT_TRUE(MakeDirectory(folder));
  EXPECT_TRUE(FileExists(folder));
  EXPECT_FALSE(MakeDirectory(folder));
  ASSERT_TRUE(WriteBinaryToFile(folder + "/x", Bytes("1")));
  EXPECT_TRUE(DeleteDiskFile(folder + "/x"));
  EXPECT_FALSE(FileExists(folder + "/x"));
}

TEST_F(FilesTest, ExistsWithWildcards) {
  ASSERT_TRUE(WriteBinaryToFile(dir_.File("出租数据.rdb"), Bytes("1")));
  ASSERT_TRUE(MakeDirectory(dir_.File("sub")));
  struct Case {
    std::string name;
    bool exists;
  } cases[] = {
      {"出租数据.rdb", true}, {"*.rdb", true},          {"出租??.rdb", true}, {"*", true},
      {"s?b", true},          {"*.rdt", false},         {"出租?.rdb", false}, {"x*", false},
      {"sub/*", false},       {"none/*", false},        {"*数据*", true},     {"*.*.rdb", false},
      {"**rdb", true},        {"出租数据.rdb?", false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileExists(dir_.File(c.name)), c.exists) << c.name;
}

// The temporary folder is the user's own: made mode 0700, and never a link, a file or a folder
// that others may enter (another user could have put it there first).
TEST_F(FilesTest, TheTemporaryFolderIsTheUsersOwn) {
  const std::string run = dir_.File("run"), tmp = dir_.File("tmp"), elsewhere = dir_.File("x");
  for (const std::string& d : {run, tmp, elsewhere}) ASSERT_EQ(mkdir(d.c_str(), 0700), 0);
  const std::string mine = tmp + "/rentdesk-clerk";
  const struct {
    const char* what;
    std::optional<std::string> runtime, user;
    std::function<void()> before;
    std::string folder;
  } cases[] = {
      {"the session's runtime folder", run, "clerk", [] {}, run + "/rentdesk/"},
      {"no runtime folder", std::nullopt, "clerk", [] {}, mine + "/"},
      {"a link in the runtime folder", run, "clerk",
       [&] { ASSERT_EQ(symlink(elsewhere.c_str(), (run + "/rentdesk").c_str()), 0); }, mine + "/"},
      {"a link planted in the shared folder", std::nullopt, "clerk",
       [&] { ASSERT_EQ(symlink(elsewhere.c_str(), mine.c_str()), 0); }, ""},
      {"a folder others may enter", std::nullopt, "clerk",
       [&] { ASSERT_EQ(mkdir(mine.c_str(), 0755), 0); }, ""},
      {"a file", std::nullopt, "clerk", [&] { WriteBinaryToFile(mine, Bytes("x")); }, ""},
      {"no user name", std::nullopt, std::nullopt, [] {}, tmp + "/rentdesk/"},
      {"a user name with a slash", std::nullopt, "../clerk", [] {}, tmp + "/rentdesk/"},
  };
  ScopedVariable shared("TMPDIR", tmp);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& d : {run + "/rentdesk", mine, tmp + "/rentdesk"}) {
      std::filesystem::remove_all(d);
    }
    c.before();
    ScopedVariable runtime("XDG_RUNTIME_DIR", c.runtime), user("USER", c.user);
    EXPECT_EQ(GetSpecialFolder(11), c.folder);
    struct stat st;
    if (!c.folder.empty()) {
      ASSERT_EQ(lstat(c.folder.c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    EXPECT_EQ(std::filesystem::is_empty(elsewhere), true) << "nothing is made through a link";
  }
  ScopedVariable none("TMPDIR", std::nullopt),
      user("USER", "rent-test-" + std::to_string(getpid()));
  ScopedVariable runtime("XDG_RUNTIME_DIR", std::nullopt);
  const std::string fallback = "/tmp/rentdesk-rent-test-" + std::to_string(getpid());
  EXPECT_EQ(GetSpecialFolder(11), fallback + "/");
  std::filesystem::remove(fallback);
  EXPECT_EQ(GetSpecialFolder(5), "");
}

TEST_F(FilesTest, BrowseForFolderAsksThePlatform) {
  FakePlatform platform;
  platform.folder = "/home/clerk/备份";
  EXPECT_EQ(BrowseForFolder("请选择备份文件夹"), "/home/clerk/备份");
  ASSERT_EQ(platform.folder_titles.size(), 1u);
  EXPECT_EQ(platform.folder_titles[0], "请选择备份文件夹");
  platform.folder = "";
  EXPECT_EQ(BrowseForFolder("x", true), "");
}

}  // namespace
