// Writing the grid save file.
#include <array>
#include <vector>

#include "common/grid/byte_io.h"
#include "common/grid/gbk_cut.h"
#include "common/grid/grid_file.h"
#include "common/grid/grid_file_format.h"
#include "common/grid/grid_model.h"
#include "common/text.h"

using namespace grid_internal;

namespace {

struct ListRecord {
  int row, col;
  int32_t value;
};

// What the walk over the cells collects: content cells, font cells, the seven lists.
struct CellLists {
  std::vector<GridModel::CellList::Entry> content, fonts;
  std::array<std::vector<ListRecord>, kListCount> lists;
};

bool IsColour(uint32_t c, uint32_t fallback) { return c <= 0xFFFFFF && c != fallback; }

// The seven property values of a cell, with whether each is written.
void CollectLists(const GridModel& g, int r, int c, const CellStyle& cell, CellLists* out) {
  const GridSettings& s = g.settings;
  const std::array<std::pair<bool, int32_t>, kListCount> props = {{
      {IsColour(cell.colour_a, s.default_colour_a), static_cast<int32_t>(cell.colour_a)},
      {IsColour(cell.colour_b, s.default_colour_b), static_cast<int32_t>(cell.colour_b)},
      {cell.format != kDefaultTextFormat, cell.format},
      {cell.property_d != kDefaultPropertyD, cell.property_d},
      {cell.property_e != kDefaultPropertyE, cell.property_e},
      {cell.flag_f != 0, cell.flag_f},
      {cell.state != 0, cell.state},
  }};
  for (int i = 0; i < kListCount; ++i) {
    if (props[i].first) out->lists[i].push_back({r, c, props[i].second});
  }
}

CellLists Collect(const GridModel& g) {
  CellLists out;
  for (const GridModel::CellList::Entry entry : g.cells()) {
    const CellStyle& style = entry.style;
    if (entry.CarriesContent()) out.content.push_back(entry);
    if (style.has_font && !(style.font == g.default_font())) out.fonts.push_back(entry);
    CollectLists(g, entry.row, entry.col, style, &out);
  }
  return out;
}

// A text as a zero-terminated GBK field of n bytes.
void FixedText(ByteWriter& w, const std::string& utf8, size_t n) {
  w.Fixed(CutGbk(ToGbk(utf8), n - 1), n);
}

void WriteBlock(ByteWriter& w, const GridModel& g, const CellLists& lists) {
  const GridSettings& s = g.settings;
  std::array<int64_t, kBlockInts> v{};
  v[kRows] = g.rows();
  v[kCols] = g.cols();
  v[kFixedRows] = g.fixed_rows();
  v[kFixedCols] = g.fixed_cols();
  std::array<int32_t, 15> raw = RawFromSettings(s);
  for (size_t i = 0; i < raw.size(); ++i) v[kRawIndex[i]] = raw[i];
  v[kColourA] = s.default_colour_a;
  v[kColourB] = s.default_colour_b;
  v[kKinds] = static_cast<int64_t>(g.kinds().size());
  v[kMerges] = static_cast<int64_t>(g.merges().size());
  v[kCells] = static_cast<int64_t>(lists.content.size());
  v[kFonts] = static_cast<int64_t>(lists.fonts.size());
  for (int i = 0; i < kListCount; ++i)
    v[kFirstList + i] = static_cast<int64_t>(lists.lists[i].size());
  v[kAux1] = static_cast<int64_t>(s.aux1.size());
  v[kAux2] = static_cast<int64_t>(s.aux2.size());
  for (int64_t x : v) w.I32(x);
  FixedText(w, s.title.text, kTitleSize);
  FixedText(w, s.title.face, kFaceSize);
  w.I32(s.title.size);
  w.I32(s.title.bold ? 1 : 0);
  w.I32(s.title.alignment);
  for (int32_t option : s.page_options) w.I32(option);
}

void WriteKinds(ByteWriter& w, const GridModel& g) {
  for (const auto& [col, kind] : g.kinds()) {
    w.I32(col);
    w.I32(kKindBase + kind.type);
    w.Fixed(CutGbk(ToGbk(kind.text1), kKindText1Size), kKindText1Size);
    w.Fixed(CutGbk(ToGbk(kind.text2), kKindText2Size), kKindText2Size);
    w.I32(kind.number1);
    w.I32(kind.number2);
    w.I32(static_cast<int64_t>(kind.choices.size()));
    for (const std::string& choice : kind.choices) FixedText(w, choice, kChoiceSize);
  }
}

void WriteMerges(ByteWriter& w, const GridModel& g) {
  for (const GridMerge& m : g.merges()) {
    for (int v :
         {m.anchor_row, m.anchor_col, m.range.row1, m.range.col1, m.range.row2, m.range.col2}) {
      w.I32(v);
    }
  }
}

void WriteCells(ByteWriter& w, const CellLists& lists) {
  for (const auto& entry : lists.content) {
    const CellStyle& cell = entry.style;
    std::string text = ToGbk(entry.text);
    w.I32(entry.row);
    w.I32(entry.col);
    w.I32(static_cast<int64_t>(text.size()) + 1);
    w.Fixed(text, text.size() + 1);
    w.I32(cell.value);
    w.I32(static_cast<int64_t>(cell.picture.size()));
    w.Bytes(cell.picture.data(), cell.picture.size());
  }
}

// A cell font as a LOGFONTA (60 bytes).
void WriteLogFont(ByteWriter& w, const GridFont& f) {
  for (int v : {-f.height, 0, 0, 0, f.weight}) w.I32(v);
  const uint8_t bytes[8] = {f.italic, f.underline, f.strikeout, static_cast<uint8_t>(f.charset),
                            0,        0,           0,           0};
  w.Bytes(bytes, sizeof bytes);
  FixedText(w, f.face, kFaceSize);
}

void WriteFonts(ByteWriter& w, const CellLists& lists) {
  for (const auto& entry : lists.fonts) {
    w.I32(entry.row);
    w.I32(entry.col);
    WriteLogFont(w, entry.style.font);
  }
}

void WriteLists(ByteWriter& w, const CellLists& lists) {
  for (const auto& list : lists.lists) {
    for (const ListRecord& rec : list) {
      w.I32(rec.row);
      w.I32(rec.col);
      w.I32(rec.value);
    }
  }
}

void WriteAux(ByteWriter& w, const std::vector<AuxRecord>& aux) {
  for (const AuxRecord& rec : aux) {
    for (int32_t v : rec) w.I32(v);
  }
}

}  // namespace

bool ExportGrid(const GridModel& g, ByteSet* out) {
  size_t start = out->size();
  ByteWriter w(out);
  CellLists lists = Collect(g);
  w.Bytes(kGridSignature, sizeof kGridSignature);
  w.I32(kGridFileVersion);
  w.I16(0);
  w.I16(0);
  WriteBlock(w, g, lists);
  for (int r = 0; r < g.rows(); ++r) w.I32(g.RowHeight(r));
  for (int c = 0; c < g.cols(); ++c) w.I32(g.ColumnWidth(c));
  WriteKinds(w, g);
  WriteMerges(w, g);
  WriteCells(w, lists);
  WriteFonts(w, lists);
  WriteLists(w, lists);
  WriteAux(w, g.settings.aux1);
  WriteAux(w, g.settings.aux2);
  if (out->size() - start < kLeastFileSize) out->resize(start + kLeastFileSize, 0);
  return true;
}
