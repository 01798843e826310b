#include "ledger/program_state.h"

int DocketMode = 0;
PickedContractValue PickedContract;
int ContractAddMode = 0;
int EditedContractRecord = 0;
