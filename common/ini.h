#pragma once
// The settings file: sections of key=value lines, GBK on disk, names matched without regard
// to letter case, read and written at every use. A file that an editor saved as UTF-8 reads
// as well; the next write stores it as GBK. The lines' rules are in common/ini_lines.h.
#include <optional>
#include <string>

// The value of key in section, or def ("" when none) when the file, section or key is missing.
std::string ReadIniItem(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& def = "");
// Writes key=value (a value that begins or ends with a blank between double quotes); key
// nullopt deletes the section, value nullopt deletes the key.
// The file is replaced whole, so a failed write leaves the old file as it was. False also for
// a name or value with a line break, a section with ']', a key with '=' or starting with '['.
bool WriteIniItem(const std::string& path, const std::string& section,
                  const std::optional<std::string>& key, const std::optional<std::string>& value);
