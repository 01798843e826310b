// The folders keep their layers: common/ at the bottom reaches the system only through its
// seams (the file seam common/env*.cc, the platform seam common/platform.cc), and the folders
// on it (ledger/, settlement/, tally/, platform/) include nothing of each other. Every source
// line is read as text; a line's "//" comment does not count.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Rule {
  std::string folder;                  // relative to the source tree
  std::vector<std::string> forbidden;  // texts no code line of the folder may hold
  std::vector<std::string> seams;      // file name prefixes (relative) that may hold them
};

// The code lines of the folder's .h and .cc files that hold a forbidden text, as
// "file:line: text".
std::vector<std::string> Offenders(const Rule& rule) {
  std::vector<std::string> out;
  const fs::path root = RENT_SOURCE_DIR;
  for (const auto& entry : fs::recursive_directory_iterator(root / rule.folder)) {
    const fs::path& p = entry.path();
    if (!entry.is_regular_file() || (p.extension() != ".cc" && p.extension() != ".h")) continue;
    const std::string name = p.lexically_relative(root).string();
    if (std::any_of(rule.seams.begin(), rule.seams.end(),
                    [&](const std::string& seam) { return name.rfind(seam, 0) == 0; }))
      continue;
    std::ifstream in(p);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      const std::string code = line.substr(0, line.find("//"));
      for (const std::string& text : rule.forbidden) {
        if (code.find(text) != std::string::npos)
          out.push_back(name + ":" + std::to_string(n) + ": " + line);
      }
    }
  }
  return out;
}

const char* const kSystemCalls[] = {"std::time(",      "localtime",    "getenv",
                                    "std::filesystem", "<filesystem>", "/proc/self",
                                    "system_clock",    "fopen(",       "fstream"};

std::vector<std::string> IncludesOf(std::vector<std::string> folders) {
  for (std::string& f : folders) f = "#include \"" + f + "/";
  return folders;
}

TEST(Layering, EveryFolderKeepsToItsLayer) {
  const std::vector<Rule> rules = {
      {"common", IncludesOf({"platform", "ledger", "settlement", "tally"}), {}},
      {"common",
       {std::begin(kSystemCalls), std::end(kSystemCalls)},
       {"common/env", "common/platform.cc"}},
      {"ledger", IncludesOf({"platform", "settlement", "tally"}), {}},
      {"settlement", IncludesOf({"platform", "ledger", "tally"}), {}},
      {"tally", IncludesOf({"platform", "ledger", "settlement"}), {}},
      {"platform", IncludesOf({"ledger", "settlement", "tally"}), {}},
  };
  for (const Rule& rule : rules) {
    std::vector<std::string> found = Offenders(rule);
    std::string listed;
    for (const std::string& line : found) listed += "\n  " + line;
    EXPECT_TRUE(found.empty()) << rule.folder << "/ reaches past its layer:" << listed;
  }
}

}  // namespace
