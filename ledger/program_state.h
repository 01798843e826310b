#pragma once
// The program-wide values that rentdesk's windows hand to each other.
#include <optional>
#include <string>

// The rental company (配置.ini 用户设置/单位名称); read at start-up and when the settlement opens.
extern std::optional<std::string> CompanyName;
// The clerk (配置.ini 用户设置/用户名); read when the settlement window opens.
extern std::optional<std::string> UserName;

// 0 = the contract pick leads to docket entry, 1 = to docket editing.
extern int DocketMode;

// The contract picked for its dockets: its record number in the contract table (the pick
// grid's cursor row; -1 when none) and its construction-unit name.
struct PickedContractValue {
  int record = -1;
  std::optional<std::string> name;
};
extern PickedContractValue PickedContract;

// The contract window's state, kept between openings.
extern int ContractAddMode;
extern int EditedContractRecord;

// The settings file of the run directory.
std::string SettingsFilePath();
// The run directory joined with a file name: RunPath("合同.rdb").
std::string RunPath(const std::string& name);
