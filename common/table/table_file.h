#pragma once
// One open table: its files, its header and descriptors (read once at open and kept), a
// window of records read in bulk, and the record operations on it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/env.h"
#include "common/table/companion_file.h"
#include "common/table/range_lock.h"
#include "common/table/record_cache.h"
#include "common/table/table.h"
#include "common/table/table_format.h"
#include "common/table/table_status.h"
#include "common/value.h"

namespace table_internal {

class TableFile {
 public:
  // Opens and checks the table at path (and its companion when it has chain fields). A table
  // that is refused is left exactly as it was.
  static std::unique_ptr<TableFile> Open(const std::string& path, Durability durability,
                                         TableStatus* status);

  const std::vector<table_format::Field>& fields() const { return fields_; }
  int32_t count() const { return count_; }
  int32_t next_number() const { return next_; }
  int32_t record_size() const { return record_size_; }
  int64_t data_start() const { return data_start_; }
  // The header and descriptor bytes as stored (the sort copies them).
  const ByteSet& head() const { return head_; }
  const std::string& path() const { return path_; }
  CompanionFile* companion() { return companion_.get(); }
  // Index of a field (-1 when none has that name or number).
  int FindField(const std::string& gbk_name) const;
  // As FindField for a UTF-8 name, remembering the names already looked up.
  int FindFieldUtf8(const std::string& name);
  // File offset of a record slot (slot >= 0).
  uint64_t SlotOffset(int32_t slot) const {
    return static_cast<uint64_t>(data_start_) +
           static_cast<uint64_t>(slot) * static_cast<uint64_t>(record_size_);
  }

  // Current position: -1 before the first, count() after the last.
  int32_t position = -1;

  // The bytes of the record in slot (read once, then kept in the record cache).
  const uint8_t* Record(int32_t slot, TableStatus* status);
  // Value of field i of the current record.
  TableStatus Read(int i, Value* out);
  // Writes the given values (monostate = keep) into the current record.
  TableStatus Modify(const std::vector<Value>& values);
  TableStatus WriteOne(int i, Value value);
  // Modify with row(k) on the record at position + k, for k < rows; failed receives each k not
  // written. The position ends on the last row's record.
  TableStatus ModifyRun(int rows, const RowValues& row, std::vector<int>* failed);
  TableStatus Append(const std::vector<Value>& values);
  TableStatus Delete();
  TableStatus Purge();
  TableStatus Clear();

 private:
  TableFile() = default;
  TableStatus CheckAndMend(const std::string& path);
  bool HasDeletedRecords();
  TableStatus ReadHead(int64_t size);
  TableStatus Repair(int64_t size);
  TableStatus ClearDanglingChains();
  TableStatus Reopen();
  // Takes the header lock; when another holder of the table has put a new file in its place
  // (a purge), moves onto that file first (TakeUpReplacement).
  TableStatus LockHead(std::optional<RangeLock>* lock);
  bool Replaced() const;
  TableStatus TakeUpReplacement();
  void RefreshCount();
  TableStatus Compacted(ByteSet* image, std::vector<int32_t>* dropped_chains);
  TableStatus Fill(const std::vector<Value>& values, uint8_t* rec, std::vector<int>* given);
  TableStatus Rewrite(int32_t slot, const uint8_t* mine, const std::vector<int>& given,
                      std::vector<int32_t>* replaced_chains);
  TableStatus WriteSlot(int32_t slot, const uint8_t* rec);
  TableStatus ModifyEach(int rows, const RowValues& row, std::vector<int>* failed);
  TableStatus WriteRun(int rows, const RowValues& row, std::vector<int>* failed);
  TableStatus WritePiece(int32_t first, int from, int to, const RowValues& row, ByteSet* piece,
                         std::vector<int>* failed);
  TableStatus WriteCount(int32_t count, int32_t next);
  TableStatus Sync() {
    return !durable_ || file_->Sync() ? TableStatus::kOk : TableStatus::kIoError;
  }
  void ForgetWindow() { cache_.Reset(record_size_); }
  bool ChainFirst(const uint8_t* rec, int i, int32_t* first) const;
  // The first blocks named by the given byte-set fields of rec (0 left out).
  std::vector<int32_t> ChainFirsts(const uint8_t* rec, const std::vector<int>& given) const;

  std::string path_;
  std::unique_ptr<File> file_;
  std::unique_ptr<CompanionFile> companion_;
  bool writable_ = true;
  bool durable_ = true;
  ByteSet head_;
  std::vector<table_format::Field> fields_;
  int32_t version_ = 0, count_ = 0, next_ = 1, record_size_ = 0;
  int64_t data_start_ = 0;
  std::unordered_map<std::string, int> names_;
  RecordCache cache_;
};

// The companion path of a table path: its stem with "rdt" in the letter case found on disk.
std::string CompanionPath(const std::string& table_path);

}  // namespace table_internal
