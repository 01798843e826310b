#include "common/table/companion_file.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "common/table/table_format.h"

namespace table_internal {
namespace tf = table_format;
namespace {

constexpr int kReadRun = 128;   // blocks read at once while following a chain
constexpr int kWriteRun = 128;  // blocks put together for one write at most
// The header words that the range lock guards: block count, free-block count, first free.
constexpr uint64_t kWordsOffset = tf::kBlockCountOffset;
constexpr size_t kWordsSize = 12;

uint64_t At(int32_t block) { return static_cast<uint64_t>(block) * tf::kBlockSize; }

// The image of one data block.
void PutBlock(uint8_t* p, int32_t prev, int32_t next, const uint8_t* data, int used) {
  std::memset(p, 0, tf::kBlockSize);
  tf::PutI32(p, prev);
  tf::PutI32(p + 4, next);
  tf::PutI32(p + 8, used);
  if (used > 0) std::memcpy(p + tf::kBlockHeader, data, static_cast<size_t>(used));
}

bool WordsValid(int32_t blocks, int32_t free_count, int32_t first_free) {
  return blocks > 0 && free_count >= 0 && free_count < blocks && first_free >= 0 &&
         first_free < blocks;
}

}  // namespace

CompanionFile::CompanionFile(std::unique_ptr<File> file, const uint8_t* header, bool writable,
                             bool durable)
    : file_(std::move(file)), writable_(writable), durable_(durable) {
  blocks_ = tf::GetI32(header + tf::kBlockCountOffset);
  free_count_ = tf::GetI32(header + tf::kFreeCountOffset);
  first_free_ = tf::GetI32(header + tf::kFirstFreeOffset);
}

std::unique_ptr<CompanionFile> CompanionFile::Open(const std::string& path, int32_t version,
                                                   bool durable) {
  bool writable = true;
  auto file = CurrentEnv()->Open(path, OpenMode::kReadWrite);
  if (!file) {
    file = CurrentEnv()->Open(path, OpenMode::kRead);
    writable = false;
  }
  if (!file) return nullptr;
  uint8_t h[tf::kBlockSize];
  size_t got = 0;
  if (!file->ReadAt(0, h, sizeof h, &got) || got < 28) return nullptr;
  std::memset(h + got, 0, sizeof h - got);
  if (std::memcmp(h, tf::kCompanionSignature, 4) != 0 || tf::GetI32(h + 4) != version ||
      !WordsValid(tf::GetI32(h + tf::kBlockCountOffset), tf::GetI32(h + tf::kFreeCountOffset),
                  tf::GetI32(h + tf::kFirstFreeOffset)))
    return nullptr;
  return std::unique_ptr<CompanionFile>(new CompanionFile(std::move(file), h, writable, durable));
}

ByteSet CompanionFile::NewHeader(int32_t version, double created, int32_t blocks) {
  ByteSet h(tf::kBlockSize, 0);
  std::memcpy(h.data(), tf::kCompanionSignature, 4);
  tf::PutI32(h.data() + 4, version);
  tf::PutF64(h.data() + tf::kCreationOffset, created);
  tf::PutI32(h.data() + tf::kBlockCountOffset, blocks);
  return h;
}

bool CompanionFile::LockHeader() {
  if (writable_ && !file_->Lock(kWordsOffset, kWordsSize, tf::kLockWaitMs)) return false;
  window_blocks_ = 0;  // another holder may have written blocks since
  if (ReadHeaderWords()) return true;
  UnlockHeader();
  return false;
}

void CompanionFile::UnlockHeader() {
  if (writable_) file_->Unlock(kWordsOffset, kWordsSize);
}

bool CompanionFile::ReadHeaderWords() {
  uint8_t w[kWordsSize];
  size_t got = 0;
  if (!file_->ReadAt(kWordsOffset, w, sizeof w, &got) || got != sizeof w) return false;
  int32_t blocks = tf::GetI32(w), free_count = tf::GetI32(w + 4), first_free = tf::GetI32(w + 8);
  if (!WordsValid(blocks, free_count, first_free)) return false;
  blocks_ = blocks;
  free_count_ = free_count;
  first_free_ = first_free;
  return true;
}

bool CompanionFile::WriteHeaderWords() {
  uint8_t w[kWordsSize];
  tf::PutI32(w, blocks_);
  tf::PutI32(w + 4, free_count_);
  tf::PutI32(w + 8, first_free_);
  return file_->WriteAt(kWordsOffset, w, sizeof w);
}

bool CompanionFile::Read(int32_t first, ByteSet* out) {
  out->clear();
  std::vector<uint8_t> run;
  int32_t base = 0, have = 0, cur = first;
  bool refreshed = false;
  for (int32_t steps = 0; cur != 0; ++steps) {
    if (cur >= blocks_ && !refreshed) {  // another holder may have added blocks since
      refreshed = true;
      HeaderLock lock(this);
    }
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
  if (block < 1 || block >= blocks_) return false;
  if (block < window_first_ || block >= window_first_ + window_blocks_) {
    int32_t want = std::min<int32_t>(kReadRun, blocks_ - block);
    window_.resize(static_cast<size_t>(want) * tf::kBlockSize);
    size_t got = 0;
    window_blocks_ = 0;
    if (!file_->ReadAt(At(block), window_.data(), window_.size(), &got)) return false;
    window_first_ = block;
    window_blocks_ = static_cast<int32_t>(got / tf::kBlockSize);
    if (window_blocks_ == 0) return false;
  }
  *next = tf::GetI32(window_.data() + At(block - window_first_) + 4);
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

// Writes the images of the n blocks listed, one call per run of consecutive blocks.
bool CompanionFile::WriteBlocks(const int32_t* blocks, size_t n, const ByteSet& images) {
  window_blocks_ = 0;
  for (size_t i = 0; i < n;) {
    size_t j = i + 1;
    while (j < n && blocks[j - 1] + 1 == blocks[j]) ++j;
    if (!file_->WriteAt(At(blocks[i]), images.data() + i * tf::kBlockSize,
                        (j - i) * tf::kBlockSize))
      return false;
    i = j;
  }
  return true;
}

// Takes up to n blocks off the head of the free chain (header words locked and fresh). A broken
// free chain is given up where it breaks: its rest is lost to reuse, never followed.
bool CompanionFile::TakeFree(size_t n, std::vector<int32_t>* out) {
  int32_t head = first_free_, taken = 0;
  std::unordered_set<int32_t> seen;
  while (static_cast<size_t>(taken) < n && head != 0 && taken < free_count_) {
    int32_t next = 0;
    if (!seen.insert(head).second || !ReadNext(head, &next)) {
      head = 0;
      break;
    }
    out->push_back(head);
    head = next;
    ++taken;
  }
  free_count_ -= taken;
  first_free_ = head;
  if (free_count_ <= 0 || head < 0 || head >= blocks_) {
    free_count_ = 0;
    first_free_ = 0;
  }
  return true;
}

bool CompanionFile::Store(const ByteSet& value, int32_t* first) {
  *first = 0;
  if (value.empty()) return true;
  if (!writable_) return false;
  size_t need = (value.size() + tf::kBlockData - 1) / tf::kBlockData;
  std::vector<int32_t> blocks;
  {
    HeaderLock lock(this);
    if (!lock.held() || !TakeFree(need, &blocks)) return false;
    size_t fresh = need - blocks.size();
    if (fresh > static_cast<size_t>(std::numeric_limits<int32_t>::max() / tf::kBlockSize - blocks_))
      return false;
    while (blocks.size() < need) blocks.push_back(blocks_++);
    // Taken in the header first: a write cut short leaves unused blocks, never shared ones.
    if (!WriteHeaderWords()) return false;
  }
  ByteSet images;  // the images of up to kWriteRun blocks at a time
  for (size_t from = 0; from < need; from += kWriteRun) {
    const size_t to = std::min(need, from + kWriteRun);
    images.resize((to - from) * tf::kBlockSize);
    for (size_t i = from; i < to; ++i) {
      size_t used = std::min<size_t>(tf::kBlockData, value.size() - i * tf::kBlockData);
      PutBlock(images.data() + (i - from) * tf::kBlockSize, i ? blocks[i - 1] : 0,
               i + 1 < need ? blocks[i + 1] : 0, value.data() + i * tf::kBlockData,
               static_cast<int>(used));
    }
    if (!WriteBlocks(blocks.data() + from, to - from, images)) return false;
  }
  if (!Sync()) return false;
  *first = blocks[0];
  return true;
}

// Each chain keeps its own links; the last block of each is linked to the next chain, the
// last of all to the old head of the free chain, so freeing costs a word per chain.
bool CompanionFile::FreeChains(const std::vector<int32_t>& firsts) {
  if (!writable_) return false;
  HeaderLock lock(this);
  if (!lock.held()) return false;
  std::vector<std::vector<int32_t>> chains;
  std::unordered_set<int32_t> freed;
  for (int32_t first : firsts) {
    std::vector<int32_t> chain;
    if (first == 0 || !Chain(first, &chain)) continue;
    if (std::any_of(chain.begin(), chain.end(), [&](int32_t b) { return freed.count(b); }))
      continue;
    freed.insert(chain.begin(), chain.end());
    chains.push_back(std::move(chain));
  }
  if (chains.empty()) return true;
  window_blocks_ = 0;
  for (size_t i = 0; i < chains.size(); ++i) {
    uint8_t w[4];
    tf::PutI32(w, i + 1 < chains.size() ? chains[i + 1][0] : first_free_);
    if (!file_->WriteAt(At(chains[i].back()) + 4, w, 4)) return false;
  }
  first_free_ = chains[0][0];
  free_count_ = static_cast<int32_t>(
      std::min<int64_t>(int64_t{free_count_} + static_cast<int64_t>(freed.size()), blocks_ - 1));
  if (!WriteHeaderWords()) return false;
  return !freed.count(blocks_ - 1) || Shrink();
}

// The last blocks of the file are free: takes them off the free chain and cuts them off.
bool CompanionFile::Shrink() {
  std::vector<int32_t> chain;
  if (!Chain(first_free_, &chain)) return true;  // a broken free chain is left as it is
  std::unordered_set<int32_t> free_set(chain.begin(), chain.end());
  int32_t count = blocks_;
  while (count > 1 && free_set.count(count - 1)) --count;
  if (count == blocks_) return true;
  std::vector<int32_t> kept;
  std::unordered_map<int32_t, int32_t> old_next;
  for (size_t i = 0; i < chain.size(); ++i) {
    if (chain[i] >= count) continue;
    kept.push_back(chain[i]);
    old_next[chain[i]] = i + 1 < chain.size() ? chain[i + 1] : 0;
  }
  window_blocks_ = 0;
  for (size_t i = 0; i < kept.size(); ++i) {
    int32_t next = i + 1 < kept.size() ? kept[i + 1] : 0;
    if (old_next[kept[i]] == next) continue;
    uint8_t w[4];
    tf::PutI32(w, next);
    if (!file_->WriteAt(At(kept[i]) + 4, w, 4)) return false;
  }
  blocks_ = count;
  first_free_ = kept.empty() ? 0 : kept[0];
  free_count_ = static_cast<int32_t>(kept.size());
  return WriteHeaderWords() && file_->Truncate(At(count));
}

bool CompanionFile::Reset() {
  if (!writable_) return false;
  HeaderLock lock(this);
  if (!lock.held()) return false;
  blocks_ = 1;
  free_count_ = 0;
  first_free_ = 0;
  window_blocks_ = 0;
  return WriteHeaderWords() && file_->Truncate(tf::kBlockSize) && Sync();
}

}  // namespace table_internal
