#pragma once
// A range lock on an open file, held for one scope and waited for as long as tables wait.
#include <cstdint>

#include "common/env.h"
#include "common/table/table_format.h"

namespace table_internal {

class RangeLock {
 public:
  RangeLock(File* file, uint64_t offset, uint64_t len)
      : file_(file),
        offset_(offset),
        len_(len),
        held_(len == 0 || file->Lock(offset, len, table_format::kLockWaitMs)) {}
  ~RangeLock() {
    if (held_ && len_ != 0) file_->Unlock(offset_, len_);
  }
  RangeLock(const RangeLock&) = delete;
  RangeLock& operator=(const RangeLock&) = delete;
  // Whether the lock was had within the wait.
  bool held() const { return held_; }

 private:
  File* file_;
  uint64_t offset_, len_;
  bool held_;
};

}  // namespace table_internal
