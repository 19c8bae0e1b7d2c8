#pragma once
#include <windows.h>

#include <functional>

// The whole life of the program: 0 when another copy was running (it was raised
// instead), else what `runMainWindow` returns.
// `runMainWindow` makes the main window, runs it until it closes, destroys it and
// returns the process's exit code; it runs once the process is set up (GDI+, language,
// toolkit, data folder, COM and OLE) and before that is torn down again.
int RunMirevo(HINSTANCE instance, const std::function<int()>& runMainWindow);
