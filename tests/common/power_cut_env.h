#pragma once
// Power cuts, simulated above the file seam. PowerCutEnv is the real file system that records
// every write, truncation, sync and name change made under one folder. Afterwards StateAt
// gives what a power cut after any number of those operations could have left on the disk:
// everything that was synced, and of the rest what a Chooser lets through:
//   - each piece of an unsynced write that falls in one 512-byte sector of the file, and each
//     unsynced truncation, independently (a write cut at a sector boundary is a torn write);
//     a lost piece past the end of the file may still have made the file longer, with zeros;
//   - of each folder's unsynced name changes (files made, renamed, removed, folders made) a
//     prefix, in order, as a journalling file system keeps them.
// CutReplay then restores such states one by one into a check folder and compares what the
// files hold with the outcomes a run's acknowledged steps allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/env.h"

namespace power_cut {

constexpr uint64_t kSector = 512;

// What became of an unsynced piece of a write.
enum class Piece { kLost, kWritten, kZeroed };

// Decides the unsynced part of a cut.
class Chooser {
 public:
  virtual ~Chooser() = default;
  virtual Piece ChoosePiece() = 0;
  // How many of a folder's n unsynced name changes reached the disk.
  virtual size_t KeptNames(size_t n) = 0;
};

// Nothing unsynced reached the disk: the strictest cut.
class LoseAll : public Chooser {
 public:
  Piece ChoosePiece() override { return Piece::kLost; }
  size_t KeptNames(size_t) override { return 0; }
};

// Everything written reached the disk, as when only the process is killed.
class KeepAll : public Chooser {
 public:
  Piece ChoosePiece() override { return Piece::kWritten; }
  size_t KeptNames(size_t n) override { return n; }
};

class RandomChoice : public Chooser {
 public:
  explicit RandomChoice(std::mt19937* rng) : rng_(rng) {}
  Piece ChoosePiece() override {
    unsigned r = (*rng_)() % 8;
    return r < 4 ? Piece::kWritten : r < 7 ? Piece::kLost : Piece::kZeroed;
  }
  size_t KeptNames(size_t n) override { return (*rng_)() % (n + 1); }

 private:
  std::mt19937* rng_;
};

// The files (path -> bytes) and folders under a folder.
struct Image {
  std::map<std::string, ByteSet> files;
  std::set<std::string> folders;
};

inline bool Under(const std::string& folder, const std::string& path) {
  return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
         path[folder.size()] == '/';
}

// The files and folders under folder as they are on disk now.
inline Image ImageOf(const std::string& folder) {
  Image image;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    std::string p = e.path().string();
    if (e.is_directory()) {
      image.folders.insert(p);
    } else {
      ReadWholeFile(p, &image.files[p]);
    }
  }
  return image;
}

// A file system in memory, where replayed states are read: restoring one and reading its
// tables costs no disk work. Range locks are always had; syncs return at once.
class MemoryEnv : public Env {
 public:
  // Makes folder `to` hold image (taken under folder `from`), and nothing else.
  void Restore(const Image& image, const std::string& from, const std::string& to) {
    files_.clear();
    folders_ = {to};
    auto moved = [&](const std::string& p) { return to + p.substr(from.size()); };
    for (const std::string& f : image.folders) folders_.insert(moved(f));
    for (const auto& [path, bytes] : image.files)
      files_[moved(path)] = std::make_shared<ByteSet>(bytes);
  }

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    auto it = files_.find(path);
    bool create = mode == OpenMode::kCreateTruncate || mode == OpenMode::kCreateNew;
    if (it == files_.end()) {
      if (!create || !folders_.count(ParentFolder(path))) return nullptr;
      it = files_.emplace(path, std::make_shared<ByteSet>()).first;
    } else if (mode == OpenMode::kCreateNew) {
      return nullptr;
    } else if (mode == OpenMode::kCreateTruncate) {
      it->second->clear();
    }
    return std::make_unique<MemoryFile>(it->second);
  }
  bool Exists(const std::string& p) override { return files_.count(p) || folders_.count(p); }
  bool IsDirectory(const std::string& p) override { return folders_.count(p) > 0; }
  bool MakeDirectory(const std::string& p) override {
    if (Exists(p) || !folders_.count(ParentFolder(p))) return false;
    folders_.insert(p);
    return true;
  }
  bool Remove(const std::string& p) override { return files_.erase(p) > 0; }
  bool Rename(const std::string& from, const std::string& to) override {
    auto it = files_.find(from);
    if (it == files_.end()) return false;
    files_[to] = it->second;
    files_.erase(from);
    return true;
  }
  bool SyncDirectory(const std::string& p) override { return IsDirectory(p); }
  bool ListDirectory(const std::string& p, std::vector<std::string>* names) override {
    names->clear();
    if (!folders_.count(p)) return false;
    for (const auto& [f, bytes] : files_)
      if (ParentFolder(f) == p) names->push_back(f.substr(p.size() + 1));
    for (const std::string& f : folders_)
      if (f != p && ParentFolder(f) == p) names->push_back(f.substr(p.size() + 1));
    return true;
  }

 private:
  class MemoryFile : public File {
   public:
    explicit MemoryFile(std::shared_ptr<ByteSet> bytes) : bytes_(std::move(bytes)) {}
    bool ReadAt(uint64_t o, void* b, size_t n, size_t* got) override {
      *got = o >= bytes_->size() ? 0 : std::min<size_t>(n, bytes_->size() - o);
      std::copy_n(
          bytes_->begin() + static_cast<std::ptrdiff_t>(std::min<uint64_t>(o, bytes_->size())),
          *got, static_cast<uint8_t*>(b));
      return true;
    }
    bool WriteAt(uint64_t o, const void* b, size_t n) override {
      if (bytes_->size() < o + n) bytes_->resize(o + n, 0);
      std::copy_n(static_cast<const uint8_t*>(b), n,
                  bytes_->begin() + static_cast<std::ptrdiff_t>(o));
      return true;
    }
    bool Truncate(uint64_t size) override {
      bytes_->resize(size, 0);
      return true;
    }
    bool Sync() override { return true; }
    int64_t Size() override { return static_cast<int64_t>(bytes_->size()); }
    bool Lock(uint64_t, uint64_t, int) override { return true; }
    bool Unlock(uint64_t, uint64_t) override { return true; }

   private:
    std::shared_ptr<ByteSet> bytes_;
  };

  std::map<std::string, std::shared_ptr<ByteSet>> files_;
  std::set<std::string> folders_;
};

class PowerCutEnv : public EnvWrapper {
 public:
  // Records what is done under folder from now on; its files as they are now are the start.
  explicit PowerCutEnv(std::string folder) : folder_(std::move(folder)) {
    Image start = ImageOf(folder_);
    start_folders_ = start.folders;
    for (auto& [path, bytes] : start.files) start_names_[path] = NewInode(std::move(bytes));
    names_ = start_names_;
  }

  // Operations recorded so far: a cut can fall after any of the first 0 .. Recorded().
  size_t Recorded() const { return ops_.size(); }
  const std::string& folder() const { return folder_; }

  // What a power cut after the first `at` operations leaves under the folder.
  Image StateAt(size_t at, Chooser& chooser) const {
    std::vector<size_t> synced_before(inodes_.size(), 0);
    std::map<std::string, size_t> names_synced_before;
    for (size_t i = 0; i < at; ++i) {
      if (ops_[i].kind == kSync) synced_before[ops_[i].inode] = i;
      if (ops_[i].kind == kSyncFolder) names_synced_before[ops_[i].path] = i;
    }
    std::vector<ByteSet> content = inodes_;
    for (size_t i = 0; i < at; ++i) {
      const Op& op = ops_[i];
      if (op.kind != kWrite && op.kind != kTruncate) continue;
      ByteSet& c = content[op.inode];
      bool synced = i < synced_before[op.inode];
      if (op.kind == kTruncate) {
        if (synced || chooser.ChoosePiece() == Piece::kWritten) c.resize(op.offset);
        continue;
      }
      for (uint64_t from = op.offset; from < op.offset + op.data.size();) {
        uint64_t to =
            std::min<uint64_t>((from / kSector + 1) * kSector, op.offset + op.data.size());
        Piece piece = synced ? Piece::kWritten : chooser.ChoosePiece();
        if (piece != Piece::kLost && c.size() < to) c.resize(to, 0);
        if (piece == Piece::kWritten)
          std::copy(op.data.begin() + (from - op.offset), op.data.begin() + (to - op.offset),
                    c.begin() + from);
        from = to;
      }
    }
    std::map<std::string, size_t> unsynced, kept;
    for (size_t i = 0; i < at; ++i)
      if (IsNameChange(ops_[i]) && !NameChangeSynced(i, names_synced_before)) ++unsynced[Folder(i)];
    for (const auto& [folder, n] : unsynced) kept[folder] = chooser.KeptNames(n);
    std::map<std::string, int> names = start_names_;
    Image image;
    image.folders = start_folders_;
    for (size_t i = 0; i < at; ++i) {
      const Op& op = ops_[i];
      if (!IsNameChange(op)) continue;
      if (!NameChangeSynced(i, names_synced_before) && kept[Folder(i)]-- == 0) {
        kept[Folder(i)] = 0;
        continue;
      }
      if (op.kind == kLink) names[op.path] = op.inode;
      if (op.kind == kUnlink) names.erase(op.path);
      if (op.kind == kFolder) image.folders.insert(op.path);
      if (op.kind == kRename && names.count(op.path)) {
        names[op.to] = names[op.path];
        names.erase(op.path);
      }
    }
    for (const auto& [path, inode] : names) {
      bool reachable = true;
      for (std::string f = ParentFolder(path); f != folder_; f = ParentFolder(f))
        reachable = reachable && image.folders.count(f);
      if (reachable) image.files[path] = content[inode];
    }
    return image;
  }

  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    auto real = EnvWrapper::Open(path, mode);
    if (!real || !Under(folder_, path)) return real;
    int inode;
    auto it = names_.find(path);
    if (it != names_.end() && mode != OpenMode::kCreateNew) {
      inode = it->second;
      if (mode == OpenMode::kCreateTruncate) Add({kTruncate, inode, 0, {}, path, ""});
    } else if (it == names_.end() && mode != OpenMode::kCreateTruncate &&
               mode != OpenMode::kCreateNew) {
      ByteSet now;  // made outside this env: taken as it is
      ReadWholeFile(path, &now);
      inode = NewInode(std::move(now));
      names_[path] = inode;
    } else {
      inode = NewInode({});
      names_[path] = inode;
      Add({kLink, inode, 0, {}, path, ""});
    }
    return std::make_unique<RecordingFile>(std::move(real), this, inode);
  }
  bool MakeDirectory(const std::string& p) override {
    if (!EnvWrapper::MakeDirectory(p)) return false;
    if (Under(folder_, p)) Add({kFolder, -1, 0, {}, p, ""});
    return true;
  }
  bool Remove(const std::string& p) override {
    if (!EnvWrapper::Remove(p)) return false;
    if (Under(folder_, p)) {
      names_.erase(p);
      Add({kUnlink, -1, 0, {}, p, ""});
    }
    return true;
  }
  bool Rename(const std::string& from, const std::string& to) override {
    if (!EnvWrapper::Rename(from, to)) return false;
    if (Under(folder_, to)) {
      names_[to] = names_[from];
      names_.erase(from);
      Add({kRename, -1, 0, {}, from, to});
    }
    return true;
  }
  bool SyncDirectory(const std::string& p) override {
    if (!EnvWrapper::SyncDirectory(p)) return false;
    if (p == folder_ || Under(folder_, p)) Add({kSyncFolder, -1, 0, {}, p, ""});
    return true;
  }

 private:
  enum Kind { kWrite, kTruncate, kSync, kLink, kUnlink, kRename, kFolder, kSyncFolder };
  struct Op {
    Kind kind;
    int inode;
    uint64_t offset;  // of a write; the new size of a truncation
    ByteSet data;
    std::string path, to;
  };

  class RecordingFile : public FileWrapper {
   public:
    RecordingFile(std::unique_ptr<File> real, PowerCutEnv* env, int inode)
        : FileWrapper(std::move(real)), env_(env), inode_(inode) {}
    bool WriteAt(uint64_t o, const void* b, size_t n) override {
      if (!FileWrapper::WriteAt(o, b, n)) return false;
      const uint8_t* p = static_cast<const uint8_t*>(b);
      env_->Add({kWrite, inode_, o, ByteSet(p, p + n), "", ""});
      return true;
    }
    bool Truncate(uint64_t size) override {
      if (!FileWrapper::Truncate(size)) return false;
      env_->Add({kTruncate, inode_, size, {}, "", ""});
      return true;
    }
    bool Sync() override {
      if (!FileWrapper::Sync()) return false;
      env_->Add({kSync, inode_, 0, {}, "", ""});
      return true;
    }

   private:
    PowerCutEnv* env_;
    int inode_;
  };

  int NewInode(ByteSet bytes) {
    inodes_.push_back(std::move(bytes));
    return static_cast<int>(inodes_.size()) - 1;
  }
  void Add(Op op) { ops_.push_back(std::move(op)); }
  static bool IsNameChange(const Op& op) {
    return op.kind == kLink || op.kind == kUnlink || op.kind == kRename || op.kind == kFolder;
  }
  std::string Folder(size_t i) const {
    return ParentFolder(ops_[i].kind == kRename ? ops_[i].to : ops_[i].path);
  }
  bool NameChangeSynced(size_t i, const std::map<std::string, size_t>& synced_before) const {
    auto it = synced_before.find(Folder(i));
    return it != synced_before.end() && i < it->second;
  }

  std::string folder_;
  std::vector<Op> ops_;
  std::vector<ByteSet> inodes_;  // each file's bytes when first seen
  std::map<std::string, int> start_names_, names_;
  std::set<std::string> start_folders_;
};

// A recorded run's steps: each an operation that returned success, with where it began and
// where it returned among the recorded operations, and what the files read after it.
struct Step {
  size_t begun, acknowledged;
  std::string after;
};

// Reads what matters of the files in folder as one text (which names anything that does not
// open, so that it matches no outcome).
using Reader = std::function<std::string(const std::string& folder)>;

class CutReplay {
 public:
  // env records the run (made right before it); the states are read as if in folder check.
  CutReplay(const PowerCutEnv& env, Reader read, std::string check)
      : env_(env), read_(std::move(read)), check_(std::move(check)) {
    outcomes_.push_back(Read(ImageOf(env_.folder())));
  }

  // Runs op (which must succeed) as the next step, reading the files after it.
  void Step(const std::function<bool()>& op) {
    size_t begun = env_.Recorded();
    ASSERT_TRUE(op());
    NoteStep(begun);
  }
  // Notes a step that began at begun and has just been acknowledged.
  void NoteStep(size_t begun) {
    size_t acknowledged = env_.Recorded();
    steps_.push_back({begun, acknowledged, Read(ImageOf(env_.folder()))});
    outcomes_.push_back(steps_.back().after);
  }
  const std::vector<power_cut::Step>& steps() const { return steps_; }

  // Replays a cut after every recorded operation, losing all that was unsynced and keeping
  // all of it, and `random` cuts at random points with random choices (seeded). Every state
  // must read as the outcome of a number of steps from those acknowledged before the cut to
  // those begun before it.
  void Replay(int random, uint32_t seed = 1) {
    EXPECT_NE(outcomes_.front(), outcomes_.back()) << "the run changed nothing that is read";
    for (size_t at = 0; at <= env_.Recorded(); ++at) {
      LoseAll lose;
      Check(at, lose, "all unsynced lost");
      KeepAll keep;
      Check(at, keep, "all written kept");
    }
    std::mt19937 rng(seed);
    for (int i = 0; i < random; ++i) {
      size_t at = rng() % (env_.Recorded() + 1);
      RandomChoice choice(&rng);
      Check(at, choice, "random " + std::to_string(i));
    }
    std::cout << "[ power cut ] " << replayed_ << " states replayed over " << env_.Recorded()
              << " recorded operations\n";
  }
  size_t replayed() const { return replayed_; }

 private:
  // What read gives for image, restored in memory.
  std::string Read(const Image& image) {
    Env* before = CurrentEnv();
    memory_.Restore(image, env_.folder(), check_);
    SetCurrentEnv(&memory_);
    std::string got = read_(check_);
    SetCurrentEnv(before);
    return got;
  }

  void Check(size_t at, Chooser& chooser, const std::string& how) {
    ++replayed_;
    std::string got = Read(env_.StateAt(at, chooser));
    size_t lo = 0, hi = 0;
    for (const auto& s : steps_) {
      lo += s.acknowledged <= at;
      hi += s.begun < at;
    }
    for (size_t j = lo; j <= hi && j < outcomes_.size(); ++j)
      if (got == outcomes_[j]) return;
    std::string allowed;
    for (size_t j = lo; j <= hi && j < outcomes_.size(); ++j)
      allowed += "\n--- or ---\n" + outcomes_[j];
    ADD_FAILURE() << "cut after " << at << " of " << env_.Recorded() << " (" << how << "), steps "
                  << lo << ".." << hi << " allowed; read:\n"
                  << got << "\nallowed:" << allowed;
  }

  const PowerCutEnv& env_;
  Reader read_;
  std::string check_;
  MemoryEnv memory_;
  std::vector<power_cut::Step> steps_;
  std::vector<std::string> outcomes_;
  size_t replayed_ = 0;
};

}  // namespace power_cut
