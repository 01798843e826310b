// Column kinds, choice lists and the rules for what the user may type into a cell.
#include <algorithm>

#include "common/grid/grid_model.h"

namespace {
bool ValidType(int type) { return type >= 1 && type <= 8; }
bool IsChoiceType(int type) { return type == 4 || type == 8; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Numeric entry: digits, one leading minus sign and at most one decimal point.
bool NumericText(const std::string& text) {
  size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  auto rest = text.begin() + static_cast<long>(start);
  return std::count(rest, text.end(), '.') <= 1 &&
         std::all_of(rest, text.end(), [](char ch) { return IsDigit(ch) || ch == '.'; });
}

// Date entry: digits, "-" and "/".
bool DateText(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char ch) { return IsDigit(ch) || ch == '-' || ch == '/'; });
}

bool TextSuitsType(int type, const std::string& text) {
  if (type == 2) return NumericText(text);
  if (type == 3) return DateText(text);
  return type != 8;
}
}  // namespace

bool GridModel::SetColumnType(int c, int type) {
  if (c < 0 || c >= cols_ || !ValidType(type)) return false;
  kinds_[c].type = type;
  return true;
}

const ColumnKind* GridModel::Kind(int c) const {
  auto it = kinds_.find(c);
  return it == kinds_.end() ? nullptr : &it->second;
}

bool GridModel::SetColumnKind(int c, ColumnKind kind) {
  if (c < 0 || c >= cols_ || !ValidType(kind.type)) return false;
  kinds_[c] = std::move(kind);
  return true;
}

bool GridModel::AddChoiceItem(int c, const std::string& text) {
  if (c < 0 || c >= cols_) return false;
  kinds_[c].choices.push_back(text);
  return true;
}

void GridModel::ClearChoiceLists() {
  for (auto& [c, kind] : kinds_) kind.choices.clear();
}

bool GridModel::CellWritable(int r, int c) const {
  if (!settings.editable || !Inside(r, c) || r < fixed_rows_ || c < fixed_cols_) return false;
  return !(StyleAt(r, c).state & kCellReadOnly);
}

bool GridModel::UserEditAllowed(int r, int c, const std::string& text) const {
  const ColumnKind* kind = Kind(c);
  return CellWritable(r, c) && TextSuitsType(kind ? kind->type : 1, text);
}

bool GridModel::UserChoiceAllowed(int r, int c, const std::string& choice) const {
  const ColumnKind* kind = Kind(c);
  if (!CellWritable(r, c) || !kind || !IsChoiceType(kind->type)) return false;
  return std::find(kind->choices.begin(), kind->choices.end(), choice) != kind->choices.end();
}
