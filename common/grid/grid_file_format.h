#pragma once
// The fixed numbers of the grid save file and the grid-wide settings it carries (internal
// to common/grid).
#include <array>
#include <cstddef>
#include <cstdint>

#include "common/grid/grid_model.h"

namespace grid_internal {

inline constexpr char kGridSignature[4] = {'T', 'G', 'R', 'D'};
inline constexpr int32_t kGridFileVersion = 6;
inline constexpr size_t kHeaderSize = 12;
inline constexpr size_t kLeastFileSize = 540;
inline constexpr size_t kBlockCountsSize = 136;  // the block up to the print title
inline constexpr size_t kTitleSize = 256, kFaceSize = 32, kChoiceSize = 100;
inline constexpr size_t kKindText1Size = 8, kKindText2Size = 12, kOldCellTextSize = 256;
inline constexpr size_t kKindRecordSize = 40, kMergeRecordSize = 24, kListRecordSize = 12;
inline constexpr size_t kAuxRecordSize = 16;
inline constexpr int kListCount = 7;  // colour A, colour B, format, D, E, F, state
inline constexpr int32_t kKindBase = 100;
inline constexpr int32_t kLargestSize = 100000;  // a row height, column width or font height

// The settings block's size in a file of that version (1..6).
inline size_t BlockSize(int version) {
  constexpr size_t kSizes[] = {124, 128, 132, 136, 464, 464};
  return kSizes[version - 1];
}

// The settings block's 32-bit values before the print title, by index (offset / 4).
enum BlockIndex {
  kRows = 0,
  kCols = 1,
  kFixedRows = 2,
  kFixedCols = 3,
  kColourA = 7,
  kColourB = 8,
  kKinds = 21,
  kMerges = 22,
  kCells = 23,
  kFonts = 24,
  kFirstList = 25,
  kAux1 = 32,
  kAux2 = 33,
  kBlockInts = 34
};
// Where the fifteen grid-wide settings stand among the block's values.
inline constexpr std::array<int, 15> kRawIndex = {4,  5,  6,  9,  10, 11, 12, 13,
                                                  14, 15, 16, 17, 18, 19, 20};
// The grid-wide settings that carry the grid's named properties.
enum RawSetting { kRawEditable = 0, kRawBackColour = 1, kRawPrintDate = 2, kRawPageNumber = 3 };

// The fifteen settings as the file carries them.
inline std::array<int32_t, 15> RawFromSettings(const GridSettings& s) {
  std::array<int32_t, 15> raw = s.raw;
  raw[kRawEditable] = s.editable ? 1 : 0;
  raw[kRawBackColour] = static_cast<int32_t>(s.back_colour);
  raw[kRawPrintDate] = s.print_date_position;
  raw[kRawPageNumber] = s.page_number_position;
  return raw;
}

// Takes the fifteen settings back into the grid (positions outside 0..3 read as none).
inline void SettingsFromRaw(const std::array<int32_t, 15>& raw, GridSettings* s) {
  auto position = [](int32_t p) { return p >= 0 && p <= 3 ? p : 0; };
  s->raw = raw;
  s->editable = raw[kRawEditable] != 0;
  s->back_colour = static_cast<uint32_t>(raw[kRawBackColour]);
  s->print_date_position = position(raw[kRawPrintDate]);
  s->page_number_position = position(raw[kRawPageNumber]);
  for (int i : {kRawEditable, kRawBackColour, kRawPrintDate, kRawPageNumber}) s->raw[i] = 0;
}

}  // namespace grid_internal
