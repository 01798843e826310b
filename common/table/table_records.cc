// The record operations of an open table: reading through the record window, writing,
// appending, deleting, purging and clearing.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "common/table/field_codec.h"
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

std::vector<int32_t> TableFile::ChainFirsts(const uint8_t* rec,
                                            const std::vector<int>& given) const {
  std::vector<int32_t> out;
  for (int i : given) {
    int32_t first = 0;
    if (ChainFirst(rec, i, &first) && first != 0) out.push_back(first);
  }
  return out;
}

// Puts the values into rec: every plain field first (so a value of the wrong kind fails
// before anything is written), then each byte set into new blocks of the companion file, its
// first block into rec. given: the fields that received a value.
TableStatus TableFile::Fill(const std::vector<Value>& values, uint8_t* rec,
                            std::vector<int>* given) {
  size_t n = std::min(values.size(), fields_.size());
  std::vector<std::pair<size_t, ByteSet>> chains;
  for (size_t i = 0; i < n; ++i) {
    if (std::holds_alternative<std::monostate>(values[i])) continue;
    given->push_back(static_cast<int>(i));
    if (tf::IsChainType(fields_[i].type)) {
      chains.emplace_back(i, ByteSet{});
      if (!std::holds_alternative<ByteSet>(values[i]) &&
          !ChainBytes(fields_[i], values[i], &chains.back().second))
        return TableStatus::kBadValue;
    } else if (!EncodeField(fields_[i], values[i], rec)) {
      return TableStatus::kBadValue;
    }
  }
  if (!writable_) return TableStatus::kReadOnly;
  std::vector<int32_t> stored;
  for (auto& [i, bytes] : chains) {
    int32_t first = 0;
    const ByteSet* own = std::get_if<ByteSet>(&values[i]);  // stored as it is, not copied
    if (!companion_->Store(own ? *own : bytes, &first)) {
      companion_->FreeChains(stored);  // not named by any record: given back at once
      return TableStatus::kIoError;
    }
    stored.push_back(first);
    tf::PutI32(rec + fields_[i].offset, first);
  }
  return TableStatus::kOk;
}

TableStatus TableFile::WriteSlot(int32_t slot, const uint8_t* rec) {
  uint64_t at = SlotOffset(slot);
  RangeLock lock(file_.get(), at, static_cast<uint64_t>(record_size_));
  if (!lock.held()) return TableStatus::kLocked;
  if (!file_->WriteAt(at, rec, static_cast<size_t>(record_size_))) return TableStatus::kIoError;
  cache_.Wrote(slot, rec);
  return TableStatus::kOk;
}

// Writes the given fields of mine into the record in slot as it is on disk now (another holder
// of a kept table may have changed its other fields), durably. replaced_chains: the first blocks
// that the record named before in the byte-set fields written.
TableStatus TableFile::Rewrite(int32_t slot, const uint8_t* mine, const std::vector<int>& given,
                               std::vector<int32_t>* replaced_chains) {
  uint64_t at = SlotOffset(slot);
  size_t rs = static_cast<size_t>(record_size_);
  RangeLock lock(file_.get(), at, rs);
  if (!lock.held()) return TableStatus::kLocked;
  ByteSet rec(rs);
  size_t got = 0;
  if (!durable_) {  // a scratch table has no other holder: the record read before is current
    TableStatus st;
    const uint8_t* cur = Record(slot, &st);
    if (!cur) return st;
    std::memcpy(rec.data(), cur, rs);
  } else if (!file_->ReadAt(at, rec.data(), rs, &got) || got != rs) {
    return TableStatus::kIoError;
  }
  for (int i : given) {
    const tf::Field& f = fields_[static_cast<size_t>(i)];
    int32_t first = 0;
    if (ChainFirst(rec.data(), i, &first) && first != 0) replaced_chains->push_back(first);
    std::memcpy(rec.data() + f.offset, mine + f.offset, static_cast<size_t>(f.width));
  }
  if (!file_->WriteAt(at, rec.data(), rs)) return TableStatus::kIoError;
  cache_.Wrote(slot, rec.data());
  return Sync();
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

// The new byte sets are durable in their own blocks before the record names them; the record
// is durable before the old chains are freed. A cut at any point leaves the old value or the
// new one (at worst some blocks that nothing names).
TableStatus TableFile::Modify(const std::vector<Value>& values) {
  std::optional<RangeLock> head;
  TableStatus st = durable_ ? LockHead(&head) : TableStatus::kOk;
  if (st != TableStatus::kOk) return st;
  const uint8_t* cur = Record(position, &st);
  if (!cur) return st;
  ByteSet mine(cur, cur + record_size_);
  std::vector<int> given;
  if ((st = Fill(values, mine.data(), &given)) != TableStatus::kOk) return st;
  std::vector<int32_t> replaced;
  if ((st = Rewrite(position, mine.data(), given, &replaced)) != TableStatus::kOk) {
    if (companion_) companion_->FreeChains(ChainFirsts(mine.data(), given));
    return st;
  }
  if (companion_) companion_->FreeChains(replaced);  // a failure only leaves them unused
  return TableStatus::kOk;
}

TableStatus TableFile::WriteOne(int i, Value value) {
  std::vector<Value> values(static_cast<size_t>(i) + 1);
  values[static_cast<size_t>(i)] = std::move(value);
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

// The record (its byte sets already durable) is synced before the count that makes it part of
// the table, and the count after it.
TableStatus TableFile::Append(const std::vector<Value>& values) {
  std::optional<RangeLock> head;
  if (TableStatus st = LockHead(&head); st != TableStatus::kOk) return st;
  RefreshCount();
  int64_t end = static_cast<int64_t>(SlotOffset(count_)) + record_size_;
  if (end > std::numeric_limits<int32_t>::max() || next_ == std::numeric_limits<int32_t>::max())
    return TableStatus::kInvalid;
  ByteSet rec(static_cast<size_t>(record_size_), 0);
  std::vector<int> given;
  TableStatus st = Fill(values, rec.data(), &given);
  if (st != TableStatus::kOk) return st;
  tf::PutI32(rec.data(), std::max(next_, 1));
  bool counted = false;
  if (!file_->WriteAt(static_cast<uint64_t>(end - record_size_), rec.data(), rec.size()))
    st = TableStatus::kIoError;
  if (st == TableStatus::kOk) st = Sync();
  if (st == TableStatus::kOk)
    counted = (st = WriteCount(count_ + 1, std::max(next_, 1) + 1)) == TableStatus::kOk;
  if (st == TableStatus::kOk) st = Sync();
  if (st != TableStatus::kOk) {
    if (!counted && companion_) companion_->FreeChains(ChainFirsts(rec.data(), given));
    return st;
  }
  cache_.Wrote(count_ - 1, rec.data());
  position = count_ - 1;
  return TableStatus::kOk;
}

TableStatus TableFile::Delete() {
  std::optional<RangeLock> head;
  TableStatus st = durable_ && writable_ ? LockHead(&head) : TableStatus::kOk;
  if (st != TableStatus::kOk) return st;
  const uint8_t* cur = Record(position, &st);
  if (!cur) return st;
  if (tf::GetI32(cur) <= 0) return TableStatus::kOk;
  if (!writable_) return TableStatus::kReadOnly;
  uint64_t at = SlotOffset(position);
  RangeLock lock(file_.get(), at, static_cast<uint64_t>(record_size_));
  if (!lock.held()) return TableStatus::kLocked;
  ByteSet rec(static_cast<size_t>(record_size_));
  size_t got = 0;
  if (!file_->ReadAt(at, rec.data(), rec.size(), &got) || got != rec.size())
    return TableStatus::kIoError;
  int32_t number = tf::GetI32(rec.data());
  if (number <= 0) return TableStatus::kOk;
  tf::PutI32(rec.data(), -number);
  if (!file_->WriteAt(at, rec.data(), 4)) return TableStatus::kIoError;
  cache_.Wrote(position, rec.data());
  return Sync();
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
// old one), so that a failure or a cut leaves the table as it was; then frees their chains.
TableStatus TableFile::Purge() {
  if (!writable_) return TableStatus::kReadOnly;
  ByteSet image;
  std::vector<int32_t> dropped_chains;
  {
    std::optional<RangeLock> head;
    if (TableStatus st = LockHead(&head); st != TableStatus::kOk) return st;
    RefreshCount();
    ForgetWindow();  // the records as they are on disk now
    TableStatus st = Compacted(&image, &dropped_chains);
    if (st != TableStatus::kOk) return st;
    position = 0;
    if (image.size() == SlotOffset(count_)) return TableStatus::kOk;  // nothing deleted
    Durability d = durable_ ? Durability::kDurable : Durability::kScratch;
    if (!ReplaceFile(path_, image, d)) return TableStatus::kIoError;
  }
  TableStatus st = Reopen();
  if (st != TableStatus::kOk) return st;
  std::memcpy(head_.data() + tf::kCountOffset, image.data() + tf::kCountOffset, 4);
  count_ = tf::GetI32(head_.data() + tf::kCountOffset);
  if (companion_) companion_->FreeChains(dropped_chains);
  return TableStatus::kOk;
}

TableStatus TableFile::LockHead(std::optional<RangeLock>* lock) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    lock->emplace(file_.get(), tf::kCountOffset, writable_ ? 8 : 0);
    if (!(*lock)->held()) {
      lock->reset();
      return TableStatus::kLocked;
    }
    if (!Replaced()) return TableStatus::kOk;
    lock->reset();
    if (TableStatus st = TakeUpReplacement(); st != TableStatus::kOk) return st;
  }
  lock->reset();
  return TableStatus::kLocked;
}

bool TableFile::Replaced() const {
  if (!durable_) return false;  // a scratch table has no other holder
  const std::string mine = file_->Identity();
  if (mine.empty()) return false;
  const std::string now = CurrentEnv()->IdentityOf(path_);
  return !now.empty() && now != mine;
}

// The current record is found again by its record number, which a purge keeps; when it is
// gone (purged by the other holder) there is no current record, and writes to it fail.
TableStatus TableFile::TakeUpReplacement() {
  TableStatus st;
  const uint8_t* rec = Record(position, &st);
  const int32_t number = rec ? std::abs(tf::GetI32(rec)) : 0;
  const int32_t old_position = position;
  if ((st = Reopen()) != TableStatus::kOk) return st;
  int64_t size = file_->Size();
  if ((st = size < 0 ? TableStatus::kIoError : ReadHead(size)) != TableStatus::kOk) return st;
  ForgetWindow();
  position = number == 0 ? std::min(old_position, count_) : count_;
  for (int32_t slot = 0; number != 0 && slot < count_; ++slot) {
    const uint8_t* r = Record(slot, &st);
    if (r && std::abs(tf::GetI32(r)) == number) position = slot;
  }
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
  std::optional<RangeLock> head;
  if (TableStatus st = LockHead(&head); st != TableStatus::kOk) return st;
  // The count comes first: a cut before the companion is reset leaves unused blocks, never a
  // record whose blocks are gone.
  TableStatus st = WriteCount(0, next_);
  if (st == TableStatus::kOk) st = Sync();
  if (st != TableStatus::kOk) return st;
  ForgetWindow();
  position = 0;
  if (file_->Truncate(static_cast<uint64_t>(data_start_))) Sync();
  if (companion_ && !companion_->Reset()) return TableStatus::kIoError;
  return TableStatus::kOk;
}

}  // namespace table_internal
