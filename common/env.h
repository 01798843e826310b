#pragma once
// Every file the programs touch goes through this seam, so that tests can put a failing
// or crashing file system in place of the real one (see tests/common/fault_env.h).
#include <cstddef>
#include <cstdint>
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
  virtual bool Sync() = 0;
  // The file's size in bytes, or -1 on error.
  virtual int64_t Size() = 0;
  // Takes a write lock on [offset, offset+len), waiting up to timeout_ms. False when not had.
  virtual bool Lock(uint64_t offset, uint64_t len, int timeout_ms) = 0;
  virtual bool Unlock(uint64_t offset, uint64_t len) = 0;
};

enum class OpenMode { kRead, kReadWrite, kCreateTruncate };

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

// The real file system.
Env* PosixEnv();
// The env every common operation uses; PosixEnv() unless a test put another in place.
Env* CurrentEnv();
// Puts env in place (nullptr = the real one back).
void SetCurrentEnv(Env* env);

// Whole-file helpers over CurrentEnv().
bool ReadWholeFile(const std::string& path, ByteSet* out);
// Writes bytes beside path, then renames over it: the old file stays whole when a write fails.
bool WriteWholeFileAtomic(const std::string& path, const ByteSet& bytes);
