#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards; the run
// directory points at it while the test runs.
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/files.h"

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rent-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : "";
    SetRunDirectoryForTests(path_);
  }
  ~ScratchFolder() {
    SetRunDirectoryForTests("");
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
