// The content of edit boxes: normalising typed numbers, appending.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>

#include "common/ui/framework_state.h"

namespace ui {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

}  // namespace

std::string NormaliseIntegerText(const std::string& typed) {
  size_t i = SkipBlanks(typed);
  bool negative = i < typed.size() && typed[i] == '-';
  if (i < typed.size() && (typed[i] == '-' || typed[i] == '+')) ++i;
  if (i >= typed.size() || !IsDigit(typed[i])) return "";
  int64_t magnitude = 0;
  for (; i < typed.size() && IsDigit(typed[i]); ++i) {
    magnitude = std::min<int64_t>(magnitude * 10 + (typed[i] - '0'), int64_t{INT_MAX} + 1);
  }
  int64_t v = negative ? -magnitude : magnitude;
  return std::to_string(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

std::string NormaliseDecimalText(const std::string& typed) {
  size_t start = SkipBlanks(typed), i = start;
  if (i < typed.size() && (typed[i] == '-' || typed[i] == '+')) ++i;
  bool digits = false, point = false;
  for (; i < typed.size(); ++i) {
    if (IsDigit(typed[i])) {
      digits = true;
    } else if (typed[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digits ? typed.substr(start, i - start) : "";
}

int TextBytesAt(const Unit& u, int row, int col) {
  for (const TextLimit& limit : u.text_limits) {
    const bool rows = row < limit.row1 || (limit.row2 >= 0 && row > limit.row2);
    const bool cols = col < limit.col1 || (limit.col2 >= 0 && col > limit.col2);
    if (u.kind != Kind::kGrid || (!rows && !cols)) return limit.bytes;
  }
  return 0;
}

void AppendEditText(EditRef r, const std::string& text) {
  Unit* u = FindUnit(r);
  if (!u) return;
  u->text += text;
  internal::Notify(*u->window, u, Prop::kText);
}

}  // namespace ui
