#pragma once
// rentdesk's program-wide texts from the settings file, shared by the ledger's windows and the
// settlement window. They start empty; ReleaseGlobalsAtExit frees them when the program ends.
#include <optional>
#include <string>

// The rental company (配置.ini 用户设置/单位名称); read at start-up and when the settlement opens.
extern std::optional<std::string> CompanyName;
// The clerk (配置.ini 用户设置/用户名); read when the settlement window opens.
extern std::optional<std::string> UserName;
