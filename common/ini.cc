// The settings file: read and written whole at every use, GBK on disk.
#include "common/ini.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/env.h"
#include "common/ini_lines.h"
#include "common/text.h"

namespace {

constexpr size_t kMostValueBytes = 10239;

// The text without leading bytes 1..32 and without the trailing blanks a line's name loses (a
// carriage return stays, and makes the name one that is refused).
std::string TrimArgument(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && s[a] >= 1 && s[a] <= 32) ++a;
  while (b > a && std::string_view(" \t\v\f").find(s[b - 1]) != std::string_view::npos) --b;
  return s.substr(a, b - a);
}

// A section or key name as it reads back once written in GBK (so a character GBK lacks matches
// the '?' it was written as). The second pass turns what the first could not read back (bytes
// that are no GBK character) into the '?' they are then written as; blanks the passes bare at
// the end go last. Paths are file names on disk and never pass through GBK.
std::string CleanName(const std::string& s) {
  return TrimArgument(FromGbk(ToGbk(FromGbk(ToGbk(TrimArgument(s))))));
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// Names and values that would break the file's line structure are refused.
bool Writable(const std::string& section, const std::optional<std::string>& key,
              const std::optional<std::string>& value) {
  if (HasLineBreak(section) || section.find(']') != std::string::npos) return false;
  if (key && (HasLineBreak(*key) || key->find('=') != std::string::npos || (*key)[0] == '['))
    return false;
  return !(value && HasLineBreak(*value));
}

// The settings file at path, or nothing when the file is missing; false when it exists but
// cannot be read (it must not be replaced then).
bool LoadFile(const std::string& path, IniFile* file) {
  ByteSet bytes;
  if (!ReadWholeFile(path, &bytes)) return !CurrentEnv()->Exists(path);
  *file = ParseIniFile(std::string(bytes.begin(), bytes.end()));
  return true;
}

// The value a key line holds, as the programs read it: at most kMostValueBytes GBK bytes.
std::string ValueText(const IniLine& line, IniEncoding encoding) {
  if (encoding == IniEncoding::kGbk) return FromGbk(line.value.substr(0, kMostValueBytes));
  const std::string gbk = ToGbk(line.value);
  if (gbk.size() <= kMostValueBytes && IsUtf8(line.value)) return line.value;
  return FromGbk(gbk.substr(0, kMostValueBytes));
}

std::string LineEnding(const std::vector<IniLine>& lines) {
  for (const IniLine& line : lines) {
    if (line.ending == "\r\n") return "\r\n";
  }
  return "\n";
}

// Puts new_line in at index at, ending the line before it first when it had no ending.
void InsertLine(std::vector<IniLine>* lines, int at, const std::string& raw) {
  std::string nl = LineEnding(*lines);
  if (at > 0 && (*lines)[at - 1].ending.empty()) (*lines)[at - 1].ending = nl;
  lines->insert(lines->begin() + at, MakeIniLine(raw, nl));
}

// Sets key = value in the section, adding the section at the end or the key after the
// section's last non-blank line.
void SetKey(std::vector<IniLine>* lines, const std::string& section, const std::string& key,
            const std::string& value) {
  std::string raw = ToGbk(key) + "=" + QuoteIniValue(ToGbk(value));
  int s = FindIniSection(*lines, section);
  if (s < 0) {
    InsertLine(lines, static_cast<int>(lines->size()), "[" + ToGbk(section) + "]");
    InsertLine(lines, static_cast<int>(lines->size()), raw);
    return;
  }
  int end = IniSectionEnd(*lines, s);
  int k = FindIniKey(*lines, s + 1, end, key);
  if (k >= 0) {
    (*lines)[k] = MakeIniLine(raw, (*lines)[k].ending);
    return;
  }
  int last = end - 1;
  while (last > s && (*lines)[last].raw.find_first_not_of(" \t") == std::string::npos) --last;
  InsertLine(lines, last + 1, raw);
}

// Removes the key, or the whole section when key is nullopt; false when there was none.
bool Remove(std::vector<IniLine>* lines, const std::string& section,
            const std::optional<std::string>& key) {
  int s = FindIniSection(*lines, section);
  if (s < 0) return false;
  int end = IniSectionEnd(*lines, s);
  int from = key ? FindIniKey(*lines, s + 1, end, *key) : s;
  if (from < 0) return false;
  lines->erase(lines->begin() + from, lines->begin() + (key ? from + 1 : end));
  return true;
}

}  // namespace

std::string ReadIniItem(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& def) {
  std::string p = TrimArgument(path), s = CleanName(section), k = CleanName(key);
  if (p.empty() || s.empty() || k.empty()) return "";
  ByteSet bytes;
  if (!ReadWholeFile(p, &bytes)) return def;
  const IniFile file = ParseIniFile(std::string(bytes.begin(), bytes.end()));
  int si = FindIniSection(file.lines, s);
  int ki = si < 0 ? -1 : FindIniKey(file.lines, si + 1, IniSectionEnd(file.lines, si), k);
  if (ki < 0) return def;
  return ValueText(file.lines[ki], file.encoding);
}

bool WriteIniItem(const std::string& path, const std::string& section,
                  const std::optional<std::string>& key, const std::optional<std::string>& value) {
  std::string p = TrimArgument(path), s = CleanName(section);
  std::optional<std::string> k;
  if (key) k = CleanName(*key);
  if (p.empty() || s.empty() || (k && k->empty()) || !Writable(s, k, value)) return false;
  IniFile file;
  if (!LoadFile(p, &file)) return false;
  std::vector<IniLine> lines = IniFileAsGbk(file).lines;
  if (k && value) {
    SetKey(&lines, s, *k, *value);
  } else if (!Remove(&lines, s, k)) {
    return true;  // nothing to delete: the file stays as it is
  }
  std::string bytes = JoinIniLines(lines);
  // The file is only ever replaced whole, through the file seam's atomic replacement.
  return WriteWholeFileAtomic(p, ByteSet(bytes.begin(), bytes.end()));
}
