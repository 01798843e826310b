#pragma once
// Record tables: the operations the programs call. One table is current at a time; every
// record operation acts on it and on its current record. Records are numbered from 1.
// The file formats and their invariants are written down in table_format.h.
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "common/env.h"
#include "common/value.h"

// A field addressed by name (letter case not significant) or by 1-based number.
using FieldKey = std::variant<std::string, int>;

// Opens the table file (and its companion file when it has byte-set fields) under alias and
// makes it current, at its first record. False when missing, invalid or already open; a table
// refused is left as it was. Every change made through a durable table is on the disk when its
// operation returns; a scratch table (a file rebuilt at every use) is never synced.
bool OpenTable(const std::string& path, const std::string& alias,
               Durability durability = Durability::kDurable);
// Makes the table of that alias current (letter case not significant, newest first).
bool SelectTable(const std::string& alias);
// Closes that table (or the current one when alias is empty).
bool CloseTable(const std::string& alias = "");
// Closes every open table.
void CloseAllTables();
// Record count of the current table (deleted records included); 0 when none is current.
int GetRecordCount();
int GetFieldCount();
// Current record := min(n, count) - 1, at least the first.
bool GoToRecord(int n);
bool SkipRecords(int k = 1);
// The current record's value of the field, typed as the field; the zero value on failure.
Value ReadField(const FieldKey& field);
// As ReadField, reporting success.
bool ReadFieldChecked(const FieldKey& field, Value* out);
bool WriteField(const FieldKey& field, Value value);
// Appends a record from one value per field in field order (missing or monostate = zero).
bool AppendRecord(const std::vector<Value>& values);
// Overwrites the given fields of the current record (monostate or missing = kept).
bool ModifyRecord(const std::vector<Value>& values);
// The values of row k of ModifyRecords, asked in row order and at most once: every row that
// has a record is asked (unless the run cannot be locked at all).
using RowValues = std::function<std::vector<Value>(int k)>;
// ModifyRecord on the current record with row 0's values and on each of the next rows - 1
// records with the next row's; failed (when given) receives each row not written. A scratch
// table of plain fields takes the rows in a few large writes. The last row's record ends current.
bool ModifyRecords(int rows, const RowValues& row, std::vector<int>* failed = nullptr);
bool DeleteRecord();
bool PurgeDeletedRecords();
bool ClearTable();
// Writes the current table's records sorted on the key fields into a new table file, which
// replaces target in one step (durably unless it is a scratch copy).
bool SortTableToFile(const std::string& target, const std::vector<std::string>& keys,
                     const std::vector<bool>& ascending = {},
                     Durability durability = Durability::kDurable);
// The engine's status code of the last operation (0 = success).
int LastTableStatus();
// The text of a programming error met by the last ReadField ("未指定当前数据库或者指定数据库未打开"
// or "指定字段不存在"), "" otherwise.
std::string LastTableErrorText();
