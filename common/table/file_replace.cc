#include "common/table/file_replace.h"

#include "common/env.h"

namespace table_internal {

bool ReplaceFile(const std::string& path, const ByteSet& bytes) {
  std::string tmp = path + ".new";
  auto f = CurrentEnv()->Open(tmp, OpenMode::kCreateTruncate);
  bool ok = f && f->WriteAt(0, bytes.data(), bytes.size());
  f.reset();
  if (ok && CurrentEnv()->Rename(tmp, path)) return true;
  CurrentEnv()->Remove(tmp);
  return false;
}

}  // namespace table_internal
