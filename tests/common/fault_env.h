#pragma once
// A file system for tests: the real one, except that it can fail the n-th write or stop
// writing altogether after it, as a full disk or a crash would. Writes are WriteAt,
// Truncate and Rename calls and the creation of a file; reads are never failed.
#include <memory>
#include <string>

#include "common/env.h"

class FaultEnv : public EnvWrapper {
 public:
  // The n-th write from now (1 = the next one) fails; the others go through.
  void FailWrite(int n) { Arm(n, false); }
  // The n-th write from now and every later one fail, as after a crash.
  void StopWritesFrom(int n) { Arm(n, true); }
  // Every write goes through again.
  void Heal() { fail_at_ = 0; }
  // Files can be opened for reading only, as on a read-only disk or file.
  void DenyReadWrite(bool deny) { deny_rw_ = deny; }
  // Writes attempted since the env was made.
  int writes() const { return writes_; }

  // Called for each write; false when it is to fail.
  bool AllowWrite() {
    ++writes_;
    if (fail_at_ == 0 || writes_ < fail_at_) return true;
    if (!sticky_ && writes_ > fail_at_) return true;
    return false;
  }

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
  bool Rename(const std::string& from, const std::string& to) override {
    return AllowWrite() && EnvWrapper::Rename(from, to);
  }

 private:
  void Arm(int n, bool sticky) {
    fail_at_ = writes_ + n;
    sticky_ = sticky;
  }
  int writes_ = 0;
  int fail_at_ = 0;
  bool deny_rw_ = false;
  bool sticky_ = false;
};

// A real file whose writes ask the env first.
class FaultFile : public FileWrapper {
 public:
  FaultFile(std::unique_ptr<File> real, FaultEnv* env) : FileWrapper(std::move(real)), env_(env) {}
  bool WriteAt(uint64_t offset, const void* buf, size_t n) override {
    return env_->AllowWrite() && FileWrapper::WriteAt(offset, buf, n);
  }
  bool Truncate(uint64_t size) override {
    return env_->AllowWrite() && FileWrapper::Truncate(size);
  }

 private:
  FaultEnv* env_;
};

inline std::unique_ptr<File> FaultEnv::Open(const std::string& path, OpenMode mode) {
  if (deny_rw_ && mode != OpenMode::kRead) return nullptr;
  if ((mode == OpenMode::kCreateTruncate || mode == OpenMode::kCreateNew) && !AllowWrite())
    return nullptr;
  auto real = EnvWrapper::Open(path, mode);
  if (!real) return nullptr;
  return std::make_unique<FaultFile>(std::move(real), this);
}

// Puts a FaultEnv in place for one scope.
class ScopedFaultEnv {
 public:
  ScopedFaultEnv() { SetCurrentEnv(&env_); }
  ~ScopedFaultEnv() { SetCurrentEnv(nullptr); }
  FaultEnv* operator->() { return &env_; }

 private:
  FaultEnv env_;
};
