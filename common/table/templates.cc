#include "common/table/templates.h"

#include <cctype>

#include "common/assets.h"
#include "common/env.h"

namespace {

// Whether path exists with its extension in any letter case.
bool ExistsAnyCase(const std::string& path) {
  size_t dot = path.rfind('.');
  size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return CurrentEnv()->Exists(path);
  std::string ext = path.substr(dot);
  size_t letters = ext.size() - 1;
  if (letters > 8) return CurrentEnv()->Exists(path);
  for (unsigned mask = 0; mask < (1u << letters); ++mask) {
    std::string e = ext;
    for (size_t i = 0; i < letters; ++i) {
      unsigned char c = static_cast<unsigned char>(e[1 + i]);
      e[1 + i] = static_cast<char>((mask >> i) & 1 ? std::toupper(c) : std::tolower(c));
    }
    if (CurrentEnv()->Exists(path.substr(0, dot) + e)) return true;
  }
  return false;
}

}  // namespace

ByteSet TemplateBytes(const std::string& name) {
  auto bytes = FindAsset(name);
  return ByteSet(bytes.begin(), bytes.end());
}

bool WriteTemplateIfMissing(const std::string& path, const std::string& template_name) {
  ByteSet bytes = TemplateBytes(template_name);
  if (bytes.empty()) return false;
  if (ExistsAnyCase(path)) return true;
  return ReplaceFileDurably(path, bytes);
}
