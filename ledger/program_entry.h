#pragma once
// rentdesk from start to end.

// Runs the program on the installed platform: the main window (created hidden, its creation
// runs the login) and the message loop until no window is left. Returns the exit code: 0, or
// 1 when the contract files are found half missing and nothing is run.
int ProgramEntry();
// Releases the program-wide texts (company, clerk, the picked contract's name).
void ReleaseGlobalsAtExit();
