#pragma once
// What the tables in a folder hold, as one text: what the power-cut tests compare after each
// replayed cut.
#include <sstream>
#include <string>
#include <vector>

#include "common/env.h"
#include "common/table/table.h"
#include "common/text.h"

namespace table_contents {

// A byte set as its size and a hash of its bytes.
inline std::string Digest(const ByteSet& b) {
  uint64_t h = 1469598103934665603ull;
  for (uint8_t c : b) h = (h ^ c) * 1099511628211ull;
  return std::to_string(b.size()) + "#" + std::to_string(h);
}

// The dockets a docket table's bytes hold, one line each with every field.
inline std::string DocketsOf(const ByteSet& bytes, const std::string& scratch) {
  if (bytes.empty()) return "none";
  if (!ReplaceFile(scratch, bytes, Durability::kScratch) ||
      !OpenTable(scratch, "读单据", Durability::kScratch))
    return "unreadable docket table";
  std::ostringstream out;
  for (int r = 1; r <= GetRecordCount(); ++r) {
    GoToRecord(r);
    out << "\n    ";
    for (int f = 1; f <= GetFieldCount(); ++f) out << ToText(ReadField(f)) << " ";
  }
  CloseTable("读单据");
  return out.str();
}

// Every record of the table in folder: its fields in order, byte sets by their dockets (a
// docket table) or their bytes.
inline std::string ReadTable(const std::string& folder, const std::string& name, bool dockets) {
  if (!OpenTable(folder + "/" + name, "读")) return name + " does not open";
  std::ostringstream out;
  out << name << ": " << GetRecordCount() << " records\n";
  std::vector<std::pair<int, ByteSet>> sets;
  for (int r = 1; r <= GetRecordCount(); ++r) {
    GoToRecord(r);
    for (int f = 1; f <= GetFieldCount(); ++f) {
      Value v;
      if (!ReadFieldChecked(f, &v)) out << "[unreadable] ";
      if (const ByteSet* b = std::get_if<ByteSet>(&v)) {
        sets.emplace_back(r, *b);
        out << "<set " << b->size() << "> ";
      } else {
        out << ToText(v) << " ";
      }
    }
    out << "\n";
  }
  CloseTable("读");
  for (const auto& [r, b] : sets)
    out << "  " << r << ": " << (dockets ? DocketsOf(b, folder + "/读单据.rdb") : Digest(b))
        << "\n";
  return out.str();
}

}  // namespace table_contents
