#include "common/ini_lines.h"

#include <string>
#include <vector>

#include "common/text.h"

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// Blanks, '=', '"', '[' and ']' are ASCII, and ASCII bytes never occur inside a character
// in UTF-8, nor as the first byte of a GBK character; the second byte of a GBK character is
// 0x40 or above, so trimming blanks and quotes is safe on the bytes of either encoding.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && IsBlank(s[a])) ++a;
  while (b > a && IsBlank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

bool IsQuoted(const std::string& s) { return s.size() >= 2 && s.front() == '"' && s.back() == '"'; }

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

// Kind and name of a line, from its GBK bytes.
void Classify(const std::string& gbk, IniLine* line) {
  std::string t = Trim(gbk);
  if (!t.empty() && t[0] == '[') {
    line->kind = IniLine::kSection;
    size_t close = FindClosingBracket(t, 1);
    line->name = FromGbk(Trim(t.substr(1, (close == std::string::npos ? t.size() : close) - 1)));
    return;
  }
  size_t eq = t.find('=');
  if (eq == std::string::npos || Trim(t.substr(0, eq)).empty()) return;
  line->kind = IniLine::kKey;
  line->name = FromGbk(Trim(t.substr(0, eq)));
}

// The value of a key line: what follows the first '=', trimmed, then unquoted.
std::string ValueOf(const std::string& raw) {
  std::string v = Trim(raw.substr(raw.find('=') + 1));
  return IsQuoted(v) ? v.substr(1, v.size() - 2) : v;
}

IniLine MakeLine(const std::string& raw, const std::string& ending, IniEncoding encoding) {
  IniLine line;
  line.raw = raw;
  line.ending = ending;
  Classify(encoding == IniEncoding::kGbk ? raw : ToGbk(raw), &line);
  if (line.kind == IniLine::kKey) line.value = ValueOf(raw);
  return line;
}

IniEncoding EncodingOf(const std::string& bytes) {
  if (bytes.rfind(kUtf8Mark, 0) == 0) return IniEncoding::kUtf8;
  bool ascii = true;
  for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  return !ascii && IsUtf8(bytes) ? IniEncoding::kUtf8 : IniEncoding::kGbk;
}

}  // namespace

IniLine MakeIniLine(const std::string& raw, const std::string& ending) {
  return MakeLine(raw, ending, IniEncoding::kGbk);
}

std::string QuoteIniValue(const std::string& gbk) {
  const bool quote = !gbk.empty() && (IsBlank(gbk.front()) || IsBlank(gbk.back()) || IsQuoted(gbk));
  return quote ? "\"" + gbk + "\"" : gbk;
}

IniFile ParseIniFile(const std::string& bytes) {
  IniFile file;
  file.encoding = EncodingOf(bytes);
  const size_t start = bytes.rfind(kUtf8Mark, 0) == 0 ? sizeof kUtf8Mark - 1 : 0;
  for (size_t from = start; from < bytes.size();) {
    size_t nl = bytes.find('\n', from);
    std::string raw = bytes.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
    std::string ending = nl == std::string::npos ? "" : "\n";
    if (!ending.empty() && !raw.empty() && raw.back() == '\r') raw.pop_back(), ending = "\r\n";
    file.lines.push_back(MakeLine(raw, ending, file.encoding));
    from = nl == std::string::npos ? bytes.size() : nl + 1;
  }
  return file;
}

IniFile IniFileAsGbk(const IniFile& file) {
  if (file.encoding == IniEncoding::kGbk) return file;
  IniFile gbk;
  for (const IniLine& line : file.lines)
    gbk.lines.push_back(MakeIniLine(ToGbk(line.raw), line.ending));
  return gbk;
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
