#pragma once
// The program's open tables: each under its alias, and which one is current.
#include <memory>
#include <string>

#include "common/table/table_file.h"
#include "common/table/table_status.h"

namespace table_internal {

// The current table, or nullptr when none is.
TableFile* CurrentTable();
// Adds an opened table under alias and makes it current.
void AddOpenTable(std::unique_ptr<TableFile> table, const std::string& alias);
// Whether a table of that file (full path, letter case not significant) is open.
bool IsFileOpen(const std::string& path);
// Makes the newest table of that alias (letter case not significant) current.
bool SelectOpenTable(const std::string& alias);
// Closes the table of alias (empty = the current one).
bool CloseOpenTable(const std::string& alias);
void CloseEveryTable();

// Remembers the status of the operation now ending; returns whether it is kOk.
bool SetStatus(TableStatus status, const char* text = "");
int LastStatus();
// The text of a programming error met by the last operation ("" when none).
const std::string& LastStatusText();

}  // namespace table_internal
