#include "common/ini_lines.h"

#include <string>
#include <vector>

#include "common/text.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Blanks never occur inside a GBK character, so trimming them is safe on GBK bytes.
std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && IsSpace(s[a])) ++a;
  while (b > a && IsSpace(s[b - 1])) --b;
  return s.substr(a, b - a);
}

// The first ']' that is a character of its own, not the second byte of a GBK character.
size_t FindClosingBracket(const std::string& s, size_t from) {
  for (size_t i = from; i < s.size(); ++i) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c == ']') return i;
    if (c >= 0x81 && c <= 0xFE) ++i;
  }
  return std::string::npos;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

IniLine MakeIniLine(const std::string& raw, const std::string& ending) {
  IniLine line;
  line.raw = raw;
  line.ending = ending;
  std::string t = Trim(raw);
  if (!t.empty() && t[0] == '[') {
    line.kind = IniLine::kSection;
    size_t close = FindClosingBracket(t, 1);
    line.name = FromGbk(Trim(t.substr(1, (close == std::string::npos ? t.size() : close) - 1)));
    return line;
  }
  size_t eq = t.find('=');  // '=' is never a byte of a GBK character
  if (eq == std::string::npos || Trim(t.substr(0, eq)).empty()) return line;
  line.kind = IniLine::kKey;
  line.name = FromGbk(Trim(t.substr(0, eq)));
  // The value is everything after the '=', blanks included: the programs write "key=value"
  // and must read back exactly what they wrote (a stored "是 " is not "是", a password may
  // begin with a blank).
  line.value = raw.substr(raw.find('=') + 1);
  return line;
}

std::vector<IniLine> ParseIniLines(const std::string& gbk) {
  std::vector<IniLine> lines;
  size_t from = 0;
  while (from < gbk.size()) {
    size_t nl = gbk.find('\n', from);
    std::string raw = gbk.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
    std::string ending = nl == std::string::npos ? "" : "\n";
    if (!ending.empty() && !raw.empty() && raw.back() == '\r') raw.pop_back(), ending = "\r\n";
    lines.push_back(MakeIniLine(raw, ending));
    from = nl == std::string::npos ? gbk.size() : nl + 1;
  }
  return lines;
}

std::string JoinIniLines(const std::vector<IniLine>& lines) {
  std::string out;
  for (const IniLine& line : lines) out += line.raw + line.ending;
  return out;
}

int FindIniSection(const std::vector<IniLine>& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == IniLine::kSection && EqualIgnoringAsciiCase(lines[i].name, section)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int IniSectionEnd(const std::vector<IniLine>& lines, int from) {
  int i = from + 1;
  while (i < static_cast<int>(lines.size()) && lines[i].kind != IniLine::kSection) ++i;
  return i;
}

int FindIniKey(const std::vector<IniLine>& lines, int from, int to, const std::string& key) {
  for (int i = from; i < to; ++i) {
    if (lines[i].kind == IniLine::kKey && EqualIgnoringAsciiCase(lines[i].name, key)) return i;
  }
  return -1;
}
