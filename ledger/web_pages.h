#pragma once
// The two web pages that the main window's 关于墨川 menu opens.
#include <string>

// The program-update download page.
inline constexpr const char* kSoftwareUpdateAddress = "https://example.com/rentdesk/update";
// The user guide, a local page in the run directory ("file://" + its path).
std::string TutorialPageAddress();
// The user guide's file name in the run directory.
inline constexpr const char* kTutorialFileName = "使用教程.html";
