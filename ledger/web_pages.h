#pragma once
// The two web pages that the main window's 关于墨川 menu opens: local pages that the build
// writes into the run directory.
#include <string>

// The user guide's file name in the run directory.
inline constexpr const char* kTutorialFileName = "使用教程.html";
// The file name of the page that tells how this installation is updated and its version.
inline constexpr const char* kSoftwareUpdateFileName = "软件更新.html";

// The user guide: "file://" + its path in the run directory.
std::string TutorialPageAddress();
// The update page: "file://" + its path in the run directory.
std::string SoftwareUpdatePageAddress();
