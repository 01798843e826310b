#include "ledger/web_pages.h"

#include "common/files.h"

namespace {
std::string LocalPage(const char* name) { return "file://" + RunPath(name); }
}  // namespace

std::string TutorialPageAddress() { return LocalPage(kTutorialFileName); }
std::string SoftwareUpdatePageAddress() { return LocalPage(kSoftwareUpdateFileName); }
