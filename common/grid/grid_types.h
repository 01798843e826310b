#pragma once
// The plain values a grid is made of: fonts, ranges, merged areas, column kinds, cells and
// the print title. GridModel (grid_model.h) holds them; the save file and the page layout
// read them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/value.h"

inline constexpr int kDefaultRowHeight = 24;
inline constexpr int kDefaultColumnWidth = 64;
// The largest row height or column width a grid takes.
inline constexpr int kLargestCellSize = 100000;
// DrawText flags: left, vertically centred, single line, no prefix processing.
inline constexpr int kDefaultTextFormat = 0x824;
inline constexpr int kTextAlignMask = 0x3;  // DT_LEFT 0, DT_CENTER 1, DT_RIGHT 2
inline constexpr int kDefaultPropertyD = 0;
inline constexpr int kDefaultPropertyE = 9;
// A cell colour above 0xFFFFFF is no colour: the grid's default colour shows.
inline constexpr uint32_t kNoColour = 0xFFFFFFFFu;
// Bits of a cell's state.
inline constexpr int kCellReadOnly = 0x1;
inline constexpr int kCellFixedMark = 0x2;
// The seven page options (1 left, 2 top, 3 right, 4 bottom margin, 5 header band height,
// 6 footer band height, 7 gap below the title), all in pixels at 96 dpi.
inline constexpr std::array<int32_t, 7> kDefaultPageOptions = {40, 40, 20, 20, 60, 60, 20};

struct GridFont {
  std::string face = "宋体";
  int height = 12;  // character height, pixels
  int weight = 400;
  bool italic = false, underline = false, strikeout = false;
  int charset = 134;
  friend bool operator==(const GridFont&, const GridFont&) = default;
};

// An inclusive rectangle of cells.
struct CellRange {
  int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
  bool Contains(int r, int c) const { return r >= row1 && r <= row2 && c >= col1 && c <= col2; }
  friend bool operator==(const CellRange&, const CellRange&) = default;
};

// Merged cells: the anchor cell shows over the whole range.
struct GridMerge {
  int anchor_row = 0, anchor_col = 0;
  CellRange range;
  friend bool operator==(const GridMerge&, const GridMerge&) = default;
};

// The cell kind of a column (1..8: 2 numeric, 3 date, 4 choice or typed, 8 choice only).
struct ColumnKind {
  int type = 1;
  std::string text1, text2;  // kept with the kind (at most 8 and 12 GBK bytes in the file)
  int32_t number1 = 0, number2 = 0;
  std::vector<std::string> choices;
  friend bool operator==(const ColumnKind&, const ColumnKind&) = default;
};

// Everything a cell holds besides its text. Cells share their style: the grid keeps each
// style once and its cells refer to it.
struct CellStyle {
  ByteSet picture;
  GridFont font;
  int32_t value = 0;
  uint32_t colour_a = kNoColour;  // background
  uint32_t colour_b = kNoColour;  // text colour
  int32_t format = kDefaultTextFormat;
  int32_t property_d = kDefaultPropertyD;
  int32_t property_e = kDefaultPropertyE;
  int32_t flag_f = 0;
  int32_t state = 0;
  bool has_font = false;  // false: the grid's default font
  friend bool operator==(const CellStyle&, const CellStyle&) = default;
  // True when nothing differs from a fresh style (== CellStyle{}, the cheap fields first).
  bool IsFresh() const {
    static const GridFont kFreshFont;
    return !has_font && value == 0 && state == 0 && format == kDefaultTextFormat &&
           colour_a == kNoColour && colour_b == kNoColour && property_d == kDefaultPropertyD &&
           property_e == kDefaultPropertyE && flag_f == 0 && picture.empty() && font == kFreshFont;
  }
};

// One cell as a whole: its text and its style; a cell that is all defaults is not stored.
struct GridCell : CellStyle {
  std::string text;
  friend bool operator==(const GridCell&, const GridCell&) = default;
  // True when nothing differs from a fresh cell (== GridCell{}).
  bool IsBlank() const { return text.empty() && IsFresh(); }
  // True when the save file keeps a cell record for it.
  bool CarriesContent() const { return !text.empty() || value != 0 || !picture.empty(); }
};

// The title printed above the grid on the first page.
struct PrintTitle {
  std::string text;
  std::string face;
  int size = 20;
  bool bold = true;
  int alignment = 2;  // 1 left, 2 centred, 3 right
  friend bool operator==(const PrintTitle&, const PrintTitle&) = default;
};

using AuxRecord = std::array<int32_t, 4>;
