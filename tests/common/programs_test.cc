#include "common/programs.h"

#include <gtest/gtest.h>

#include <string>

#include "common/files.h"
#include "tests/common/fake_platform.h"
#include "tests/common/scoped_variable.h"
#include "tests/common/scratch_folder.h"

namespace {

class ProgramsTest : public ::testing::Test {
 protected:
  // A folder on the search path holding programs of these names.
  std::string PathWith(const std::string& sub, std::initializer_list<const char*> names) {
    std::string folder = dir_.File(sub);
    EXPECT_TRUE(MakeDirectory(folder));
    for (const char* name : names) EXPECT_TRUE(WriteBinaryToFile(folder + "/" + name, {'#'}));
    return folder;
  }
  ScratchFolder dir_;
};

TEST_F(ProgramsTest, ExeIsDroppedFromTheProgram) {
  struct Case {
    std::string line, mapped;
  } cases[] = {
      {"/opt/rent/tallybench.exe", "/opt/rent/tallybench"},
      {"/opt/rent/TALLYBENCH.EXE", "/opt/rent/TALLYBENCH"},
      {"/opt/rent/tool.exe -x 1", "/opt/rent/tool -x 1"},
      {"/opt/my rent/tallybench.exe", "\"/opt/my rent/tallybench\""},
      {"/opt/my rent/tool.exe -x", "\"/opt/my rent/tool\" -x"},
      {"\"/opt/my rent/tool.exe\" -x", "\"/opt/my rent/tool\" -x"},
      {"  /bin/true  ", "/bin/true"},
      {"/bin/echo a b", "/bin/echo a b"},
      {"", ""},
      {"   ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MapCommandLine(c.line, "/nowhere"), c.mapped) << c.line;
}

TEST_F(ProgramsTest, CalcIsTheFirstDesktopCalculatorOnThePath) {
  std::string a = PathWith("a", {"xcalc"}), b = PathWith("b", {"kcalc", "gnome-calculator"});
  std::string path = "/nowhere:" + a + ":" + b;
  EXPECT_EQ(MapCommandLine("calc.exe", path), b + "/gnome-calculator");
  EXPECT_EQ(MapCommandLine("C:\\Windows\\System32\\calc.exe", path), b + "/gnome-calculator");
  EXPECT_EQ(MapCommandLine("CALC.EXE", a), a + "/xcalc");
  EXPECT_EQ(MapCommandLine("calc.exe", "/nowhere:" + dir_.path()), "");
  EXPECT_EQ(MapCommandLine("calc.exe", ""), "");
  EXPECT_EQ(MapCommandLine("/opt/calculator.exe", ""), "/opt/calculator");
}

TEST_F(ProgramsTest, AFolderIsNoCalculator) {
  std::string a = PathWith("a", {}), b = PathWith("b", {"mate-calc"});
  ASSERT_TRUE(MakeDirectory(a + "/kcalc"));
  EXPECT_EQ(MapCommandLine("calc.exe", a + ":" + b), b + "/mate-calc");
}

TEST_F(ProgramsTest, RunGoesThroughThePlatformWithTheModeClamped) {
  FakePlatform platform;
  EXPECT_TRUE(RunProgram("/opt/rent/tallybench.exe"));
  EXPECT_TRUE(RunProgram("/opt/rent/tallybench.exe", true, 9));
  EXPECT_TRUE(RunProgram("/opt/rent/tallybench.exe", false, 0));
  ASSERT_EQ(platform.runs.size(), 3u);
  EXPECT_EQ(platform.runs[0].command_line, "/opt/rent/tallybench");
  EXPECT_FALSE(platform.runs[0].wait);
  EXPECT_EQ(platform.runs[0].window_mode, 2);
  EXPECT_TRUE(platform.runs[1].wait);
  EXPECT_EQ(platform.runs[1].window_mode, 6);
  EXPECT_EQ(platform.runs[2].window_mode, 1);
  platform.run_result = false;
  EXPECT_FALSE(RunProgram("/opt/rent/tallybench.exe"));
}

TEST_F(ProgramsTest, NoCalculatorMeansNoStart) {
  FakePlatform platform;
  const ScopedVariable path("PATH", dir_.path());
  EXPECT_FALSE(RunProgram("calc.exe"));
  EXPECT_FALSE(RunProgram(""));
  EXPECT_TRUE(platform.runs.empty());
}

TEST_F(ProgramsTest, WebPagesOpenThroughThePlatform) {
  FakePlatform platform;
  OpenWebPage("https://example.com/help");
  ASSERT_EQ(platform.pages.size(), 1u);
  EXPECT_EQ(platform.pages[0], "https://example.com/help");
}

}  // namespace
