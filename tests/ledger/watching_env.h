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
  // The file names created, in order (a ".new" beside a file counts as the file).
  std::vector<std::string> created;

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (mode == OpenMode::kCreateTruncate) {
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
    std::string name = path.substr(path.rfind('/') + 1);
    const std::string tmp = ".new";
    if (name.size() > tmp.size() && name.compare(name.size() - tmp.size(), tmp.size(), tmp) == 0)
      name.resize(name.size() - tmp.size());
    return name;
  }
};

}  // namespace rentdesk_test
