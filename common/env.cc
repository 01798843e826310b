#include "common/env.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

bool g_skip_syncs = false;

std::string IdentityText(const struct stat& st) {
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

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
  bool Sync() override { return g_skip_syncs || ::fdatasync(fd_) == 0; }

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

  std::string Identity() override {
    struct stat st;
    return ::fstat(fd_, &st) == 0 ? IdentityText(st) : "";
  }

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
      case OpenMode::kCreateNew:
        flags |= O_RDWR | O_CREAT | O_EXCL;
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
  std::string IdentityOf(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? IdentityText(st) : "";
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
  bool SyncDirectory(const std::string& path) override {
    if (g_skip_syncs) return IsDirectory(path);
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
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

void SkipSyncsForTests(bool skip) { g_skip_syncs = skip; }

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

std::string ParentFolder(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

namespace {

// Temporary names are path + "." + process id + "-" + a number of this process + kTempSuffix.
constexpr char kTempSuffix[] = ".new";

std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + kTempSuffix;
}

// A new temporary file beside path (a name taken by a crashed run is passed over).
std::unique_ptr<File> CreateTemporary(Env* env, const std::string& path, std::string* name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = TemporaryName(path);
    if (auto f = env->Open(*name, OpenMode::kCreateNew)) return f;
    if (!env->Exists(*name)) break;  // not a name clash: the folder cannot take the file
  }
  return nullptr;
}

}  // namespace

bool ReplaceFileWith(const std::string& path, Durability durability,
                     const std::function<bool(File& file)>& fill) {
  Env* env = CurrentEnv();
  std::string tmp;
  auto f = CreateTemporary(env, path, &tmp);
  if (!f) return false;
  const bool durable = durability == Durability::kDurable;
  bool ok = fill(*f) && (!durable || f->Sync());
  f.reset();
  if (!ok || !env->Rename(tmp, path)) {
    env->Remove(tmp);
    return false;
  }
  return !durable || env->SyncDirectory(ParentFolder(path));
}

bool ReplaceFile(const std::string& path, const ByteSet& bytes, Durability durability) {
  return ReplaceFileWith(path, durability,
                         [&](File& f) { return f.WriteAt(0, bytes.data(), bytes.size()); });
}

bool ReplaceFileDurably(const std::string& path, const ByteSet& bytes) {
  return ReplaceFile(path, bytes, Durability::kDurable);
}

std::string ReplacedPathOf(const std::string& path) {
  const std::string suffix = kTempSuffix;
  if (path.size() <= suffix.size() ||
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
    return path;
  size_t end = path.size() - suffix.size();
  size_t dash = path.rfind('-', end);
  size_t dot = dash == std::string::npos ? std::string::npos : path.rfind('.', dash);
  if (dot == std::string::npos || dot < path.rfind('/') + 1 || dash == dot + 1 || end == dash + 1)
    return path;
  for (size_t i = dot + 1; i < end; ++i)
    if (i != dash && (path[i] < '0' || path[i] > '9')) return path;
  return path.substr(0, dot);
}
