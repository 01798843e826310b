#pragma once
// The records of an open table kept in memory in chunks as they are read, and kept up to
// date by every write through the table, so that reading a record again costs no system call.
#include <cstdint>
#include <vector>

#include "common/env.h"
#include "common/value.h"

namespace table_internal {

class RecordCache {
 public:
  // Forgets every chunk; records of record_size bytes from now on.
  void Reset(int32_t record_size);
  // The cached bytes of slot, or nullptr.
  const uint8_t* Find(int32_t slot) {
    if (slot == last_slot_) return last_;
    const uint8_t* rec = Locate(slot);
    if (rec) last_slot_ = slot, last_ = rec;
    return rec;
  }
  // Reads the chunk holding slot (of a table of count records starting at data_start).
  const uint8_t* Load(File* file, uint64_t data_start, int32_t slot, int32_t count);
  // A record was written at slot: in place, or appended right after the cached ones.
  void Wrote(int32_t slot, const uint8_t* record);

 private:
  struct Chunk {
    ByteSet bytes;
    int32_t slots = 0;
  };
  const uint8_t* Locate(int32_t slot) const;
  // Forgets the slot found last (its bytes may move).
  void Forget() { last_slot_ = -1; }

  std::vector<Chunk> chunks_;
  int32_t last_slot_ = -1;  // the slot found last and where its bytes are
  const uint8_t* last_ = nullptr;
  int32_t record_size_ = 1;
  int32_t per_chunk_ = 1;
  size_t held_ = 0;
};

}  // namespace table_internal
