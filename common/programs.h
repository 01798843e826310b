#pragma once
// Starting programs and opening web pages, through the platform.
#include <string>

// Starts the program of the command line; "NAME.exe" in a folder means NAME there, and
// "calc.exe" the desktop's calculator. True when started.
bool RunProgram(const std::string& command_line, bool wait = false, int window_mode = 2);
void OpenWebPage(const std::string& address);
// The command line as this system starts it: the program's ".exe" dropped, "calc.exe" (in any
// folder) replaced by the first desktop calculator found in search_path (a PATH list); a
// program path with blanks is quoted. "" when no calculator is found.
std::string MapCommandLine(const std::string& command_line, const std::string& search_path);
