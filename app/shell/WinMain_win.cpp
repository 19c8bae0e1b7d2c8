#include <windows.h>

#include "Startup.h"

// The command line is ignored: the program has no options.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunMirevo(instance); }
