#include "common/table/templates.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "common/assets.h"
#include "common/env.h"
#include "common/table/table_format.h"

namespace {

// The file of that path with its extension in any letter case, or "" when there is none.
std::string FindAnyCase(const std::string& path) {
  size_t dot = path.rfind('.');
  size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return CurrentEnv()->Exists(path) ? path : "";
  std::string ext = path.substr(dot);
  size_t letters = ext.size() - 1;
  if (letters > 8) return CurrentEnv()->Exists(path) ? path : "";
  for (unsigned mask = 0; mask < (1u << letters); ++mask) {
    std::string e = ext;
    for (size_t i = 0; i < letters; ++i) {
      unsigned char c = static_cast<unsigned char>(e[1 + i]);
      e[1 + i] = static_cast<char>((mask >> i) & 1 ? std::toupper(c) : std::tolower(c));
    }
    if (CurrentEnv()->Exists(path.substr(0, dot) + e)) return path.substr(0, dot) + e;
  }
  return "";
}

// False when the table file at path is read and no record slot of it names a companion block
// (a file that is no table names none); true when some slot does or the file cannot be read.
bool NamesCompanionBlocks(const std::string& path) {
  namespace tf = table_format;
  ByteSet t;
  if (!ReadWholeFile(path, &t)) return true;
  if (t.size() < tf::kDescriptorsOffset || std::memcmp(t.data(), tf::kTableSignature, 4) != 0)
    return false;
  const int64_t count = tf::GetI32(t.data() + tf::kCountOffset);
  const int64_t size = tf::GetI32(t.data() + tf::kRecordSizeOffset);
  const int64_t fields = tf::GetI32(t.data() + tf::kFieldCountOffset);
  const int64_t start = tf::kDescriptorsOffset + tf::kDescriptorSize * fields;
  if (count <= 0 || size <= 0 || fields <= 0 || start > static_cast<int64_t>(t.size()))
    return false;
  const int64_t end = std::min<int64_t>(static_cast<int64_t>(t.size()), start + count * size);
  for (int64_t f = 0; f < fields; ++f) {
    const uint8_t* d = t.data() + tf::kDescriptorsOffset + tf::kDescriptorSize * f;
    const int64_t offset = tf::GetI32(d + 24);
    if (!tf::IsChainType(tf::GetI32(d + 20)) || offset < 0 || offset + 4 > size) continue;
    for (int64_t r = start; r + size <= end; r += size) {
      if (tf::GetI32(t.data() + r + offset) != 0) return true;
    }
  }
  return false;
}

// True when the companion file at path is longer than its header block or cannot be read.
bool HoldsBlocks(const std::string& path) {
  auto f = CurrentEnv()->Open(path, OpenMode::kRead);
  return !f || f->Size() > table_format::kBlockSize;
}

}  // namespace

ByteSet TemplateBytes(const std::string& name) {
  auto bytes = FindAsset(name);
  return ByteSet(bytes.begin(), bytes.end());
}

bool WriteTemplateIfMissing(const std::string& path, const std::string& template_name) {
  ByteSet bytes = TemplateBytes(template_name);
  if (bytes.empty()) return false;
  if (!FindAnyCase(path).empty()) return true;
  return WriteWholeFileAtomic(path, bytes);
}

std::string MissingHalfOfTablePair(const std::string& table_path,
                                   const std::string& companion_path) {
  const std::string table = FindAnyCase(table_path), companion = FindAnyCase(companion_path);
  if (!table.empty() && companion.empty() && NamesCompanionBlocks(table)) return companion_path;
  if (table.empty() && !companion.empty() && HoldsBlocks(companion)) return table_path;
  return "";
}

std::string MissingTableFileText(const std::string& path) {
  return "找不到" + path.substr(path.rfind('/') + 1) + "，数据无法打开。";
}
