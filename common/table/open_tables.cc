#include "common/table/open_tables.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "common/env.h"

namespace table_internal {
namespace {

struct OpenTable {
  std::string alias;
  std::string key;  // full path, ASCII letters lowered
  std::unique_ptr<TableFile> table;
};

struct State {
  std::vector<OpenTable> tables;
  TableFile* current = nullptr;
  TableStatus status = TableStatus::kOk;
  std::string text;
};

State& S() {
  static State s;
  return s;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(std::tolower(c));
  return s;
}

std::string PathKey(const std::string& path) { return Lower(CurrentEnv()->AbsolutePath(path)); }

// Index of the newest table of alias, or -1.
int FindAlias(const std::string& alias) {
  std::string want = Lower(alias);
  for (int i = static_cast<int>(S().tables.size()) - 1; i >= 0; --i)
    if (Lower(S().tables[static_cast<size_t>(i)].alias) == want) return i;
  return -1;
}

}  // namespace

TableFile* CurrentTable() { return S().current; }

void AddOpenTable(std::unique_ptr<TableFile> table, const std::string& alias) {
  S().current = table.get();
  std::string key = PathKey(table->path());
  S().tables.push_back({alias, key, std::move(table)});
}

bool IsFileOpen(const std::string& path) {
  std::string key = PathKey(path);
  return std::any_of(S().tables.begin(), S().tables.end(),
                     [&](const OpenTable& t) { return t.key == key; });
}

bool SelectOpenTable(const std::string& alias) {
  int i = FindAlias(alias);
  if (i < 0) return false;
  S().current = S().tables[static_cast<size_t>(i)].table.get();
  return true;
}

bool CloseOpenTable(const std::string& alias) {
  auto& v = S().tables;
  auto it = alias.empty()
                ? std::find_if(v.begin(), v.end(),
                               [](const OpenTable& t) { return t.table.get() == S().current; })
                : (FindAlias(alias) < 0 ? v.end() : v.begin() + FindAlias(alias));
  if (it == v.end()) return false;
  if (it->table.get() == S().current) S().current = nullptr;
  v.erase(it);
  return true;
}

void CloseEveryTable() {
  S().tables.clear();
  S().current = nullptr;
}

bool SetStatus(TableStatus status, const char* text) {
  S().status = status;
  if (*text || !S().text.empty()) S().text = text;
  return status == TableStatus::kOk;
}

int LastStatus() { return static_cast<int>(S().status); }
const std::string& LastStatusText() { return S().text; }

}  // namespace table_internal
