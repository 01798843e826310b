#include "common/ini.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/env.h"
#include "common/files.h"
#include "common/text.h"
#include "tests/common/fault_env.h"
#include "tests/common/scratch_folder.h"

namespace {

std::string Utf8FileText(const std::string& path) {
  ByteSet b = ReadFileToBinary(path);
  return FromGbk(std::string(b.begin(), b.end()));
}

void WriteRaw(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(WriteBinaryToFile(path, ByteSet(bytes.begin(), bytes.end())));
}

class IniTest : public ::testing::Test {
 protected:
  ScratchFolder dir_;
  std::string ini_ = dir_.File("配置.ini");
};

TEST_F(IniTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名", "管理员"), "管理员");
  EXPECT_FALSE(FileExists(ini_));
}

TEST_F(IniTest, WriteThenReadThenDelete) {
  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "用户名", "张三"));
  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "密码", "123"));
  ASSERT_TRUE(WriteIniItem(ini_, "config", "价格", "12.5"));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "张三");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码"), "123");
  EXPECT_EQ(ReadIniItem(ini_, "config", "价格"), "12.5");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "公司名称", "无"), "无");
  EXPECT_EQ(Utf8FileText(ini_), "[用户设置]\n用户名=张三\n密码=123\n[config]\n价格=12.5\n");

  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "用户名", "李四"));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "李四");

  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "密码", std::nullopt));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码", "def"), "def");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "李四");

  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", std::nullopt, std::nullopt));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名", "def"), "def");
  EXPECT_EQ(Utf8FileText(ini_), "[config]\n价格=12.5\n");
}

TEST_F(IniTest, TheFileIsGbkOnDisk) {
  ASSERT_TRUE(WriteIniItem(ini_, "版本号", "tallybench", "3.0"));
  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "公司名称", "合同"));
  ByteSet b = ReadFileToBinary(ini_);
  std::string bytes(b.begin(), b.end());
  EXPECT_EQ(bytes, ToGbk("[版本号]\ntallybench=3.0\n[用户设置]\n公司名称=") + "\xBA\xCF\xCD\xAC\n");
  WriteRaw(ini_, ToGbk("[用户设置]\r\n公司名称=钢管租赁\r\n"));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "公司名称"), "钢管租赁");
}

TEST_F(IniTest, WindowsProfileConventions) {
  WriteRaw(ini_, ToGbk("top=no section\r\n"
                       "[Config]\r\n"
                       "  Price  =  12.5  \r\n"
                       "price=second\r\n"
                       "; a note\r\n"
                       "[config]\r\n"
                       "other=in duplicate\r\n"
                       "[用户设置]\r\n"
                       "用户名=张三"));                     // no newline at the end
  EXPECT_EQ(ReadIniItem(ini_, "CONFIG", "PRICE"), "12.5");  // blanks around '=' are no one's
  EXPECT_EQ(ReadIniItem(ini_, "config", "other", "first section only"), "first section only");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "张三");
  EXPECT_EQ(ReadIniItem(ini_, " \t用户设置", "\n用户名"), "张三");
  EXPECT_EQ(ReadIniItem(ini_, "config", "top", "none"), "none");
  EXPECT_EQ(ReadIniItem(ini_, "  ", "用户名", "def"), "");
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "", "def"), "");
  EXPECT_EQ(ReadIniItem(" ", "用户设置", "用户名", "def"), "");
}

TEST_F(IniTest, AValueReadsBackWithItsBlanksAndQuotes) {
  const struct {
    const char* value;
    const char* line;  // as the file holds it
  } cases[] = {
      {"是 ", "密码=\"是 \""}, {" lead", "密码=\" lead\""}, {"\tboth ", "密码=\"\tboth \""},
      {"   ", "密码=\"   \""}, {"\"q\"", "密码=\"\"q\"\""}, {"\"\"", "密码=\"\"\"\""},
      {"\"", "密码=\""},       {"a b", "密码=a b"},         {"", "密码="},
      {"\"x", "密码=\"x"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "密码", c.value));
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码"), c.value) << c.line;
    EXPECT_EQ(Utf8FileText(ini_), std::string("[用户设置]\n") + c.line + "\n");
  }
}

// Blanks around '=' and around the value belong to neither key nor value, as the profile
// format has it, so hand-edited files read as they look; double quotes keep a value whole.
TEST_F(IniTest, HandEditedLinesReadAsTheyLook) {
  const struct {
    const char* line;
    const char* value;
  } cases[] = {
      {"密码 = 123", "123"},           {"密码\t=\t123\t", "123"}, {"  密码=123  ", "123"},
      {"密码 = \" 12 3 \"", " 12 3 "}, {"密码=\"\"", ""},         {"密码 =", ""},
      {"密码=\"123", "\"123"},         {"密码='123'", "'123'"},   {"密码=1 = 2", "1 = 2"},
  };
  for (const auto& c : cases) {
    WriteRaw(ini_, ToGbk(std::string("[用户设置]\r\n") + c.line + "\r\n"));
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码", "def"), c.value) << c.line;
  }
}

// Editors save UTF-8, with or without a byte order mark: such a file reads as UTF-8, and the
// next write stores the whole file as GBK.
TEST_F(IniTest, AUtf8FileReadsAndIsWrittenBackAsGbk) {
  const std::string body =
      "[用户设置]\r\n使用密码=是\r\n密码 = 旧密\r\n用户名=김 经理\r\n[config]\r\n价格=12\r\n";
  for (const std::string& file : {"\xEF\xBB\xBF" + body, body}) {
    WriteRaw(ini_, file);
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "使用密码"), "是");
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码"), "旧密");
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "김 经理") << "read as it stands";
    ASSERT_TRUE(WriteIniItem(ini_, "config", "价格", "15"));
    ByteSet b = ReadFileToBinary(ini_);
    EXPECT_EQ(std::string(b.begin(), b.end()),
              ToGbk("[用户设置]\r\n使用密码=是\r\n密码 = 旧密\r\n用户名=? 经理\r\n[config]\r\n"
                    "价格=15\r\n"));
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "密码"), "旧密");
  }
  // GBK bytes are no UTF-8, so a GBK file is never taken for one.
  WriteRaw(ini_, ToGbk("[用户设置]\n单位名称=钢管租赁\n"));
  EXPECT_EQ(ReadIniItem(ini_, "用户设置", "单位名称"), "钢管租赁");
}

TEST_F(IniTest, APathGbkLacksIsUsedAsItStands) {
  const std::string folder = dir_.File("김철수");
  ASSERT_TRUE(MakeDirectory(folder));
  const std::string ini = folder + "/配置.ini";
  ASSERT_TRUE(WriteIniItem(ini, "用户设置", "单位名称", "永安"));
  EXPECT_EQ(ReadIniItem(ini, "用户设置", "单位名称"), "永安");
  EXPECT_EQ(ReadIniItem(" \t" + ini, "用户设置", "单位名称"), "永安");
  EXPECT_TRUE(FileExists(ini));
}

TEST_F(IniTest, WritingKeepsEveryOtherLine) {
  std::string before = "; settings\r\n[a]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n[c]\r\nz=3";
  WriteRaw(ini_, before);
  ASSERT_TRUE(WriteIniItem(ini_, "b", "Y", "20"));
  ASSERT_TRUE(WriteIniItem(ini_, "a", "w", "0"));
  ASSERT_TRUE(WriteIniItem(ini_, "c", "v", "9"));
  ASSERT_TRUE(WriteIniItem(ini_, "d", "u", "8"));
  EXPECT_EQ(Utf8FileText(ini_),
            "; settings\r\n[a]\r\nx=1\r\nw=0\r\n\r\n[B]\r\nY=20\r\n\r\n[c]\r\nz=3\r\nv=9\r\n"
            "[d]\r\nu=8\r\n");
}

TEST_F(IniTest, DeletingWhatIsNotThereChangesNothing) {
  EXPECT_TRUE(WriteIniItem(ini_, "a", "x", std::nullopt));
  EXPECT_TRUE(WriteIniItem(ini_, "a", std::nullopt, std::nullopt));
  EXPECT_FALSE(FileExists(ini_));
  WriteRaw(ini_, "[a]\nx=1\n");
  EXPECT_TRUE(WriteIniItem(ini_, "a", "y", std::nullopt));
  EXPECT_TRUE(WriteIniItem(ini_, "b", std::nullopt, std::nullopt));
  EXPECT_EQ(Utf8FileText(ini_), "[a]\nx=1\n");
}

TEST_F(IniTest, OddFilesReadWithoutHarm) {
  const std::string long_value(20000, 'v');
  struct Case {
    std::string bytes;
    std::string value;
  } cases[] = {
      {"", "def"},
      {"\n\n\n", "def"},
      {"[s]", "def"},
      {"[s]\nk", "def"},
      {"[s]\nk=", ""},
      {"[s\nk=open bracket", "open bracket"},
      {"\xFF\xFE\n[s]\nk=\xFF\x80", "\uFFFD€"},
      {std::string("[s]\nk=a\0b\n", 10), std::string("a\0b", 3)},
      {"[s]\nk=" + long_value, long_value.substr(0, 10239)},
      {"[s]\n" + std::string(15000, 'x') + "=1\nk=2", "2"},
  };
  for (const Case& c : cases) {
    WriteRaw(ini_, c.bytes);
    EXPECT_EQ(ReadIniItem(ini_, "s", "k", "def"), c.value) << c.bytes.substr(0, 20);
  }
}

TEST_F(IniTest, ALongValueIsCutAt10239Bytes) {
  std::string value(5118, 'a');
  for (int i = 0; i < 3000; ++i) value += "合";  // 5118 + 6000 bytes in GBK
  ASSERT_TRUE(WriteIniItem(ini_, "s", "k", value));
  std::string read = ReadIniItem(ini_, "s", "k");
  EXPECT_EQ(GetTextLength(read), 10239 - 1);  // the half character at the cut is dropped
  EXPECT_EQ(read, value.substr(0, 5118 + 3 * 2560));
}

TEST_F(IniTest, NamesWithBracketsOrLineBreaksAreRefused) {
  EXPECT_FALSE(WriteIniItem(ini_, "a]b", "k", "v"));
  EXPECT_FALSE(WriteIniItem(ini_, "s", "k=1", "v"));
  EXPECT_FALSE(WriteIniItem(ini_, "s", "[k", "v"));
  EXPECT_FALSE(WriteIniItem(ini_, "s", "k", "v\n[用户设置]\n密码=1"));
  EXPECT_FALSE(WriteIniItem(ini_, "s\r", "k", "v"));
  EXPECT_FALSE(WriteIniItem(ini_, "", "k", "v"));
  EXPECT_FALSE(WriteIniItem(ini_, "s", " ", "v"));
  EXPECT_FALSE(WriteIniItem("", "s", "k", "v"));
  EXPECT_FALSE(FileExists(ini_));
  EXPECT_TRUE(WriteIniItem(ini_, "s", "k", "a=b [c]"));
  EXPECT_EQ(ReadIniItem(ini_, "s", "k"), "a=b [c]");
}

TEST_F(IniTest, NamesGbkLacksStillMatchWhatWasWritten) {
  ASSERT_TRUE(WriteIniItem(ini_, "s😀", "k", "1"));
  ASSERT_TRUE(WriteIniItem(ini_, "s😀", "k", "2"));
  EXPECT_EQ(ReadIniItem(ini_, "s😀", "k"), "2");
  EXPECT_EQ(Utf8FileText(ini_), "[s?]\nk=2\n");
}

TEST_F(IniTest, GbkSecondBytesAreNotTakenForBrackets) {
  const std::string bracket = FromGbk("\x81\x5D");  // its second byte is ']'
  ASSERT_EQ(GetTextLength(bracket), 2);
  ASSERT_TRUE(WriteIniItem(ini_, bracket + "x", "k", "1"));
  EXPECT_EQ(ReadIniItem(ini_, bracket + "x", "k"), "1");
  EXPECT_EQ(ReadIniItem(ini_, bracket, "k", "def"), "def");
}

// Lets reads through but fails every write, as a full disk does.
class FailingWriteEnv : public Env {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (mode != OpenMode::kRead) return nullptr;
    return PosixEnv()->Open(path, mode);
  }
  bool Exists(const std::string& p) override { return PosixEnv()->Exists(p); }
  bool IsDirectory(const std::string& p) override { return PosixEnv()->IsDirectory(p); }
  bool MakeDirectory(const std::string&) override { return false; }
  bool Remove(const std::string&) override { return false; }
  bool Rename(const std::string&, const std::string&) override { return false; }
};

// Has the file but cannot read it.
class UnreadableEnv : public FailingWriteEnv {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    return mode == OpenMode::kRead ? nullptr : PosixEnv()->Open(path, mode);
  }
  bool Rename(const std::string& a, const std::string& b) override {
    return PosixEnv()->Rename(a, b);
  }
};

class EnvSwap {
 public:
  explicit EnvSwap(Env* env) { SetCurrentEnv(env); }
  ~EnvSwap() { SetCurrentEnv(nullptr); }
};

TEST_F(IniTest, AFailedWriteLeavesTheOldFile) {
  ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "用户名", "张三"));
  ByteSet before = ReadFileToBinary(ini_);
  {
    FailingWriteEnv failing;
    EnvSwap swap(&failing);
    EXPECT_FALSE(WriteIniItem(ini_, "用户设置", "用户名", "李四"));
    EXPECT_FALSE(WriteIniItem(ini_, "用户设置", std::nullopt, std::nullopt));
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "用户名"), "张三");
  }
  EXPECT_EQ(ReadFileToBinary(ini_), before);
}

// A write that fails at any of its writes leaves the file as it was, a UTF-8 one too; with no
// failure the whole file is GBK afterwards.
TEST_F(IniTest, AWriteFailingAtAnyPointLeavesTheFileAsItWas) {
  const std::string before = "\xEF\xBB\xBF[用户设置]\n单位名称=永安\n";
  int writes = 0;
  {
    WriteRaw(ini_, before);
    ScopedFaultEnv env;
    ASSERT_TRUE(WriteIniItem(ini_, "用户设置", "密码", " 1 2 "));
    writes = env->writes();
  }
  ASSERT_GT(writes, 0);
  EXPECT_EQ(Utf8FileText(ini_), "[用户设置]\n单位名称=永安\n密码=\" 1 2 \"\n");
  for (int n = 1; n <= writes; ++n) {
    WriteRaw(ini_, before);
    ScopedFaultEnv env;
    env->FailWrite(n);
    EXPECT_FALSE(WriteIniItem(ini_, "用户设置", "密码", " 1 2 ")) << n;
    ByteSet b = ReadFileToBinary(ini_);
    EXPECT_EQ(std::string(b.begin(), b.end()), before) << n;
    EXPECT_EQ(ReadIniItem(ini_, "用户设置", "单位名称"), "永安");
  }
}

TEST_F(IniTest, AnUnreadableFileIsNotReplaced) {
  ASSERT_TRUE(WriteIniItem(ini_, "a", "x", "1"));
  ByteSet before = ReadFileToBinary(ini_);
  {
    UnreadableEnv unreadable;
    EnvSwap swap(&unreadable);
    EXPECT_EQ(ReadIniItem(ini_, "a", "x", "def"), "def");
    EXPECT_FALSE(WriteIniItem(ini_, "b", "y", "2"));
  }
  EXPECT_EQ(ReadFileToBinary(ini_), before);
}

}  // namespace
