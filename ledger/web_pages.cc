#include "ledger/web_pages.h"

#include "common/files.h"

std::string TutorialPageAddress() { return "file://" + RunPath(kTutorialFileName); }
