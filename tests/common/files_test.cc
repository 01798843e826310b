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
#include "tests/common/fault_env.h"
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
  ScopedVariable home("HOME", "/home/clerk/");
  EXPECT_EQ(GetHomeDirectory(), "/home/clerk");
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

// The real file system, noting each write's size and, in order, the syncs and renames.
class CopyWatch : public EnvWrapper {
 public:
  size_t largest_write = 0;
  std::vector<std::string> steps;  // "sync", "rename", "sync folder"

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    auto f = EnvWrapper::Open(path, mode);
    return f ? std::make_unique<Watched>(std::move(f), this) : nullptr;
  }
  bool Rename(const std::string& a, const std::string& b) override {
    steps.push_back("rename");
    return EnvWrapper::Rename(a, b);
  }
  bool SyncDirectory(const std::string& p) override {
    steps.push_back("sync folder");
    return EnvWrapper::SyncDirectory(p);
  }

 private:
  class Watched : public FileWrapper {
   public:
    Watched(std::unique_ptr<File> f, CopyWatch* w) : FileWrapper(std::move(f)), w_(w) {}
    bool WriteAt(uint64_t o, const void* b, size_t n) override {
      w_->largest_write = std::max(w_->largest_write, n);
      return FileWrapper::WriteAt(o, b, n);
    }
    bool Sync() override {
      w_->steps.push_back("sync");
      return FileWrapper::Sync();
    }

   private:
    CopyWatch* w_;
  };
};

// The backup's copy: read and written a piece at a time (its memory does not grow with the
// file), synced before it takes the target's name, the folder synced after; a copy cut off by
// a failed write leaves the target as it was and no temporary file.
TEST_F(FilesTest, CopyGoesInPiecesAndReplacesTheTargetDurably) {
  ByteSet big(3 * 1024 * 1024 + 777);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 31 + i / 4096);
  ASSERT_TRUE(WriteBinaryToFile(dir_.File("合同.rdt"), big));
  ASSERT_TRUE(WriteBinaryToFile(dir_.File("copy.rdt"), Bytes("the earlier backup")));
  for (int n = 1;; ++n) {
    SCOPED_TRACE(n);
    bool ok;
    {
      ScopedFaultEnv env;
      env->FailWrite(n);
      ok = CopyDiskFile(dir_.File("合同.rdt"), dir_.File("copy.rdt"));
    }
    std::vector<std::string> names;
    ASSERT_TRUE(PosixEnv()->ListDirectory(dir_.path(), &names));
    EXPECT_EQ(names.size(), 2u);
    if (ok) break;
    EXPECT_EQ(ReadFileToBinary(dir_.File("copy.rdt")), Bytes("the earlier backup"));
    ASSERT_LT(n, 20);
  }
  EXPECT_EQ(ReadFileToBinary(dir_.File("copy.rdt")), big);
  CopyWatch watch;
  SetCurrentEnv(&watch);
  bool copied = CopyDiskFile(dir_.File("合同.rdt"), dir_.File("copy2.rdt"));
  SetCurrentEnv(nullptr);
  ASSERT_TRUE(copied);
  EXPECT_EQ(ReadFileToBinary(dir_.File("copy2.rdt")), big);
  EXPECT_LE(watch.largest_write, size_t{1} << 20);
  EXPECT_EQ(watch.steps, (std::vector<std::string>{"sync", "rename", "sync folder"}));
}

// Every replacement writes beside the file under a name of its own (process id and a count),
// so two writers of one file never write into each other's temporary file.
TEST_F(FilesTest, EachReplacementHasATemporaryNameOfItsOwn) {
  class Names : public EnvWrapper {
   public:
    std::vector<std::string> created;
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
      if (mode == OpenMode::kCreateNew) created.push_back(path);
      return EnvWrapper::Open(path, mode);
    }
  } names;
  SetCurrentEnv(&names);
  const std::string ini = dir_.File("配置.ini");
  bool written = ReplaceFileDurably(ini, Bytes("a")) && ReplaceFileDurably(ini, Bytes("b"));
  SetCurrentEnv(nullptr);
  ASSERT_TRUE(written);
  ASSERT_EQ(names.created.size(), 2u);
  EXPECT_NE(names.created[0], names.created[1]);
  for (const std::string& tmp : names.created) {
    EXPECT_EQ(ReplacedPathOf(tmp), ini) << tmp;
    EXPECT_FALSE(FileExists(tmp));
  }
  for (const char* other : {"/a/b.new", "/a/b.12-.new", "/a/b.x-3.new", "/a/b.ini", "/a/b.1-2"})
    EXPECT_EQ(ReplacedPathOf(other), other);
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
