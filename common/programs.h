#pragma once
// Starting programs and opening web pages, through the platform.
#include <string>

// Starts the program of the command line; "NAME.exe" in a folder means NAME there, and
// "calc.exe" the desktop's calculator. True when started.
bool RunProgram(const std::string& command_line, bool wait = false, int window_mode = 2);
void OpenWebPage(const std::string& address);
