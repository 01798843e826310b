#pragma once
// Replacing a whole file in one step through the file seam.
#include <string>

#include "common/value.h"

namespace table_internal {

// Writes bytes beside path and renames them over it, so that a failed write keeps the old
// file whole. No sync: tables write through at once but do not wait for the disk.
bool ReplaceFile(const std::string& path, const ByteSet& bytes);

}  // namespace table_internal
