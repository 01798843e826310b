#pragma once
// The companion file of a table: 512-byte blocks holding the byte-set values as chains.
//
// A value is never written over: Store puts it into blocks no value uses, the caller points
// its record at them, and only then frees the old chain. The header words (block count, free
// chain) are read afresh under the range lock before blocks are taken or given back and written
// under it, so several holders of the file (other processes too) never hand out one block twice.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/env.h"
#include "common/value.h"

namespace table_internal {

class CompanionFile {
 public:
  // Opens and checks the companion at path; nullptr when missing or invalid. Without durable,
  // nothing is synced (a file rebuilt at every use).
  static std::unique_ptr<CompanionFile> Open(const std::string& path, int32_t version,
                                             bool durable);
  // A new companion image: the 512-byte header with block count `blocks`.
  static ByteSet NewHeader(int32_t version, double created, int32_t blocks);

  bool writable() const { return writable_; }
  // The block count as last read from the header.
  int32_t block_count() const { return blocks_; }
  // Takes the header lock and reads the header words afresh (see HeaderLock).
  bool LockHeader();
  void UnlockHeader();

  // The value whose chain starts at first (0 = empty). False on a chain that loops, leaves
  // the file or claims more than a block holds.
  bool Read(int32_t first, ByteSet* out);
  // Writes value into blocks that no value uses (free ones first, then new ones at the end) and
  // makes them and the header that takes them durable; *first = its first block (0 = empty).
  bool Store(const ByteSet& value, int32_t* first);
  // Puts the chains starting at these blocks on the free chain (broken chains are left as they
  // are) and shortens the file when its last blocks are free. Not synced: no record names these
  // blocks any more, so a cut before this reaches the disk only leaves them unused; the next
  // sync of the companion takes it along.
  bool FreeChains(const std::vector<int32_t>& firsts);
  // Back to the bare header: block count 1, nothing free.
  bool Reset();
  // The blocks of the chain at first, in chain order; false when it is broken.
  bool Chain(int32_t first, std::vector<int32_t>* out);

 private:
  CompanionFile(std::unique_ptr<File> file, const uint8_t* header, bool writable, bool durable);
  bool ReadHeaderWords();
  bool WriteHeaderWords();
  bool Sync() { return !durable_ || file_->Sync(); }
  // The "next" word of block (read through a window of blocks kept from the last read).
  bool ReadNext(int32_t block, int32_t* next);
  bool WriteBlocks(const int32_t* blocks, size_t n, const ByteSet& images);
  bool TakeFree(size_t n, std::vector<int32_t>* out);
  bool Shrink();

  std::unique_ptr<File> file_;
  bool writable_;
  bool durable_;
  int32_t blocks_ = 1;
  int32_t free_count_ = 0;
  int32_t first_free_ = 0;
  // The blocks from window_first_ read by the last ReadNext.
  std::vector<uint8_t> window_;
  int32_t window_first_ = 0;
  int32_t window_blocks_ = 0;
};

// The companion header locked for one scope, its words read afresh.
class HeaderLock {
 public:
  explicit HeaderLock(CompanionFile* c) : c_(c), held_(c->LockHeader()) {}
  ~HeaderLock() {
    if (held_) c_->UnlockHeader();
  }
  HeaderLock(const HeaderLock&) = delete;
  HeaderLock& operator=(const HeaderLock&) = delete;
  bool held() const { return held_; }

 private:
  CompanionFile* c_;
  bool held_;
};

}  // namespace table_internal
