#pragma once
// A file system for the tests: the real one, except that writes to the files named as locked
// fail from the moment they are named, also through files opened before.
#include <memory>
#include <set>
#include <string>

#include "common/env.h"

namespace ledger_test {

class LockingEnv : public Env {
 public:
  // The file names (without folder) whose writes fail now; a temporary file that is to replace
  // one counts as it.
  std::set<std::string> locked;

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (mode == OpenMode::kCreateTruncate && Locked(path)) return nullptr;
    std::unique_ptr<File> file = PosixEnv()->Open(path, mode);
    if (!file) return file;
    return std::make_unique<GuardedFile>(std::move(file), this, path);
  }
  bool Exists(const std::string& path) override { return PosixEnv()->Exists(path); }
  bool IsDirectory(const std::string& path) override { return PosixEnv()->IsDirectory(path); }
  bool MakeDirectory(const std::string& path) override { return PosixEnv()->MakeDirectory(path); }
  bool Remove(const std::string& path) override { return PosixEnv()->Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return !Locked(to) && PosixEnv()->Rename(from, to);
  }
  bool ListDirectory(const std::string& path, std::vector<std::string>* names) override {
    return PosixEnv()->ListDirectory(path, names);
  }

  bool Locked(const std::string& path) const {
    const std::string replaced = ReplacedPathOf(path);
    return locked.count(replaced.substr(replaced.rfind('/') + 1)) > 0;
  }

 private:
  class GuardedFile : public File {
   public:
    GuardedFile(std::unique_ptr<File> file, const LockingEnv* env, std::string path)
        : file_(std::move(file)), env_(env), path_(std::move(path)) {}
    bool ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
      return file_->ReadAt(offset, buf, n, got);
    }
    bool WriteAt(uint64_t offset, const void* buf, size_t n) override {
      return !env_->Locked(path_) && file_->WriteAt(offset, buf, n);
    }
    bool Truncate(uint64_t size) override { return !env_->Locked(path_) && file_->Truncate(size); }
    bool Sync() override { return file_->Sync(); }
    int64_t Size() override { return file_->Size(); }
    bool Lock(uint64_t offset, uint64_t len, int timeout_ms) override {
      return file_->Lock(offset, len, timeout_ms);
    }
    bool Unlock(uint64_t offset, uint64_t len) override { return file_->Unlock(offset, len); }

   private:
    std::unique_ptr<File> file_;
    const LockingEnv* env_;
    std::string path_;
  };
};

}  // namespace ledger_test
