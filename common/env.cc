#include "common/env.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

class PosixFile : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }

  bool ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
    size_t done = 0;
    while (done < n) {
      ssize_t r = ::pread(fd_, static_cast<char*>(buf) + done, n - done, offset + done);
      if (r < 0 && errno == EINTR) continue;
      if (r < 0) return false;
      if (r == 0) break;
      done += static_cast<size_t>(r);
    }
    *got = done;
    return true;
  }

  bool WriteAt(uint64_t offset, const void* buf, size_t n) override {
    size_t done = 0;
    while (done < n) {
      ssize_t r = ::pwrite(fd_, static_cast<const char*>(buf) + done, n - done, offset + done);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) return false;
      done += static_cast<size_t>(r);
    }
    return true;
  }

  bool Truncate(uint64_t size) override { return ::ftruncate(fd_, static_cast<off_t>(size)) == 0; }
  bool Sync() override { return ::fdatasync(fd_) == 0; }

  int64_t Size() override {
    struct stat st;
    return ::fstat(fd_, &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
  }

  bool Lock(uint64_t offset, uint64_t len, int timeout_ms) override {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      if (SetLock(F_WRLCK, offset, len)) return true;
      if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  bool Unlock(uint64_t offset, uint64_t len) override { return SetLock(F_UNLCK, offset, len); }

 private:
  // Open-file-description locks: held per open file, so two opens in one process exclude
  // each other as two processes do.
  bool SetLock(short type, uint64_t offset, uint64_t len) {
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = static_cast<off_t>(len);
    return ::fcntl(fd_, F_OFD_SETLK, &fl) == 0;
  }

  int fd_;
};

class PosixEnvImpl : public Env {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case OpenMode::kRead:
        flags |= O_RDONLY;
        break;
      case OpenMode::kReadWrite:
        flags |= O_RDWR;
        break;
      case OpenMode::kCreateTruncate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixFile>(fd);
  }
  bool Exists(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
  }
  bool IsDirectory(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }
  bool MakeDirectory(const std::string& path) override { return ::mkdir(path.c_str(), 0755) == 0; }
  bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
  bool Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0;
  }
  bool ListDirectory(const std::string& path, std::vector<std::string>* names) override {
    names->clear();
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return false;
    while (struct dirent* e = ::readdir(dir)) {
      std::string name = e->d_name;
      if (name != "." && name != "..") names->push_back(name);
    }
    ::closedir(dir);
    return true;
  }
  bool MakePrivateDirectory(const std::string& path) override {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 0777) == 0700;
  }
};

Env* g_env = nullptr;

}  // namespace

bool Env::MakePrivateDirectory(const std::string& path) {
  return PosixEnv()->MakePrivateDirectory(path);
}

Env* PosixEnv() {
  static PosixEnvImpl env;
  return &env;
}

Env* CurrentEnv() { return g_env ? g_env : PosixEnv(); }
void SetCurrentEnv(Env* env) { g_env = env; }

bool ReadWholeFile(const std::string& path, ByteSet* out) {
  out->clear();
  auto f = CurrentEnv()->Open(path, OpenMode::kRead);
  if (!f) return false;
  int64_t size = f->Size();
  if (size < 0) return false;
  out->resize(static_cast<size_t>(size));
  size_t got = 0;
  if (!f->ReadAt(0, out->data(), out->size(), &got)) {
    out->clear();
    return false;
  }
  out->resize(got);
  return true;
}

bool WriteWholeFileAtomic(const std::string& path, const ByteSet& bytes) {
  Env* env = CurrentEnv();
  std::string tmp = path + ".new";
  auto f = env->Open(tmp, OpenMode::kCreateTruncate);
  if (!f) return false;
  bool ok = f->WriteAt(0, bytes.data(), bytes.size()) && f->Sync();
  f.reset();
  if (!ok || !env->Rename(tmp, path)) {
    env->Remove(tmp);
    return false;
  }
  return true;
}
