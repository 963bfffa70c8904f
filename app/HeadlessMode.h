// SPDX-License-Identifier: MIT
#pragma once
// The headless modes: the main window runs on no screen, without the About dialog and without
// the single-instance rule, renders its start state to a file or runs a scene script, and ends.

class TCommandLine;
class TForm1;

// Shows the window (on whatever platform runs: offscreen unless one was chosen), sets the start
// state, then saves the screenshot or runs the script. Returns the exit status: 0 when all went
// well, 2 when a file cannot be read or written or a script line cannot be run (with a message
// on standard error).
int RunHeadless(TForm1& form, const TCommandLine& commandLine);
