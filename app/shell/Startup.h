#pragma once
#include <windows.h>

// The whole life of the program: 0 when another copy was running (it was raised
// instead), 1 after a normal run.
int RunMirevo(HINSTANCE instance);
