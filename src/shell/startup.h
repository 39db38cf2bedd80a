// The program's entry: start-up in its fixed order, the event loop, and the exit sequence.
#pragma once

// Start-up up to the event loop: tables, palette, lists, pictures, documents, categories, main window,
// and the HOME tab selected.
void StartProgram(int& argc, char** argv);
// Runs the event loop until a close is accepted, then the exit sequence; returns the exit code.
int RunEventLoop();
// Start-up, loop and exit: the whole program.
int RunProgram(int& argc, char** argv);

// Set by the loop when a close request is accepted.
inline bool ExitRequested = false;
void ExitSequence();
