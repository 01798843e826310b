#pragma once
// A file system for the tests: the real one, noting which files are created (in order) and
// refusing to create the files named as failing.
#include <set>
#include <string>
#include <vector>

#include "common/env.h"

namespace rentdesk_test {

class WatchingEnv : public Env {
 public:
  // The file names (without folder) refused when created.
  std::set<std::string> failing;
  // The file names created, in order (a temporary file that is to replace a file counts as it).
  std::vector<std::string> created;

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (mode == OpenMode::kCreateTruncate || mode == OpenMode::kCreateNew) {
      std::string name = FileName(path);
      if (failing.count(name)) return nullptr;
      if (created.empty() || created.back() != name) created.push_back(name);
    }
    return PosixEnv()->Open(path, mode);
  }
  bool Exists(const std::string& path) override { return PosixEnv()->Exists(path); }
  bool IsDirectory(const std::string& path) override { return PosixEnv()->IsDirectory(path); }
  bool MakeDirectory(const std::string& path) override { return PosixEnv()->MakeDirectory(path); }
  bool Remove(const std::string& path) override { return PosixEnv()->Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    if (failing.count(FileName(to))) return false;
    return PosixEnv()->Rename(from, to);
  }

 private:
  static std::string FileName(const std::string& path) {
    const std::string replaced = ReplacedPathOf(path);
    return replaced.substr(replaced.rfind('/') + 1);
  }
};

}  // namespace rentdesk_test
