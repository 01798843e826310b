#include "common/table/companion_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "common/table/table_format.h"

namespace table_internal {
namespace tf = table_format;
namespace {

constexpr int kReadRun = 128;  // blocks read at once while following a chain

uint64_t At(int32_t block) { return static_cast<uint64_t>(block) * tf::kBlockSize; }

// The image of one data block.
void PutBlock(uint8_t* p, int32_t prev, int32_t next, const uint8_t* data, int used) {
  std::memset(p, 0, tf::kBlockSize);
  tf::PutI32(p, prev);
  tf::PutI32(p + 4, next);
  tf::PutI32(p + 8, used);
  if (used > 0) std::memcpy(p + tf::kBlockHeader, data, static_cast<size_t>(used));
}

}  // namespace

CompanionFile::CompanionFile(std::unique_ptr<File> file, const uint8_t* header)
    : file_(std::move(file)) {
  std::memcpy(header_, header, sizeof header_);
  blocks_ = tf::GetI32(header_ + tf::kBlockCountOffset);
  free_count_ = tf::GetI32(header_ + tf::kFreeCountOffset);
  first_free_ = tf::GetI32(header_ + tf::kFirstFreeOffset);
}

std::unique_ptr<CompanionFile> CompanionFile::Open(const std::string& path, int32_t version) {
  auto file = CurrentEnv()->Open(path, OpenMode::kReadWrite);
  if (!file) file = CurrentEnv()->Open(path, OpenMode::kRead);
  if (!file) return nullptr;
  uint8_t h[tf::kBlockSize];
  size_t got = 0;
  if (!file->ReadAt(0, h, sizeof h, &got) || got < 28) return nullptr;
  std::memset(h + got, 0, sizeof h - got);
  int32_t blocks = tf::GetI32(h + tf::kBlockCountOffset);
  int32_t free_count = tf::GetI32(h + tf::kFreeCountOffset);
  int32_t first_free = tf::GetI32(h + tf::kFirstFreeOffset);
  if (std::memcmp(h, tf::kCompanionSignature, 4) != 0 || tf::GetI32(h + 4) != version ||
      blocks <= 0 || free_count < 0 || free_count >= blocks || first_free < 0 ||
      first_free >= blocks)
    return nullptr;
  return std::unique_ptr<CompanionFile>(new CompanionFile(std::move(file), h));
}

ByteSet CompanionFile::NewHeader(int32_t version, double created, int32_t blocks) {
  ByteSet h(tf::kBlockSize, 0);
  std::memcpy(h.data(), tf::kCompanionSignature, 4);
  tf::PutI32(h.data() + 4, version);
  tf::PutF64(h.data() + tf::kCreationOffset, created);
  tf::PutI32(h.data() + tf::kBlockCountOffset, blocks);
  return h;
}

bool CompanionFile::Read(int32_t first, ByteSet* out) {
  out->clear();
  std::vector<uint8_t> run;
  int32_t base = 0, have = 0, cur = first;
  for (int32_t steps = 0; cur != 0; ++steps) {
    if (cur < 1 || cur >= blocks_ || steps >= blocks_) return false;
    if (cur < base || cur >= base + have) {
      base = cur;
      int32_t want = std::min<int32_t>(kReadRun, blocks_ - cur);
      run.resize(static_cast<size_t>(want) * tf::kBlockSize);
      size_t got = 0;
      if (!file_->ReadAt(At(cur), run.data(), run.size(), &got)) return false;
      have = static_cast<int32_t>(got / tf::kBlockSize);
      if (have == 0) return false;
    }
    const uint8_t* p = run.data() + At(cur - base);
    int32_t used = tf::GetI32(p + 8);
    if (used < 1 || used > tf::kBlockData) return false;
    out->insert(out->end(), p + tf::kBlockHeader, p + tf::kBlockHeader + used);
    cur = tf::GetI32(p + 4);
  }
  return true;
}

bool CompanionFile::ReadNext(int32_t block, int32_t* next) {
  uint8_t w[4];
  size_t got = 0;
  if (block < 1 || block >= blocks_) return false;
  if (!file_->ReadAt(At(block) + 4, w, 4, &got) || got != 4) return false;
  *next = tf::GetI32(w);
  return true;
}

bool CompanionFile::Chain(int32_t first, std::vector<int32_t>* out) {
  out->clear();
  std::unordered_set<int32_t> seen;
  for (int32_t cur = first; cur != 0;) {
    if (!seen.insert(cur).second) return false;
    out->push_back(cur);
    if (!ReadNext(cur, &cur)) return false;
  }
  return true;
}

bool CompanionFile::WriteHeader() {
  tf::PutI32(header_ + tf::kBlockCountOffset, blocks_);
  tf::PutI32(header_ + tf::kFreeCountOffset, free_count_);
  tf::PutI32(header_ + tf::kFirstFreeOffset, first_free_);
  return file_->WriteAt(0, header_, 28);
}

// Writes the block images (one per entry of blocks), one call per run of consecutive blocks,
// the end of the chain first: a block is only linked to once the block it links to is whole.
bool CompanionFile::WriteBlocks(const std::vector<int32_t>& blocks, const ByteSet& images) {
  for (size_t j = blocks.size(); j > 0;) {
    size_t i = j - 1;
    while (i > 0 && blocks[i - 1] + 1 == blocks[i]) --i;
    if (!file_->WriteAt(At(blocks[i]), images.data() + i * tf::kBlockSize,
                        (j - i) * tf::kBlockSize))
      return false;
    j = i;
  }
  return true;
}

bool CompanionFile::TakeFree(size_t n, std::vector<int32_t>* out) {
  int32_t head = first_free_, taken = 0;
  while (static_cast<size_t>(taken) < n && head != 0 && taken < free_count_) {
    int32_t next = 0;
    if (!ReadNext(head, &next)) break;  // a broken free chain is given up, not followed
    out->push_back(head);
    head = next;
    ++taken;
  }
  if (taken == 0) return true;
  first_free_ = static_cast<size_t>(taken) < n ? 0 : head;
  free_count_ = first_free_ == 0 ? 0 : free_count_ - taken;
  return WriteHeader();
}

bool CompanionFile::Store(int32_t old_first, const ByteSet& value, ChainPlan* plan) {
  std::vector<int32_t> old;
  if (old_first != 0 && !Chain(old_first, &old)) old.clear();  // broken: leave it alone
  size_t need = (value.size() + tf::kBlockData - 1) / tf::kBlockData;
  std::vector<int32_t> blocks(old.begin(), old.begin() + std::min(need, old.size()));
  plan->surplus.assign(old.begin() + blocks.size(), old.end());
  if (blocks.size() < need && !TakeFree(need - blocks.size(), &blocks)) return false;
  int32_t end_start = blocks_;
  while (blocks.size() < need) blocks.push_back(end_start++);
  ByteSet images(need * tf::kBlockSize);
  for (size_t i = 0; i < need; ++i) {
    size_t used = std::min<size_t>(tf::kBlockData, value.size() - i * tf::kBlockData);
    PutBlock(images.data() + i * tf::kBlockSize, i ? blocks[i - 1] : 0,
             i + 1 < need ? blocks[i + 1] : 0, value.data() + i * tf::kBlockData,
             static_cast<int>(used));
  }
  if (!WriteBlocks(blocks, images)) return false;
  if (end_start != blocks_) {
    blocks_ = end_start;
    if (!WriteHeader()) return false;
  }
  plan->first = need ? blocks[0] : 0;
  return true;
}

bool CompanionFile::Release(const std::vector<int32_t>& blocks) {
  if (blocks.empty()) return true;
  ByteSet images(blocks.size() * tf::kBlockSize);
  for (size_t i = 0; i < blocks.size(); ++i)
    PutBlock(images.data() + i * tf::kBlockSize, 0,
             i + 1 < blocks.size() ? blocks[i + 1] : first_free_, nullptr, 0);
  if (!WriteBlocks(blocks, images)) return false;
  first_free_ = blocks[0];
  free_count_ += static_cast<int32_t>(blocks.size());
  return WriteHeader() && Shrink();
}

bool CompanionFile::FreeChain(int32_t first) {
  std::vector<int32_t> chain;
  if (first == 0 || !Chain(first, &chain)) return true;
  return Release(chain);
}

// When the last blocks of the file are free, takes them off the free chain and cuts them off.
bool CompanionFile::Shrink() {
  std::vector<int32_t> chain;
  if (!Chain(first_free_, &chain)) return true;
  std::unordered_set<int32_t> free_set(chain.begin(), chain.end());
  int32_t count = blocks_;
  while (count > 1 && free_set.count(count - 1)) --count;
  if (count == blocks_) return true;
  std::vector<int32_t> kept;
  for (int32_t b : chain)
    if (b < count) kept.push_back(b);
  for (size_t i = 0; i < kept.size(); ++i) {
    uint8_t w[4];
    tf::PutI32(w, i + 1 < kept.size() ? kept[i + 1] : 0);
    if (!file_->WriteAt(At(kept[i]) + 4, w, 4)) return false;
  }
  blocks_ = count;
  first_free_ = kept.empty() ? 0 : kept[0];
  free_count_ = static_cast<int32_t>(kept.size());
  return WriteHeader() && file_->Truncate(At(count));
}

bool CompanionFile::Reset() {
  blocks_ = 1;
  free_count_ = 0;
  first_free_ = 0;
  return WriteHeader() && file_->Truncate(tf::kBlockSize);
}

}  // namespace table_internal
