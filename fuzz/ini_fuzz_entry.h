#pragma once
// The settings file fuzz entry: the input is a settings file followed, after its last "\0\0",
// by "section\0key\0value" (no value: the key is deleted; no key: the section). The file is
// read, the item written, and the file read back. Shared by the fuzz target and the test that
// replays the corpus; returns "" or the rule that broke:
//   - a refused write leaves the file's bytes as they were;
//   - a written value reads back as its GBK text (cut at 10239 bytes), a deleted item reads as
//     the default unless the file held it twice;
//   - every other item reads as before (a UTF-8 file's values may turn into their GBK text);
//   - writing the same value again changes no byte.
// A GBK file that happens to be well-formed UTF-8 reads as UTF-8, so the read-back rules are
// only held where the written file reads as GBK.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/env.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/ini_lines.h"
#include "common/text.h"

namespace ini_fuzz {

struct Input {
  std::string file, section, key;
  std::optional<std::string> item_key, value;
};

inline Input Split(const uint8_t* data, size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  Input out;
  size_t at = in.rfind(std::string_view("\0\0", 2));
  out.file = std::string(in.substr(0, at == std::string_view::npos ? in.size() : at));
  std::vector<std::string> parts;
  if (at != std::string_view::npos) {
    std::string_view tail = in.substr(at + 2);
    for (size_t from = 0;;) {
      size_t nul = tail.find('\0', from);
      parts.emplace_back(tail.substr(from, nul == std::string_view::npos ? nul : nul - from));
      if (nul == std::string_view::npos) break;
      from = nul + 1;
    }
  }
  out.section = parts.empty() ? "用户设置" : parts[0];
  if (parts.size() != 2) out.item_key = parts.size() >= 2 ? parts[1] : "密码";
  if (parts.size() >= 3 || parts.empty()) out.value = parts.size() >= 3 ? parts[2] : "1 2 ";
  return out;
}

// A name as the settings file matches it: leading bytes 1..32 and trailing blanks dropped,
// through GBK, ASCII letters lowered.
inline std::string MatchName(std::string s) {
  size_t a = 0, b = s.size();
  while (a < b && s[a] >= 1 && s[a] <= 32) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  s = FromGbk(ToGbk(s.substr(a, b - a)));
  for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return s;
}

inline std::string FileBytes(const std::string& path) {
  ByteSet b;
  ReadWholeFile(path, &b);
  return std::string(b.begin(), b.end());
}

// Every (section, key) of the file with the value it reads as, and how often the item's key
// occurs in the section a read looks in.
struct Items {
  std::vector<std::pair<std::string, std::string>> names;
  std::vector<std::string> values;
  int keys = 0;
};

inline Items ReadItems(const std::string& path, const Input& in) {
  Items items;
  std::string section;
  bool first = false, seen = false;
  for (const IniLine& line : ParseIniFile(FileBytes(path)).lines) {
    if (line.kind == IniLine::kSection) {
      section = line.name;
      first = !seen && MatchName(section) == MatchName(in.section);
      seen = seen || first;
    } else if (line.kind == IniLine::kKey && !section.empty()) {
      items.names.emplace_back(section, line.name);
      items.values.push_back(ReadIniItem(path, section, line.name, "\x01"));
      if (first && in.item_key && MatchName(line.name) == MatchName(*in.item_key)) ++items.keys;
    }
  }
  return items;
}

inline bool ReadsAsGbk(const std::string& path) {
  return ParseIniFile(FileBytes(path)).encoding == IniEncoding::kGbk;
}

inline std::string RunIniInput(const uint8_t* data, size_t size) {
  // In memory where there is a memory file system (every write of the file is synced); the
  // folder goes when the process ends.
  static const struct Folder {
    Folder() {
      char shm[] = "/dev/shm/ini-fuzz-XXXXXX", tmp[] = "/tmp/ini-fuzz-XXXXXX";
      path = mkdtemp(shm) ? shm : mkdtemp(tmp) ? tmp : "";
    }
    ~Folder() {
      PosixEnv()->Remove(path + "/配置.ini");
      rmdir(path.c_str());
    }
    std::string path;
  } dir;
  if (dir.path.empty()) return "";
  const std::string path = dir.path + "/配置.ini";
  const Input in = Split(data, size);
  if (!WriteBinaryToFile(path, ByteSet(in.file.begin(), in.file.end()))) return "";
  const bool was_gbk = ReadsAsGbk(path);
  const Items before = ReadItems(path, in);
  if (!WriteIniItem(path, in.section, in.item_key, in.value)) {
    return FileBytes(path) == in.file ? "" : "a refused write changed the file";
  }
  if (!ReadsAsGbk(path)) return "";
  const std::string written = FileBytes(path);
  const std::string got = in.item_key ? ReadIniItem(path, in.section, *in.item_key, "\x01") : "";
  if (in.value && got != FromGbk(ToGbk(*in.value).substr(0, 10239))) {
    return "the value does not read back";
  }
  if (!in.value && in.item_key && got != "\x01" && before.keys < 2) {
    return "a deleted key still reads";
  }
  for (size_t i = 0; i < before.names.size(); ++i) {
    const auto& [section, key] = before.names[i];
    if (MatchName(section) == MatchName(in.section) &&
        (!in.item_key || MatchName(key) == MatchName(*in.item_key))) {
      continue;
    }
    const std::string now = ReadIniItem(path, section, key, "\x01");
    const std::string& old = before.values[i];
    if (now != old && (was_gbk || now != FromGbk(ToGbk(old)))) return "another item changed";
  }
  if (!in.value && (!in.item_key || before.keys > 1)) return "";  // a second one may go now
  WriteIniItem(path, in.section, in.item_key, in.value);
  return FileBytes(path) == written ? "" : "writing the same item again changed the file";
}

}  // namespace ini_fuzz
