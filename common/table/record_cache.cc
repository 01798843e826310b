#include "common/table/record_cache.h"

#include <algorithm>
#include <cstring>

#include "common/table/table_format.h"

namespace table_internal {
namespace {

constexpr size_t kMaxHeld = size_t{64} << 20;  // beyond this the cache starts over

}  // namespace

void RecordCache::Reset(int32_t record_size) {
  Forget();
  chunks_.clear();
  held_ = 0;
  record_size_ = record_size;
  per_chunk_ = std::max(1, table_format::kChunkBytes / record_size);
}

const uint8_t* RecordCache::Locate(int32_t slot) const {
  size_t c = static_cast<size_t>(slot / per_chunk_);
  int32_t k = slot % per_chunk_;
  if (c >= chunks_.size() || k >= chunks_[c].slots) return nullptr;
  return chunks_[c].bytes.data() + static_cast<size_t>(k) * static_cast<size_t>(record_size_);
}

const uint8_t* RecordCache::Load(File* file, uint64_t data_start, int32_t slot, int32_t count) {
  size_t c = static_cast<size_t>(slot / per_chunk_);
  int32_t first = slot - slot % per_chunk_;
  int32_t n = std::min(per_chunk_, count - first);
  size_t want = static_cast<size_t>(n) * static_cast<size_t>(record_size_);
  if (held_ + want > kMaxHeld) Reset(record_size_);
  Forget();
  if (chunks_.size() <= c) chunks_.resize(c + 1);
  Chunk& chunk = chunks_[c];
  held_ -= chunk.bytes.size();
  chunk.bytes.resize(want);
  size_t got = 0;
  uint64_t at = data_start + static_cast<uint64_t>(first) * static_cast<uint64_t>(record_size_);
  bool ok = file->ReadAt(at, chunk.bytes.data(), want, &got);
  chunk.slots = ok ? static_cast<int32_t>(got / static_cast<size_t>(record_size_)) : 0;
  chunk.bytes.resize(static_cast<size_t>(chunk.slots) * static_cast<size_t>(record_size_));
  held_ += chunk.bytes.size();
  return Find(slot);
}

void RecordCache::Wrote(int32_t slot, const uint8_t* record) {
  size_t c = static_cast<size_t>(slot / per_chunk_);
  int32_t k = slot % per_chunk_;
  if (c >= chunks_.size()) return;
  Forget();
  Chunk& chunk = chunks_[c];
  size_t rs = static_cast<size_t>(record_size_);
  if (k < chunk.slots) {
    std::memcpy(chunk.bytes.data() + static_cast<size_t>(k) * rs, record, rs);
  } else if (k == chunk.slots) {  // the cached slots stay a prefix of the chunk
    chunk.bytes.insert(chunk.bytes.end(), record, record + rs);
    ++chunk.slots;
    held_ += rs;
  }
}

}  // namespace table_internal
