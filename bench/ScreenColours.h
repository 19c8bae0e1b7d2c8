#pragma once
// What a window shows, read back from the screen rather than from the window, so
// that only what has really reached the screen counts.
#include <windows.h>

// The number of distinct colours on screen along a few rows spread over the window
// (reading all of it takes tens of milliseconds under Wine, too slow to poll); the
// counting stops at `limit`. 0 when the screen cannot be read.
int DistinctColoursShown(HWND window, int limit);
