#pragma once
// tallybench's entry: the tally window, the message loop, the tally table closed at the end.

// Runs tallybench until its window is closed; the program's exit code (1 when the tally files
// are found half missing and no window is opened).
int TallybenchEntry();
