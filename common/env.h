#pragma once
// Every file the programs touch goes through this seam, so that tests can put a failing
// or crashing file system in place of the real one (see tests/common/fault_env.h).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/value.h"

// An open file: reads and writes at an offset, never through a shared position.
class File {
 public:
  virtual ~File() = default;
  // Reads up to n bytes at offset into buf; *got = bytes read (short at the end). False on error.
  virtual bool ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) = 0;
  // Writes n bytes at offset, all or fail.
  virtual bool WriteAt(uint64_t offset, const void* buf, size_t n) = 0;
  // Cuts or extends the file to size bytes.
  virtual bool Truncate(uint64_t size) = 0;
  // Returns once every write made to the file so far is on the disk.
  virtual bool Sync() = 0;
  // The file's size in bytes, or -1 on error.
  virtual int64_t Size() = 0;
  // Takes a write lock on [offset, offset+len), waiting up to timeout_ms. False when not had.
  virtual bool Lock(uint64_t offset, uint64_t len, int timeout_ms) = 0;
  virtual bool Unlock(uint64_t offset, uint64_t len) = 0;
  // Which file on the disk this is (the same text for two opens of one file); "" when it
  // cannot be told.
  virtual std::string Identity() { return ""; }
};

class Env;
// The real file system.
Env* PosixEnv();

// kCreateNew fails when the file is already there.
enum class OpenMode { kRead, kReadWrite, kCreateTruncate, kCreateNew };

class Env {
 public:
  virtual ~Env() = default;
  // Opens path; nullptr when it cannot be opened in that mode.
  virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsDirectory(const std::string& path) = 0;
  // Creates one folder level; the parent must exist.
  virtual bool MakeDirectory(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // Replaces to with from in one step.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // File::Identity of the file path names now; "" when there is none or it cannot be told.
  virtual std::string IdentityOf(const std::string& path) { return ""; }
  // Returns once the names in folder path (made, renamed or removed) are on the disk.
  virtual bool SyncDirectory(const std::string& path) { return PosixEnv()->SyncDirectory(path); }
  // The names in folder path (without "." and ".."); false when it cannot be listed.
  virtual bool ListDirectory(const std::string& path, std::vector<std::string>* names) {
    return false;
  }
  // Makes path a folder that only this user may enter (mode 0700) unless it is one already.
  // False when path is anything else: a link, a file, another user's folder, or a folder
  // others may enter. (The real file system's answer unless a test env gives another.)
  virtual bool MakePrivateDirectory(const std::string& path);
  // Where the files are, as the running process sees it (common/env_process.cc answers for the
  // real process; a test env may answer otherwise).
  // The value of the environment variable name (HOME, TMPDIR, PATH); nullopt when unset.
  virtual std::optional<std::string> Variable(const std::string& name);
  // The running program's own file, "" when it cannot be told.
  virtual std::string ExecutablePath();
  // path made absolute against the working folder, "." and ".." resolved by name; path itself
  // when the working folder cannot be told.
  virtual std::string AbsolutePath(const std::string& path);
};

// A file that passes every call on to another: the base of files that watch or change a few.
class FileWrapper : public File {
 public:
  explicit FileWrapper(std::unique_ptr<File> target) : target_(std::move(target)) {}
  bool ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
    return target_->ReadAt(offset, buf, n, got);
  }
  bool WriteAt(uint64_t offset, const void* buf, size_t n) override {
    return target_->WriteAt(offset, buf, n);
  }
  bool Truncate(uint64_t size) override { return target_->Truncate(size); }
  bool Sync() override { return target_->Sync(); }
  int64_t Size() override { return target_->Size(); }
  bool Lock(uint64_t offset, uint64_t len, int timeout_ms) override {
    return target_->Lock(offset, len, timeout_ms);
  }
  bool Unlock(uint64_t offset, uint64_t len) override { return target_->Unlock(offset, len); }
  std::string Identity() override { return target_->Identity(); }

 private:
  std::unique_ptr<File> target_;
};

// An env that passes every call on to another (the real one unless told): the base of envs
// that watch or change a few calls.
class EnvWrapper : public Env {
 public:
  explicit EnvWrapper(Env* target = PosixEnv()) : target_(target) {}
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    return target_->Open(path, mode);
  }
  bool Exists(const std::string& path) override { return target_->Exists(path); }
  bool IsDirectory(const std::string& path) override { return target_->IsDirectory(path); }
  bool MakeDirectory(const std::string& path) override { return target_->MakeDirectory(path); }
  bool Remove(const std::string& path) override { return target_->Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return target_->Rename(from, to);
  }
  std::string IdentityOf(const std::string& path) override { return target_->IdentityOf(path); }
  bool SyncDirectory(const std::string& path) override { return target_->SyncDirectory(path); }
  bool ListDirectory(const std::string& path, std::vector<std::string>* names) override {
    return target_->ListDirectory(path, names);
  }
  std::optional<std::string> Variable(const std::string& name) override {
    return target_->Variable(name);
  }
  std::string ExecutablePath() override { return target_->ExecutablePath(); }
  std::string AbsolutePath(const std::string& path) override { return target_->AbsolutePath(path); }

 private:
  Env* target_;
};

// For test programs only: the real file system returns from its syncs at once (a power cut is
// simulated above the seam instead, tests/common/power_cut_env.h). The programs never call it.
void SkipSyncsForTests(bool skip);
// The env every common operation uses; PosixEnv() unless a test put another in place.
Env* CurrentEnv();
// Puts env in place (nullptr = the real one back).
void SetCurrentEnv(Env* env);

// The folder part of path, without a trailing '/' ("/" for the root, "." for a bare name).
std::string ParentFolder(const std::string& path);

// Whole-file helpers over CurrentEnv().
bool ReadWholeFile(const std::string& path, ByteSet* out);

// What a written file must survive.
enum class Durability {
  kDurable,  // a power cut: the file is synced, and so is its folder when it gets a new name
  kScratch,  // nothing: a file rebuilt at every use (a sorted copy, a working file)
};

// Every whole-file replacement of the programs goes through here. fill writes the new content
// into a temporary file of a name no other writer uses, in path's folder; that file is then
// renamed over path, so a reader sees the old file or the new one whole, never a mix. Durable:
// the new file is synced before the rename and the folder after it. On any failure path is left
// as it was and the temporary file is removed.
bool ReplaceFileWith(const std::string& path, Durability durability,
                     const std::function<bool(File& file)>& fill);
// As ReplaceFileWith, the new content being bytes.
bool ReplaceFile(const std::string& path, const ByteSet& bytes, Durability durability);
bool ReplaceFileDurably(const std::string& path, const ByteSet& bytes);
// The path a temporary file of ReplaceFileWith stands in for (path itself for any other file).
std::string ReplacedPathOf(const std::string& path);
