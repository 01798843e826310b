#pragma once
// The lines of a settings file as read from disk, each kept byte for byte so that a write
// changes only the line it means to.
//
// What a line means (the profile format):
//   - "[name]" starts a section; a key line is "key=value"; every other line is kept as it is;
//   - blanks (space, tab, CR, VT, FF) around the key and around the value belong to neither;
//   - a value written between double quotes is the text inside them, so that a value that
//     begins or ends with a blank (or is itself quoted) is written quoted and reads back whole;
//   - the file is GBK; a file that starts with a UTF-8 byte order mark, or that is wholly
//     well-formed UTF-8 and holds bytes above 0x7F, is read as UTF-8 (common editors save
//     so). Writes store the whole file as GBK.
#include <string>
#include <vector>

enum class IniEncoding { kGbk, kUtf8 };

struct IniLine {
  enum Kind { kOther, kSection, kKey };
  std::string raw;     // the line without its ending, in the file's encoding
  std::string ending;  // "\n", "\r\n", or "" for a last line without one
  Kind kind = kOther;
  std::string name;   // section or key name, trimmed, UTF-8 as it reads back from GBK
  std::string value;  // a key's value, trimmed and unquoted, in the file's encoding
};

// A settings file's bytes, split and classified.
struct IniFile {
  IniEncoding encoding = IniEncoding::kGbk;
  std::vector<IniLine> lines;
};

// Reads the file's bytes (a UTF-8 byte order mark is dropped).
IniFile ParseIniFile(const std::string& bytes);
// The same lines in GBK, as every write stores them.
IniFile IniFileAsGbk(const IniFile& file);
// The file's bytes again.
std::string JoinIniLines(const std::vector<IniLine>& lines);
// A classified GBK line made of raw bytes, ended with ending.
IniLine MakeIniLine(const std::string& raw, const std::string& ending);
// The GBK value as a key line holds it: quoted when reading would otherwise change it.
std::string QuoteIniValue(const std::string& gbk);

// Index of the first section header named section (ASCII case ignored), or -1.
int FindIniSection(const std::vector<IniLine>& lines, const std::string& section);
// Index of the next section header after line from, or the line count.
int IniSectionEnd(const std::vector<IniLine>& lines, int from);
// Index of the first key line named key in [from, to), or -1.
int FindIniKey(const std::vector<IniLine>& lines, int from, int to, const std::string& key);
