// Reading the grid save file. The file is read into a copy of the grid, checking every
// count, length and cell position against the file and the grid's size as it goes; only a
// file read whole replaces the grid's content.
#include <array>

#include "common/grid/byte_io.h"
#include "common/grid/gbk_cut.h"
#include "common/grid/grid_file.h"
#include "common/grid/grid_file_format.h"
#include "common/grid/grid_model.h"
#include "common/text.h"

using namespace grid_internal;

namespace {

struct Block {
  int version = 0;
  std::array<int32_t, kBlockInts> v{};
};

bool ReadHeader(ByteReader& in, Block* b) {
  const uint8_t* sig = nullptr;
  int32_t version = 0;
  if (in.Remaining() < kLeastFileSize || !in.Bytes(4, &sig) || !in.I32(&version)) return false;
  if (std::memcmp(sig, kGridSignature, 4) != 0 || version < 1 || version > 6) return false;
  b->version = version;
  return in.Skip(4);
}

// The block's counts; a version without a count reads it as 0.
bool ReadCounts(ByteReader& in, Block* b) {
  size_t ints = std::min(BlockSize(b->version), kBlockCountsSize) / 4;
  for (size_t i = 0; i < ints; ++i) {
    if (!in.I32(&b->v[i])) return false;
  }
  for (int i : {kRows, kCols, kFixedRows, kFixedCols}) {
    if (b->v[i] < 0) return false;
  }
  for (int i = kKinds; i < kBlockInts; ++i) {
    if (b->v[i] < 0) return false;
  }
  return true;
}

std::string FieldText(ByteReader& in, size_t n, bool* ok) {
  std::string gbk;
  *ok = *ok && in.Text(n, &gbk);
  return FromGbk(gbk);
}

// The print title and the page options (versions 5 and 6).
bool ReadPrintSettings(ByteReader& in, GridSettings* s) {
  bool ok = true;
  PrintTitle t;
  t.text = FieldText(in, kTitleSize, &ok);
  t.face = FieldText(in, kFaceSize, &ok);
  int32_t size = 0, bold = 0, alignment = 0;
  ok = ok && in.I32(&size) && in.I32(&bold) && in.I32(&alignment);
  for (int32_t& option : s->page_options) ok = ok && in.I32(&option);
  t.size = size >= 1 && size <= kLargestSize ? size : 20;
  t.bold = bold != 0;
  t.alignment = alignment >= 1 && alignment <= 3 ? alignment : 2;
  s->title = std::move(t);
  return ok;
}

// True when the rest of the file can hold the print settings and the R + C sizes, so that
// the counts are worth making room for.
bool SizesFit(const ByteReader& in, const Block& b) {
  size_t print = b.version >= 5 ? BlockSize(b.version) - kBlockCountsSize : 0;
  size_t lines = static_cast<size_t>(b.v[kRows]) + static_cast<size_t>(b.v[kCols]);
  return in.Remaining() >= print && (in.Remaining() - print) / 4 >= lines;
}

bool ApplyBlock(ByteReader& in, const Block& b, GridModel* g) {
  if (!SizesFit(in, b)) return false;
  g->ResetContent();
  g->SetRowCount(b.v[kRows]);
  g->SetColumnCount(b.v[kCols]);
  g->SetFixedRows(b.v[kFixedRows]);
  g->SetFixedColumns(b.v[kFixedCols]);
  std::array<int32_t, 15> raw{};
  for (size_t i = 0; i < raw.size(); ++i) raw[i] = b.v[kRawIndex[i]];
  SettingsFromRaw(raw, &g->settings);
  g->settings.default_colour_a = static_cast<uint32_t>(b.v[kColourA]);
  g->settings.default_colour_b = static_cast<uint32_t>(b.v[kColourB]);
  return b.version < 5 || ReadPrintSettings(in, &g->settings);
}

// R heights and C widths, each 0 .. kLargestCellSize.
bool ReadSizes(ByteReader& in, GridModel* g) {
  if (in.Remaining() / 4 < static_cast<size_t>(g->rows()) + static_cast<size_t>(g->cols())) {
    return false;
  }
  int32_t v = 0;
  for (int r = 0; r < g->rows(); ++r) {
    if (!in.I32(&v) || !g->SetRowHeight(r, v)) return false;
  }
  for (int c = 0; c < g->cols(); ++c) {
    if (!in.I32(&v) || !g->SetColumnWidth(c, v)) return false;
  }
  return true;
}

bool ReadKind(ByteReader& in, GridModel* g) {
  int32_t col = 0, type = 0, count = 0;
  ColumnKind kind;
  bool ok = in.I32(&col) && in.I32(&type);
  kind.text1 = FieldText(in, kKindText1Size, &ok);
  kind.text2 = FieldText(in, kKindText2Size, &ok);
  ok = ok && in.I32(&kind.number1) && in.I32(&kind.number2) && in.I32(&count);
  if (!ok || count < 0 || in.Remaining() / kChoiceSize < static_cast<size_t>(count)) return false;
  for (int32_t i = 0; i < count; ++i) kind.choices.push_back(FieldText(in, kChoiceSize, &ok));
  if (!ok || type <= kKindBase || type > kKindBase + 8) return false;
  kind.type = type - kKindBase;
  return g->SetColumnKind(col, std::move(kind));
}

bool ReadMerge(ByteReader& in, GridModel* g) {
  GridMerge m;
  CellRange& r = m.range;
  bool ok = in.I32(&m.anchor_row) && in.I32(&m.anchor_col) && in.I32(&r.row1) && in.I32(&r.col1) &&
            in.I32(&r.row2) && in.I32(&r.col2);
  return ok && g->AddMerge(m);
}

// Row and column of a record; false when the cell lies outside the grid.
bool ReadCellKey(ByteReader& in, const GridModel& g, int32_t* r, int32_t* c) {
  return in.I32(r) && in.I32(c) && g.Inside(*r, *c);
}

bool ReadCell(ByteReader& in, int version, GridModel* g) {
  int32_t r = 0, c = 0, length = kOldCellTextSize, value = 0, picture = 0;
  if (!ReadCellKey(in, *g, &r, &c)) return false;
  if (version == 6 && (!in.I32(&length) || length < 1)) return false;
  bool ok = true;
  std::string text = FieldText(in, static_cast<size_t>(length), &ok);
  const uint8_t* bytes = nullptr;
  ok = ok && in.I32(&value) && in.I32(&picture) && picture >= 0 &&
       in.Bytes(static_cast<size_t>(picture), &bytes);
  if (!ok) return false;
  g->EditCell(r, c, [&](GridCell& cell) {
    cell.text = std::move(text);
    cell.value = value;
    cell.picture.assign(bytes, bytes + picture);
  });
  return true;
}

// A LOGFONTA (60 bytes) as a cell font.
bool ReadLogFont(ByteReader& in, GridFont* f) {
  int32_t v[5] = {};
  for (int32_t& x : v) {
    if (!in.I32(&x)) return false;
  }
  const uint8_t* b = nullptr;
  if (v[0] < -kLargestSize || v[0] > kLargestSize || !in.Bytes(8, &b)) return false;
  f->height = v[0] < 0 ? -v[0] : v[0];
  f->weight = v[4];
  f->italic = b[0] != 0;
  f->underline = b[1] != 0;
  f->strikeout = b[2] != 0;
  f->charset = b[3];
  bool ok = true;
  f->face = FieldText(in, kFaceSize, &ok);
  return ok;
}

bool ReadFont(ByteReader& in, GridModel* g) {
  int32_t r = 0, c = 0;
  GridFont font;
  if (!ReadCellKey(in, *g, &r, &c) || !ReadLogFont(in, &font)) return false;
  g->EditCell(r, c, [&](GridCell& cell) {
    cell.has_font = true;
    cell.font = std::move(font);
  });
  return true;
}

// One record of property list i (colour A, colour B, format, D, E, F, state).
bool ReadListRecord(ByteReader& in, int i, GridModel* g) {
  int32_t r = 0, c = 0, v = 0;
  if (!ReadCellKey(in, *g, &r, &c) || !in.I32(&v)) return false;
  g->EditCell(r, c, [&](GridCell& cell) {
    int32_t* const fields[kListCount] = {nullptr,          nullptr,          &cell.format,
                                         &cell.property_d, &cell.property_e, &cell.flag_f,
                                         &cell.state};
    if (i == 0) cell.colour_a = static_cast<uint32_t>(v);
    if (i == 1) cell.colour_b = static_cast<uint32_t>(v);
    if (i >= 2) *fields[i] = v;
  });
  return true;
}

bool ReadAux(ByteReader& in, int32_t count, std::vector<AuxRecord>* aux) {
  for (int32_t i = 0; i < count; ++i) {
    AuxRecord rec{};
    for (int32_t& v : rec) {
      if (!in.I32(&v)) return false;
    }
    aux->push_back(rec);
  }
  return true;
}

// Runs read count times; false at the first record that fails.
template <class F>
bool Repeat(int32_t count, F read) {
  for (int32_t i = 0; i < count; ++i) {
    if (!read()) return false;
  }
  return true;
}

bool ReadSections(ByteReader& in, const Block& b, GridModel* g) {
  const auto& v = b.v;
  bool ok = ReadSizes(in, g) && Repeat(v[kKinds], [&] { return ReadKind(in, g); }) &&
            Repeat(v[kMerges], [&] { return ReadMerge(in, g); }) &&
            Repeat(v[kCells], [&] { return ReadCell(in, b.version, g); }) &&
            Repeat(v[kFonts], [&] { return ReadFont(in, g); });
  for (int i = 0; ok && i < kListCount; ++i) {
    ok = Repeat(v[kFirstList + i], [&] { return ReadListRecord(in, i, g); });
  }
  return ok && ReadAux(in, v[kAux1], &g->settings.aux1) && ReadAux(in, v[kAux2], &g->settings.aux2);
}

}  // namespace

bool ImportGrid(GridModel* grid, const ByteSet& bytes) {
  ByteReader in(bytes);
  Block block;
  if (!ReadHeader(in, &block) || !ReadCounts(in, &block)) return false;
  GridModel staged = *grid;
  if (!ApplyBlock(in, block, &staged) || !ReadSections(in, block, &staged)) return false;
  *grid = std::move(staged);
  return true;
}
