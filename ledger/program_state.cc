#include "ledger/program_state.h"

DocketModeValue DocketMode = DocketModeValue::kEntry;
PickedContractValue PickedContract;
int ContractAddMode = 0;
int EditedContractRecord = 0;
