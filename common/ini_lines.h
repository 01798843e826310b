#pragma once
// The lines of a settings file as read from disk (GBK), each kept byte for byte so that a
// write changes only the line it means to.
#include <string>
#include <vector>

struct IniLine {
  enum Kind { kOther, kSection, kKey };
  std::string raw;     // the line without its ending, GBK
  std::string ending;  // "\n", "\r\n", or "" for a last line without one
  Kind kind = kOther;
  std::string name;   // section or key name, trimmed, UTF-8
  std::string value;  // a key's value, trimmed, GBK
};

// Splits and classifies the file's bytes.
std::vector<IniLine> ParseIniLines(const std::string& gbk);
// The file's bytes again.
std::string JoinIniLines(const std::vector<IniLine>& lines);
// A classified line made of raw GBK bytes, ended with ending.
IniLine MakeIniLine(const std::string& raw, const std::string& ending);

// Index of the first section header named section (ASCII case ignored), or -1.
int FindIniSection(const std::vector<IniLine>& lines, const std::string& section);
// Index of the next section header after line from, or the line count.
int IniSectionEnd(const std::vector<IniLine>& lines, int from);
// Index of the first key line named key in [from, to), or -1.
int FindIniKey(const std::vector<IniLine>& lines, int from, int to, const std::string& key);
