#pragma once
// The program-wide values that rentdesk's windows hand to each other; the texts that the
// settlement window shares with them are in common/program_texts.h.
#include <optional>
#include <string>

#include "common/program_texts.h"

// Where the contract pick leads: to docket entry or to docket editing.
enum class DocketModeValue : int { kEntry = 0, kEdit = 1 };
extern DocketModeValue DocketMode;

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
