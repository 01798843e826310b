// Rewriting a run of consecutive records. A writable scratch table without byte-set fields takes
// the whole run under one range lock in a few large writes; any other table goes record by
// record, each durable before the next when the table is.
#include <algorithm>
#include <cstring>

#include "common/table/range_lock.h"
#include "common/table/table_file.h"

namespace table_internal {
namespace {

constexpr size_t kPieceBytes = size_t{1} << 16;  // the most a run writes in one call

// Rows [from, to) failed, with st.
TableStatus FailRows(int from, int to, TableStatus st, std::vector<int>* failed) {
  for (int k = from; k < to; ++k) failed->push_back(k);
  return st;
}

}  // namespace

TableStatus TableFile::ModifyRun(int rows, const RowValues& row, std::vector<int>* failed) {
  if (rows <= 0) return TableStatus::kOk;
  const int32_t first = position;
  const bool in_pieces = !durable_ && writable_ && !companion_;
  TableStatus st = in_pieces ? WriteRun(rows, row, failed) : ModifyEach(rows, row, failed);
  const int64_t last = int64_t{first} + rows - 1;
  position = static_cast<int32_t>(std::clamp<int64_t>(last, 0, std::max(count_ - 1, 0)));
  return st;
}

TableStatus TableFile::ModifyEach(int rows, const RowValues& row, std::vector<int>* failed) {
  TableStatus last = TableStatus::kOk;
  const int32_t first = position;
  for (int k = 0; k < rows; ++k) {
    position = first + k;
    TableStatus st = Modify(row(k));
    if (st == TableStatus::kOk) continue;
    failed->push_back(k);
    last = st;
  }
  return last;
}

// The run is held under one range lock and written a piece at a time, each record as Modify
// would leave it (a row that cannot be filled keeps its record and fails alone). A piece whose
// write fails is written again record by record; the next piece is tried.
TableStatus TableFile::WriteRun(int rows, const RowValues& row, std::vector<int>* failed) {
  const int32_t first = position;
  const int n = first < 0 ? 0 : static_cast<int>(std::clamp<int64_t>(count_ - first, 0, rows));
  const size_t rs = static_cast<size_t>(record_size_);
  TableStatus last = TableStatus::kOk;
  if (n > 0) {
    RangeLock lock(file_.get(), SlotOffset(first), static_cast<uint64_t>(n) * rs);
    if (!lock.held()) return FailRows(0, rows, TableStatus::kLocked, failed);
    const int per_piece = static_cast<int>(std::max<size_t>(1, kPieceBytes / rs));
    ByteSet piece;
    for (int from = 0; from < n; from += per_piece) {
      TableStatus st = WritePiece(first, from, std::min(n, from + per_piece), row, &piece, failed);
      if (st != TableStatus::kOk) last = st;
    }
  }
  if (n < rows) last = FailRows(n, rows, TableStatus::kNoRecord, failed);
  return last;
}

// Rows [from, to) of a run starting at slot first, in one write (the run's lock held); piece
// is the buffer the records are put together in.
TableStatus TableFile::WritePiece(int32_t first, int from, int to, const RowValues& row,
                                  ByteSet* piece, std::vector<int>* failed) {
  const size_t rs = static_cast<size_t>(record_size_);
  piece->resize(static_cast<size_t>(to - from) * rs);
  std::vector<bool> filled(static_cast<size_t>(to - from), false);
  TableStatus last = TableStatus::kOk, unread = TableStatus::kOk;
  for (int k = from; k < to; ++k) {
    const std::vector<Value> values = row(k);  // every row is asked, in order
    if (unread != TableStatus::kOk) continue;
    TableStatus st;
    const uint8_t* cur = Record(first + k, &st);
    if (!cur) {
      unread = st;
      continue;
    }
    uint8_t* rec = piece->data() + static_cast<size_t>(k - from) * rs;
    std::memcpy(rec, cur, rs);
    std::vector<int> given;
    if ((st = Fill(values, rec, &given)) != TableStatus::kOk) {
      std::memcpy(rec, cur, rs);
      last = st;
      continue;
    }
    filled[static_cast<size_t>(k - from)] = true;
  }
  if (unread != TableStatus::kOk) return FailRows(from, to, unread, failed);
  // When the piece cannot be written in one go, each record is written alone, as Modify would:
  // only the records whose own write fails stay old and fail.
  const bool whole = file_->WriteAt(SlotOffset(first + from), piece->data(), piece->size());
  for (int k = from; k < to; ++k) {
    const uint8_t* rec = piece->data() + static_cast<size_t>(k - from) * rs;
    bool written = filled[static_cast<size_t>(k - from)];
    if (written && !whole && !file_->WriteAt(SlotOffset(first + k), rec, rs)) {
      written = false;
      last = TableStatus::kIoError;
    }
    if (written) cache_.Wrote(first + k, rec);
    if (!written) failed->push_back(k);
  }
  return last;
}

}  // namespace table_internal
