// Starting programs and opening web pages.
#include "common/programs.h"

#include <algorithm>
#include <string>

#include "common/env.h"
#include "common/platform.h"

namespace {

const char* const kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                    "mate-calc",        "qalculate-gtk", "xcalc"};

std::string Lower(std::string s) {
  for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return s;
}

bool EndsWithExe(const std::string& s) {
  return s.size() >= 4 && Lower(s.substr(s.size() - 4)) == ".exe";
}

// The end of the program part: a quoted path, the whole line when it ends in ".exe", up to the
// first ".exe " (the folder may hold blanks), else up to the first blank.
size_t ProgramEnd(const std::string& line) {
  if (!line.empty() && line[0] == '"') {
    size_t close = line.find('"', 1);
    return close == std::string::npos ? line.size() : close + 1;
  }
  if (EndsWithExe(line)) return line.size();
  size_t exe = Lower(line).find(".exe ");
  if (exe != std::string::npos) return exe + 4;
  return std::min(line.find(' '), line.size());
}

std::string Unquoted(std::string s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

std::string BaseName(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The first name found as a file in one of the folders of search_path.
std::string FindCalculator(const std::string& search_path) {
  for (const char* name : kCalculators) {
    size_t from = 0;
    while (from <= search_path.size()) {
      size_t to = std::min(search_path.find(':', from), search_path.size());
      std::string folder = search_path.substr(from, to - from);
      std::string path = (folder.empty() ? "." : folder) + "/" + name;
      if (CurrentEnv()->Exists(path) && !CurrentEnv()->IsDirectory(path)) return path;
      from = to + 1;
    }
  }
  return "";
}

std::string Quoted(const std::string& program) {
  return program.find(' ') == std::string::npos ? program : "\"" + program + "\"";
}

}  // namespace

std::string MapCommandLine(const std::string& command_line, const std::string& search_path) {
  size_t first = command_line.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  std::string line = command_line.substr(first, command_line.find_last_not_of(' ') + 1 - first);
  size_t end = ProgramEnd(line);
  std::string program = Unquoted(line.substr(0, end));
  std::string arguments = line.substr(end);
  if (EndsWithExe(program)) program.resize(program.size() - 4);
  if (Lower(BaseName(program)) == "calc") program = FindCalculator(search_path);
  if (program.empty()) return "";
  return Quoted(program) + arguments;
}

bool RunProgram(const std::string& command_line, bool wait, int window_mode) {
  std::string mapped = MapCommandLine(command_line, CurrentEnv()->Variable("PATH").value_or(""));
  if (mapped.empty()) return false;
  return CurrentPlatform().RunProgram(mapped, wait, std::clamp(window_mode, 1, 6));
}

void OpenWebPage(const std::string& address) { CurrentPlatform().OpenWebPage(address); }
