#pragma once
// rentdesk's own settings: the section "用户设置" of the settings file of the run directory,
// read and written afresh at every use.
#include <string>

// The value of key in "用户设置" ("" when the file or the key is missing).
std::string ReadUserSetting(const std::string& key);
// Stores key=value in "用户设置"; false when the settings file could not be written.
bool WriteUserSetting(const std::string& key, const std::string& value);
// True when value reads back from the settings file exactly as written: values are kept as
// GBK, so a text holding characters GBK lacks would come back changed.
bool StoresAsWritten(const std::string& value);
