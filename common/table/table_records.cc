// The record operations of an open table: reading through the record window, writing,
// appending, deleting, purging and clearing.
#include <algorithm>
#include <cstring>
#include <limits>

#include "common/table/field_codec.h"
#include "common/env.h"
#include "common/table/range_lock.h"
#include "common/table/table_file.h"

namespace table_internal {
namespace tf = table_format;

const uint8_t* TableFile::Record(int32_t slot, TableStatus* status) {
  if (slot < 0 || slot >= count_) {
    *status = TableStatus::kNoRecord;
    return nullptr;
  }
  const uint8_t* rec = cache_.Find(slot);
  if (!rec) rec = cache_.Load(file_.get(), SlotOffset(0), slot, count_);
  *status = rec ? TableStatus::kOk : TableStatus::kIoError;
  return rec;
}

TableStatus TableFile::Read(int i, Value* out) {
  const tf::Field& f = fields_[i];
  TableStatus st;
  const uint8_t* rec = Record(position, &st);
  if (!rec) {
    *out = ZeroValue(f);
    return st;
  }
  if (!tf::IsChainType(f.type)) {
    *out = DecodeField(f, rec);
    return TableStatus::kOk;
  }
  ByteSet bytes;
  if (!companion_->Read(tf::GetI32(rec + f.offset), &bytes)) {
    *out = ZeroValue(f);
    return TableStatus::kBadChain;
  }
  *out = ChainValue(f, bytes);
  return TableStatus::kOk;
}

bool TableFile::ChainFirst(const uint8_t* rec, int i, int32_t* first) const {
  if (!tf::IsChainType(fields_[i].type)) return false;
  *first = tf::GetI32(rec + fields_[i].offset);
  return true;
}

// Puts the values into rec: every plain field first (so a value of the wrong kind fails
// before anything is written), then the chains into the companion file.
TableStatus TableFile::Fill(const std::vector<Value>& values, uint8_t* rec,
                            std::vector<ChainPlan>* plans) {
  size_t n = std::min(values.size(), fields_.size());
  std::vector<std::pair<size_t, ByteSet>> chains;
  for (size_t i = 0; i < n; ++i) {
    if (std::holds_alternative<std::monostate>(values[i])) continue;
    if (tf::IsChainType(fields_[i].type)) {
      chains.emplace_back(i, ByteSet{});
      if (!ChainBytes(fields_[i], values[i], &chains.back().second)) return TableStatus::kBadValue;
    } else if (!EncodeField(fields_[i], values[i], rec)) {
      return TableStatus::kBadValue;
    }
  }
  if (!writable_) return TableStatus::kReadOnly;
  for (auto& [i, bytes] : chains) {
    int32_t first = 0;
    ChainFirst(rec, static_cast<int>(i), &first);
    plans->emplace_back();
    if (!companion_->Store(first, bytes, &plans->back())) return TableStatus::kIoError;
    tf::PutI32(rec + fields_[i].offset, plans->back().first);
  }
  return TableStatus::kOk;
}

void TableFile::ReleasePlans(const std::vector<ChainPlan>& plans) {
  for (const auto& p : plans) companion_->Release(p.surplus);
}

TableStatus TableFile::WriteSlot(int32_t slot, const uint8_t* rec) {
  uint64_t at = SlotOffset(slot);
  RangeLock lock(file_.get(), at, static_cast<uint64_t>(record_size_));
  if (!lock.held()) return TableStatus::kLocked;
  if (!file_->WriteAt(at, rec, static_cast<size_t>(record_size_))) return TableStatus::kIoError;
  cache_.Wrote(slot, rec);
  return TableStatus::kOk;
}

TableStatus TableFile::WriteCount(int32_t count, int32_t next) {
  uint8_t w[8];
  tf::PutI32(w, count);
  tf::PutI32(w + 4, next);
  if (!file_->WriteAt(tf::kCountOffset, w, 8)) return TableStatus::kIoError;
  std::memcpy(head_.data() + tf::kCountOffset, w, 8);
  count_ = count;
  next_ = next;
  return TableStatus::kOk;
}

TableStatus TableFile::Modify(const std::vector<Value>& values) {
  TableStatus st;
  const uint8_t* cur = Record(position, &st);
  if (!cur) return st;
  ByteSet rec(cur, cur + record_size_);
  std::vector<ChainPlan> plans;
  if ((st = Fill(values, rec.data(), &plans)) != TableStatus::kOk) return st;
  if ((st = WriteSlot(position, rec.data())) == TableStatus::kOk) ReleasePlans(plans);
  return st;
}

TableStatus TableFile::WriteOne(int i, const Value& value) {
  std::vector<Value> values(static_cast<size_t>(i) + 1);
  values[static_cast<size_t>(i)] = value;
  return Modify(values);
}

// Takes over the count and next number on disk when another holder of the file changed them
// (called with the header region locked).
void TableFile::RefreshCount() {
  uint8_t w[8];
  size_t got = 0;
  if (!file_->ReadAt(tf::kCountOffset, w, 8, &got) || got != 8) return;
  int32_t count = tf::GetI32(w), next = tf::GetI32(w + 4);
  if ((count == count_ && next == next_) || count < 0 || next <= 0 ||
      static_cast<int64_t>(SlotOffset(count)) > file_->Size())
    return;
  std::memcpy(head_.data() + tf::kCountOffset, w, 8);
  count_ = count;
  next_ = next;
  ForgetWindow();
}

TableStatus TableFile::Append(const std::vector<Value>& values) {
  RangeLock lock(file_.get(), tf::kCountOffset, writable_ ? 8 : 0);
  if (!lock.held()) return TableStatus::kLocked;
  RefreshCount();
  ByteSet rec(static_cast<size_t>(record_size_), 0);
  std::vector<ChainPlan> plans;
  TableStatus st = Fill(values, rec.data(), &plans);
  if (st != TableStatus::kOk) return st;
  int64_t end = static_cast<int64_t>(SlotOffset(count_)) + record_size_;
  if (end > std::numeric_limits<int32_t>::max() || next_ == std::numeric_limits<int32_t>::max())
    return TableStatus::kInvalid;
  tf::PutI32(rec.data(), std::max(next_, 1));
  // The record is written before the count that makes it part of the table.
  if (!file_->WriteAt(static_cast<uint64_t>(end - record_size_), rec.data(), rec.size()))
    return TableStatus::kIoError;
  if ((st = WriteCount(count_ + 1, std::max(next_, 1) + 1)) != TableStatus::kOk) return st;
  cache_.Wrote(count_ - 1, rec.data());
  position = count_ - 1;
  return TableStatus::kOk;
}

TableStatus TableFile::Delete() {
  TableStatus st;
  const uint8_t* cur = Record(position, &st);
  if (!cur) return st;
  int32_t number = tf::GetI32(cur);
  if (number <= 0) return TableStatus::kOk;
  if (!writable_) return TableStatus::kReadOnly;
  ByteSet rec(cur, cur + record_size_);
  tf::PutI32(rec.data(), -number);
  return WriteSlot(position, rec.data());
}

// The table image without its deleted records, and the chains those records held.
TableStatus TableFile::Compacted(ByteSet* image, std::vector<int32_t>* dropped_chains) {
  *image = head_;
  int32_t keep = 0;
  for (int32_t s = 0; s < count_; ++s) {
    TableStatus st;
    const uint8_t* rec = Record(s, &st);
    if (!rec) return st;
    if (tf::GetI32(rec) >= 0) {
      image->insert(image->end(), rec, rec + record_size_);
      ++keep;
      continue;
    }
    for (size_t i = 0; i < fields_.size(); ++i) {
      int32_t first = 0;
      if (ChainFirst(rec, static_cast<int>(i), &first)) dropped_chains->push_back(first);
    }
  }
  tf::PutI32(image->data() + tf::kCountOffset, keep);
  return TableStatus::kOk;
}

// Rewrites the table without its deleted records in one step (a new file renamed over the
// old one), so that a failure leaves the table as it was; then frees their chains.
TableStatus TableFile::Purge() {
  if (!writable_) return TableStatus::kReadOnly;
  ByteSet image;
  std::vector<int32_t> dropped_chains;
  {
    RangeLock head(file_.get(), tf::kCountOffset, 8);
    if (!head.held()) return TableStatus::kLocked;
    TableStatus st = Compacted(&image, &dropped_chains);
    if (st != TableStatus::kOk) return st;
    position = 0;
    if (image.size() == SlotOffset(count_)) return TableStatus::kOk;  // nothing deleted
    if (!ReplaceFileDurably(path_, image)) return TableStatus::kIoError;
  }
  TableStatus st = Reopen();
  if (st != TableStatus::kOk) return st;
  std::memcpy(head_.data() + tf::kCountOffset, image.data() + tf::kCountOffset, 4);
  count_ = tf::GetI32(head_.data() + tf::kCountOffset);
  for (int32_t first : dropped_chains) companion_->FreeChain(first);
  return TableStatus::kOk;
}

// Opens the table file again after it was replaced on disk.
TableStatus TableFile::Reopen() {
  ForgetWindow();
  auto file = CurrentEnv()->Open(path_, OpenMode::kReadWrite);
  if (!file) {
    writable_ = false;  // the old handle still reads the table as it was
    return TableStatus::kIoError;
  }
  file_ = std::move(file);
  return TableStatus::kOk;
}

TableStatus TableFile::Clear() {
  if (!writable_) return TableStatus::kReadOnly;
  RangeLock lock(file_.get(), tf::kCountOffset, 8);
  if (!lock.held()) return TableStatus::kLocked;
  TableStatus st = WriteCount(0, next_);
  if (st != TableStatus::kOk) return st;
  ForgetWindow();
  position = 0;
  file_->Truncate(static_cast<uint64_t>(data_start_));
  if (companion_ && !companion_->Reset()) return TableStatus::kIoError;
  return TableStatus::kOk;
}

}  // namespace table_internal
