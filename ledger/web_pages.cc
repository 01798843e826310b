#include "ledger/web_pages.h"

#include "ledger/program_state.h"

std::string TutorialPageAddress() { return "file://" + RunPath(kTutorialFileName); }
