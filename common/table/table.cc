// The operations the programs call, on the current table of the open-table list.
#include "common/table/table.h"

#include <utility>

#include "common/table/field_codec.h"
#include "common/table/open_tables.h"
#include "common/table/table_sort.h"
#include "common/text.h"

using table_internal::CurrentTable;
using table_internal::SetStatus;
using table_internal::TableFile;
using table_internal::TableStatus;

namespace {

constexpr char kNoTableText[] = "未指定当前数据库或者指定数据库未打开";
constexpr char kNoFieldText[] = "指定字段不存在";

// Index of the field a key names in table t, or -1.
int FieldIndex(TableFile& t, const FieldKey& key) {
  if (const int* n = std::get_if<int>(&key))
    return *n >= 1 && *n <= static_cast<int>(t.fields().size()) ? *n - 1 : -1;
  return t.FindFieldUtf8(std::get<std::string>(key));
}

// The current table; when there is none, records the failure.
TableFile* Current() {
  TableFile* t = CurrentTable();
  if (!t) SetStatus(TableStatus::kNoTable);
  return t;
}

}  // namespace

bool OpenTable(const std::string& path, const std::string& alias, Durability durability) {
  if (table_internal::IsFileOpen(path)) return SetStatus(TableStatus::kAlreadyOpen);
  TableStatus st;
  auto table = TableFile::Open(path, durability, &st);
  if (!table) return SetStatus(st);
  table_internal::AddOpenTable(std::move(table), alias);
  return SetStatus(TableStatus::kOk);
}

bool SelectTable(const std::string& alias) {
  return SetStatus(table_internal::SelectOpenTable(alias) ? TableStatus::kOk
                                                          : TableStatus::kNoTable);
}

bool CloseTable(const std::string& alias) {
  return SetStatus(table_internal::CloseOpenTable(alias) ? TableStatus::kOk
                                                         : TableStatus::kNoTable);
}

void CloseAllTables() { table_internal::CloseEveryTable(); }

int GetRecordCount() {
  TableFile* t = CurrentTable();
  return t ? t->count() : 0;
}

int GetFieldCount() {
  TableFile* t = CurrentTable();
  return t ? static_cast<int>(t->fields().size()) : 0;
}

bool GoToRecord(int n) {
  TableFile* t = Current();
  if (!t) return false;
  t->position = std::max(std::min(n, t->count()) - 1, 0);
  return SetStatus(TableStatus::kOk);
}

bool SkipRecords(int k) {
  TableFile* t = Current();
  if (!t) return false;
  int32_t count = t->count(), pos = t->position;
  if (k == 0) return SetStatus(TableStatus::kOk);
  if (count == 0 || (k > 0 && pos >= count) || (k < 0 && pos < 0))
    return SetStatus(TableStatus::kNoRecord);
  int64_t to = int64_t{pos} + k;
  t->position =
      static_cast<int32_t>(k > 0 ? std::min<int64_t>(count, to) : std::max<int64_t>(-1, to));
  return SetStatus(TableStatus::kOk);
}

bool ReadFieldChecked(const FieldKey& field, Value* out) {
  *out = std::monostate{};
  TableFile* t = CurrentTable();
  if (!t) return SetStatus(TableStatus::kNoTable, kNoTableText);
  int i = FieldIndex(*t, field);
  if (i < 0) return SetStatus(TableStatus::kNoField, kNoFieldText);
  return SetStatus(t->Read(i, out));
}

Value ReadField(const FieldKey& field) {
  Value v;
  ReadFieldChecked(field, &v);
  return v;
}

bool WriteField(const FieldKey& field, Value value) {
  TableFile* t = Current();
  if (!t) return false;
  int i = FieldIndex(*t, field);
  if (i < 0) return SetStatus(TableStatus::kNoField);
  return SetStatus(t->WriteOne(i, std::move(value)));
}

bool AppendRecord(const std::vector<Value>& values) {
  TableFile* t = Current();
  return t && SetStatus(t->Append(values));
}

bool ModifyRecord(const std::vector<Value>& values) {
  TableFile* t = Current();
  return t && SetStatus(t->Modify(values));
}

bool ModifyRecords(int rows, const RowValues& row, std::vector<int>* failed) {
  std::vector<int> mine;
  TableFile* t = Current();
  if (!t) {
    for (int k = 0; failed && k < rows; ++k) failed->push_back(k);
    return false;
  }
  return SetStatus(t->ModifyRun(rows, row, failed ? failed : &mine));
}

bool DeleteRecord() {
  TableFile* t = Current();
  return t && SetStatus(t->Delete());
}

bool PurgeDeletedRecords() {
  TableFile* t = Current();
  return t && SetStatus(t->Purge());
}

bool ClearTable() {
  TableFile* t = Current();
  return t && SetStatus(t->Clear());
}

int LastTableStatus() { return table_internal::LastStatus(); }
std::string LastTableErrorText() { return table_internal::LastStatusText(); }

bool SortTableToFile(const std::string& target, const std::vector<std::string>& keys,
                     const std::vector<bool>& ascending, Durability durability) {
  TableFile* t = Current();
  if (!t) return false;
  if (table_internal::IsFileOpen(target)) return SetStatus(TableStatus::kAlreadyOpen);
  std::vector<std::string> gbk;
  for (const auto& k : keys) gbk.push_back(ToGbk(k));
  return SetStatus(table_internal::SortToFile(*t, target, gbk, ascending, durability));
}
