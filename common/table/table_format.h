#pragma once
// The two stored formats of a record table and their invariants.
//
// Table file (rdb), all integers little-endian, texts GBK:
//   0   "XRDB"              4   version 0x00010000     8   creation DateTime (double)
//   16  record count        20  next record number     24  record size = 4 + sum of widths
//   28  84 reserved zero    112 field count n >= 1     116 n descriptors of 72 bytes
//   116 + 72 n              the record slots, record size each, in slot order
// Descriptor: 0 name (NUL within the first 17 bytes, zero-padded to 20), 20 type code,
//   24 value offset inside the record, 28 declared width (text only, else 0), 32 40 zero.
// Record: int32 record number (> 0 live, negated when deleted) then the values, unaligned.
//
// Companion file (rdt), blocks of 512 bytes, block k at 512 k:
//   block 0: "XRDT", version (= the table's), creation, block count (block 0 included),
//            free-block count, first free block (0 = none), 484 zero.
//   data block: previous, next (0 = last; free blocks chain through it too), used bytes
//            (1..500), 500 data bytes zero-padded.
// A value of L bytes takes ceil(L/500) blocks, every one full but the last; empty = block 0.
//
// What the engine keeps true when it writes (and so what a crash can leave):
//   - a record or block is written before the header word that makes it count, so a failed
//     write leaves surplus bytes (cut at the next open) rather than a count past the data;
//   - blocks leave the free chain in the header before they are overwritten, so a failed
//     write can only leak blocks, never leave the free chain pointing into a live value;
//   - reserved bytes, text padding and the unused data area of a block are always zero.
#include <cstdint>
#include <cstring>
#include <string>

namespace table_format {

inline constexpr char kTableSignature[4] = {'X', 'R', 'D', 'B'};
inline constexpr char kCompanionSignature[4] = {'X', 'R', 'D', 'T'};
inline constexpr int32_t kVersion = 0x00010000;

inline constexpr int kHeaderSize = 112;
inline constexpr int kFieldCountOffset = 112;
inline constexpr int kDescriptorsOffset = 116;
inline constexpr int kDescriptorSize = 72;
inline constexpr int kCreationOffset = 8;
inline constexpr int kCountOffset = 16;
inline constexpr int kNextNumberOffset = 20;
inline constexpr int kRecordSizeOffset = 24;
inline constexpr int kNameSize = 20;
inline constexpr int kMaxNameBytes = 16;

inline constexpr int kBlockSize = 512;
inline constexpr int kBlockData = 500;
inline constexpr int kBlockHeader = 12;
inline constexpr int kBlockCountOffset = 16;
inline constexpr int kFreeCountOffset = 20;
inline constexpr int kFirstFreeOffset = 24;

// Records are read in chunks of this many bytes (at least one record per chunk).
inline constexpr int kChunkBytes = 0x28000;
// Guard: a record size above this is not a table this engine opens.
inline constexpr int kMaxRecordSize = 1 << 20;
// How long a range lock is waited for.
inline constexpr int kLockWaitMs = 2000;

enum FieldType : int32_t {
  kByte = 1,
  kShort = 2,
  kInt = 3,
  kLong = 4,
  kFloat = 5,
  kDouble = 6,
  kBool = 7,
  kDate = 8,
  kRoutine = 9,
  kText = 10,
  kBytes = 11,
  kLongText = 12,
};

// Bytes a value of the type takes in the record (text: its declared width); 0 = unknown type.
inline int TypeWidth(int32_t type, int32_t declared) {
  static constexpr int kWidths[] = {0, 1, 2, 4, 8, 4, 8, 1, 8, 4, 0, 4, 4};
  if (type == kText) return declared;
  return type >= 1 && type <= 12 ? kWidths[type] : 0;
}
inline bool IsChainType(int32_t type) { return type == kBytes || type == kLongText; }

inline int32_t GetI32(const uint8_t* p) {
  int32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
inline void PutI32(uint8_t* p, int32_t v) { std::memcpy(p, &v, 4); }
inline void PutF64(uint8_t* p, double v) { std::memcpy(p, &v, 8); }

// One field descriptor as the engine keeps it.
struct Field {
  std::string name;  // GBK bytes as stored
  int32_t type = 0;
  int32_t offset = 0;
  int32_t declared = 0;
  int width = 0;
};

}  // namespace table_format
