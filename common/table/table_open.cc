// Opening a table: the header and descriptor checks, the repair of a cut-off file, and
// finding its companion file.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

#include "common/table/range_lock.h"
#include "common/table/table_file.h"
#include "common/text.h"

namespace table_internal {
namespace tf = table_format;
namespace {

// Reads exactly n bytes at offset.
bool ReadExact(File* f, uint64_t offset, uint8_t* buf, size_t n) {
  size_t got = 0;
  return f->ReadAt(offset, buf, n, &got) && got == n;
}

// A descriptor checked against the record size; false when it cannot be one.
bool ParseField(const uint8_t* d, int32_t record_size, tf::Field* f) {
  const void* nul = std::memchr(d, 0, tf::kMaxNameBytes + 1);
  if (!nul) return false;
  f->name.assign(reinterpret_cast<const char*>(d), static_cast<const uint8_t*>(nul) - d);
  f->type = tf::GetI32(d + 20);
  f->offset = tf::GetI32(d + 24);
  f->declared = tf::GetI32(d + 28);
  f->width = tf::TypeWidth(f->type, f->declared);
  return f->width > 0 && f->offset >= 0 &&
         static_cast<int64_t>(f->offset) + f->width <= record_size;
}

bool AsciiEqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y && !(x < 0x80 && y < 0x80 && std::tolower(x) == std::tolower(y))) return false;
  }
  return true;
}

}  // namespace

std::string CompanionPath(const std::string& table_path) {
  size_t slash = table_path.rfind('/');
  size_t dot = table_path.rfind('.');
  std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                         ? table_path.substr(0, dot)
                         : table_path;
  for (int mask = 0; mask < 8; ++mask) {
    std::string ext = ".rdt";
    for (int i = 0; i < 3; ++i)
      if (mask & (1 << i)) ext[1 + i] = static_cast<char>(std::toupper(ext[1 + i]));
    if (CurrentEnv()->Exists(stem + ext)) return stem + ext;
  }
  return stem + ".rdt";
}

int TableFile::FindField(const std::string& gbk_name) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (AsciiEqualNoCase(fields_[i].name, gbk_name)) return static_cast<int>(i);
  return -1;
}

int TableFile::FindFieldUtf8(const std::string& name) {
  auto it = names_.find(name);
  if (it != names_.end()) return it->second;
  if (names_.size() > 256) names_.clear();
  return names_[name] = FindField(ToGbk(name));
}

std::unique_ptr<TableFile> TableFile::Open(const std::string& path, Durability durability,
                                           TableStatus* status) {
  std::unique_ptr<TableFile> t(new TableFile);
  t->path_ = path;
  t->durable_ = durability == Durability::kDurable;
  t->file_ = CurrentEnv()->Open(path, OpenMode::kReadWrite);
  if (!t->file_) {
    t->file_ = CurrentEnv()->Open(path, OpenMode::kRead);
    t->writable_ = false;
  }
  if (!t->file_) {
    *status = TableStatus::kMissing;
    return nullptr;
  }
  *status = t->CheckAndMend(path);
  if (*status != TableStatus::kOk) return nullptr;
  // A record marked deleted in a kept table is a delete cut off before its purge (the programs
  // always purge right after a delete): the purge is made now. Left in place, the record would
  // read as live and then vanish, with whatever was stored into it since, at the next purge.
  if (t->writable_ && t->durable_ && t->HasDeletedRecords()) t->Purge();
  t->position = 0;
  return t;
}

// The checks of an open, then (only once all have passed) the mending of a cut-off file and
// of dangling byte sets. The size is taken under the lock: another holder's append in between
// would otherwise look like a record cut short.
TableStatus TableFile::CheckAndMend(const std::string& path) {
  RangeLock lock(file_.get(), tf::kCountOffset, writable_ ? 8 : 0);
  int64_t size = file_->Size();
  TableStatus st = !lock.held() ? TableStatus::kLocked
                   : size < 0   ? TableStatus::kIoError
                                : ReadHead(size);
  if (st != TableStatus::kOk) return st;
  cache_.Reset(record_size_);
  bool chains = false;
  for (const auto& f : fields_) chains = chains || tf::IsChainType(f.type);
  if (chains) {
    companion_ = CompanionFile::Open(CompanionPath(path), version_, durable_);
    if (!companion_) return TableStatus::kInvalid;
  }
  st = Repair(size);
  if (st == TableStatus::kOk && chains) st = ClearDanglingChains();
  return st;
}

bool TableFile::HasDeletedRecords() {
  for (int32_t slot = 0; slot < count_; ++slot) {
    TableStatus st;
    const uint8_t* rec = Record(slot, &st);
    if (rec && tf::GetI32(rec) < 0) return true;
  }
  return false;
}

TableStatus TableFile::ReadHead(int64_t size) {
  uint8_t h[tf::kDescriptorsOffset];
  if (size < tf::kDescriptorsOffset || !ReadExact(file_.get(), 0, h, sizeof h))
    return TableStatus::kInvalid;
  version_ = tf::GetI32(h + 4);
  count_ = tf::GetI32(h + tf::kCountOffset);
  next_ = tf::GetI32(h + tf::kNextNumberOffset);
  record_size_ = tf::GetI32(h + tf::kRecordSizeOffset);
  int32_t n = tf::GetI32(h + tf::kFieldCountOffset);
  if (std::memcmp(h, tf::kTableSignature, 4) != 0 || version_ > tf::kVersion || record_size_ <= 0 ||
      record_size_ > tf::kMaxRecordSize || count_ < 0 || next_ <= 0 || n <= 0 ||
      n > (size - tf::kDescriptorsOffset) / tf::kDescriptorSize)
    return TableStatus::kInvalid;
  data_start_ = tf::kDescriptorsOffset + int64_t{tf::kDescriptorSize} * n;
  if (data_start_ + int64_t{count_} * record_size_ > std::numeric_limits<int32_t>::max())
    return TableStatus::kInvalid;
  head_.resize(static_cast<size_t>(data_start_));
  std::memcpy(head_.data(), h, sizeof h);
  if (!ReadExact(file_.get(), sizeof h, head_.data() + sizeof h, head_.size() - sizeof h))
    return TableStatus::kInvalid;
  fields_.resize(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    const uint8_t* d = head_.data() + tf::kDescriptorsOffset + tf::kDescriptorSize * i;
    if (!ParseField(d, record_size_, &fields_[i])) return TableStatus::kInvalid;
  }
  return TableStatus::kOk;
}

// Lowers a count the file cannot hold and cuts bytes after the last counted record (the
// remains of a write that never got its count). A file that cannot be mended on disk is still
// read with the lowered count.
TableStatus TableFile::Repair(int64_t size) {
  int64_t whole = (size - data_start_) / record_size_;
  int64_t end = data_start_ + int64_t{record_size_} * std::min<int64_t>(whole, count_);
  bool wrote = false;
  if (whole < count_) {
    count_ = static_cast<int32_t>(whole);
    tf::PutI32(head_.data() + tf::kCountOffset, count_);
    if (writable_) wrote = file_->WriteAt(tf::kCountOffset, head_.data() + tf::kCountOffset, 4);
  }
  if (writable_ && size > end) wrote = file_->Truncate(static_cast<uint64_t>(end)) || wrote;
  if (wrote) Sync();
  return TableStatus::kOk;
}

// A byte set whose first block lies at or past the companion's end owns no blocks: it reads
// empty, and in a writable table its number is set to 0 before any block could be given to
// another value. The companion header stays locked meanwhile, so a block taken by another
// holder of the file is already counted when its record is read.
TableStatus TableFile::ClearDanglingChains() {
  HeaderLock lock(companion_.get());
  if (!lock.held()) return TableStatus::kLocked;
  const int32_t blocks = companion_->block_count();
  bool cleared = false;
  for (int32_t slot = 0; slot < count_; ++slot) {
    TableStatus st;
    const uint8_t* rec = Record(slot, &st);
    if (!rec) return st;
    ByteSet fixed;
    for (size_t i = 0; i < fields_.size(); ++i) {
      int32_t first = 0;
      if (!ChainFirst(rec, static_cast<int>(i), &first) || (first >= 0 && first < blocks)) continue;
      if (fixed.empty()) fixed.assign(rec, rec + record_size_);
      tf::PutI32(fixed.data() + fields_[i].offset, 0);
    }
    if (fixed.empty() || !writable_) continue;
    if ((st = WriteSlot(slot, fixed.data())) != TableStatus::kOk) return st;
    cleared = true;
  }
  return cleared ? Sync() : TableStatus::kOk;
}

}  // namespace table_internal
