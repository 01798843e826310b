#include "common/files.h"

#include <string>
#include <vector>

#include "common/env.h"
#include "common/platform.h"

namespace {

std::string& RunDirectoryOverride() {
  static std::string folder;
  return folder;
}

// The folder part of path without a trailing '/' ("/" for the root, "." for a bare name).
std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string ExecutableFolder() {
  const std::string path = CurrentEnv()->ExecutablePath();
  return path.empty() ? "." : FolderOf(path);
}

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// The characters of a UTF-8 text, one string each (so '?' stands for one character).
std::vector<std::string> Characters(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

// Wildcard match: '*' any run of characters, '?' one character.
bool Matches(const std::string& pattern, const std::string& name) {
  std::vector<std::string> p = Characters(pattern), s = Characters(name);
  size_t pi = 0, si = 0, star = std::string::npos, resume = 0;
  while (si < s.size()) {
    if (pi < p.size() && (p[pi] == "?" || p[pi] == s[si])) {
      ++pi, ++si;
    } else if (pi < p.size() && p[pi] == "*") {
      star = pi++, resume = si;
    } else if (star != std::string::npos) {
      pi = star + 1, si = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == "*") ++pi;
  return pi == p.size();
}

// True when some name in the folder of pattern matches its last component.
bool WildcardExists(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  if (!CurrentEnv()->ListDirectory(folder, &names)) return false;
  for (const std::string& name : names) {
    if (Matches(pattern, name)) return true;
  }
  return false;
}

// The value of an environment variable, "" when unset.
std::string Variable(const char* name) { return CurrentEnv()->Variable(name).value_or(""); }

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string GetRunDirectory() {
  if (!RunDirectoryOverride().empty()) return RunDirectoryOverride();
  static const std::string folder = ExecutableFolder();
  return folder;
}

void SetRunDirectoryForTests(const std::string& folder) {
  std::string f = folder;
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  RunDirectoryOverride() = f;
}

std::string RunPath(const std::string& name) { return GetRunDirectory() + "/" + name; }

std::string SettingsFilePath() { return RunPath("配置.ini"); }

std::string GetHomeDirectory() {
  std::string folder = CurrentEnv()->Variable("HOME").value_or("");
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  size_t slash = path.rfind('/');
  std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!HasWildcard(last)) return CurrentEnv()->Exists(path);
  return WildcardExists(FolderOf(path), last);
}

bool MakeDirectory(const std::string& path) {
  return !path.empty() && CurrentEnv()->MakeDirectory(path);
}

bool CopyDiskFile(const std::string& from, const std::string& to) {
  ByteSet bytes;
  return ReadWholeFile(from, &bytes) && WriteWholeFileAtomic(to, bytes);
}

bool DeleteDiskFile(const std::string& path) { return !path.empty() && CurrentEnv()->Remove(path); }

ByteSet ReadFileToBinary(const std::string& path) {
  ByteSet bytes;
  if (!ReadWholeFile(path, &bytes)) bytes.clear();
  return bytes;
}

bool WriteBinaryToFile(const std::string& path, const ByteSet& bytes) {
  return !path.empty() && WriteWholeFileAtomic(path, bytes);
}

// The temporary folder is the user's own, as on the desktop the programs come from: a shared
// folder would let another user create or link the programs' fixed-name files first.
std::string GetSpecialFolder(int kind) {
  if (kind != 11) return "";
  const std::string runtime = Variable("XDG_RUNTIME_DIR");
  if (!runtime.empty() && CurrentEnv()->MakePrivateDirectory(runtime + "/rentdesk"))
    return runtime + "/rentdesk/";
  std::string shared = Variable("TMPDIR");
  if (shared.empty()) shared = "/tmp";
  std::string user = Variable("USER");
  if (user.find('/') != std::string::npos) user.clear();
  const std::string own = WithTrailingSlash(shared) + "rentdesk" + (user.empty() ? "" : "-" + user);
  return CurrentEnv()->MakePrivateDirectory(own) ? own + "/" : "";
}

std::string BrowseForFolder(const std::string& title, bool list_files) {
  return CurrentPlatform().BrowseForFolder(title, list_files);
}
