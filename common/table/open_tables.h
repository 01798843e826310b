#pragma once
// The program's open tables: each under its alias, and which one is current.
#include <memory>
#include <string>

#include "common/table/table_file.h"
#include "common/table/table_status.h"

namespace table_internal {

extern TableFile* g_current_table;
// The current table, or nullptr when none is.
inline TableFile* CurrentTable() { return g_current_table; }
// Adds an opened table under alias and makes it current.
void AddOpenTable(std::unique_ptr<TableFile> table, const std::string& alias);
// Whether a table of that file (full path, letter case not significant) is open.
bool IsFileOpen(const std::string& path);
// Makes the newest table of that alias (letter case not significant) current.
bool SelectOpenTable(const std::string& alias);
// Closes the table of alias (empty = the current one).
bool CloseOpenTable(const std::string& alias);
void CloseEveryTable();

// The status of the last operation and the text of a programming error it met ("" when none).
struct LastOutcome {
  TableStatus status = TableStatus::kOk;
  std::string text;
};
extern LastOutcome g_last_outcome;

// Remembers the status of the operation now ending; returns whether it is kOk. Inline: every
// field read sets it.
inline bool SetStatus(TableStatus status) {
  g_last_outcome.status = status;
  if (!g_last_outcome.text.empty()) g_last_outcome.text.clear();
  return status == TableStatus::kOk;
}
bool SetStatus(TableStatus status, const char* text);
int LastStatus();
const std::string& LastStatusText();

}  // namespace table_internal
