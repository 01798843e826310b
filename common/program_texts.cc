#include "common/program_texts.h"

std::optional<std::string> CompanyName;
std::optional<std::string> UserName;
