#pragma once
// The engine's status codes; they never reach the user.

namespace table_internal {

enum class TableStatus {
  kOk = 0,
  kNoTable = 1,
  kNoRecord = 2,
  kNoField = 3,
  kMissing = 4,
  kInvalid = 5,
  kAlreadyOpen = 6,
  kIoError = 7,
  kLocked = 8,
  kReadOnly = 9,
  kBadValue = 10,
  kBadKey = 11,
  kBadChain = 12,
};

}  // namespace table_internal
