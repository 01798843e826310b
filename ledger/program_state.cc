#include "ledger/program_state.h"

#include "common/files.h"

std::optional<std::string> CompanyName;
std::optional<std::string> UserName;
int DocketMode = 0;
PickedContractValue PickedContract;
int ContractAddMode = 0;
int EditedContractRecord = 0;

std::string SettingsFilePath() { return RunPath("配置.ini"); }
std::string RunPath(const std::string& name) { return GetRunDirectory() + "/" + name; }
