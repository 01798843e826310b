#pragma once
// The companion file of a table: 512-byte blocks holding the byte-set values as chains.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/env.h"
#include "common/value.h"

namespace table_internal {

// Where a value was put: its first block, and the blocks of the old chain it no longer needs
// (freed by Release once the record points at the new chain).
struct ChainPlan {
  int32_t first = 0;
  std::vector<int32_t> surplus;
};

class CompanionFile {
 public:
  // Opens and checks the companion at path; nullptr when missing or invalid.
  static std::unique_ptr<CompanionFile> Open(const std::string& path, int32_t version);
  // A new companion image: the 512-byte header with block count `blocks`.
  static ByteSet NewHeader(int32_t version, double created, int32_t blocks);

  // The value whose chain starts at first (0 = empty). False on a chain that loops, leaves
  // the file or claims more than a block holds.
  bool Read(int32_t first, ByteSet* out);
  // Writes value reusing the chain at old_first, then free blocks, then new ones at the end.
  bool Store(int32_t old_first, const ByteSet& value, ChainPlan* plan);
  // Puts blocks on the free chain and shortens the file when its last blocks are free.
  bool Release(const std::vector<int32_t>& blocks);
  // Frees the whole chain starting at first (a broken chain is left as it is).
  bool FreeChain(int32_t first);
  // Back to the bare header: block count 1, nothing free.
  bool Reset();
  // The blocks of the chain at first, in chain order; false when it is broken.
  bool Chain(int32_t first, std::vector<int32_t>* out);

 private:
  CompanionFile(std::unique_ptr<File> file, const uint8_t* header);
  bool ReadNext(int32_t block, int32_t* next);
  bool WriteHeader();
  bool WriteBlocks(const std::vector<int32_t>& blocks, const ByteSet& images);
  bool TakeFree(size_t n, std::vector<int32_t>* out);
  bool Shrink();

  std::unique_ptr<File> file_;
  uint8_t header_[512];
  int32_t blocks_ = 1;
  int32_t free_count_ = 0;
  int32_t first_free_ = 0;
};

}  // namespace table_internal
