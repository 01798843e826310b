#pragma once
// tallybench's entry: the tally window, the message loop, the tally table closed at the end.

// Runs tallybench until its window is closed; the program's exit code.
int TallybenchEntry();
