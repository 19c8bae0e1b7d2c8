#pragma once
// One running copy per user session, found again through a named mutex and a window
// property that both carry the product name.
#include <windows.h>

class SingleInstance {
public:
    // True when this process is the first; the mutex stays open (and the name taken)
    // until the process ends. A mutex that cannot be created counts as first.
    static bool Claim();
    // Shows and raises the window that carries the property; false when there is none
    // (the first copy is still starting or already closing).
    static bool ActivateRunning();
    // The top-level window that carries the property, or null.
    static HWND FindRunningWindow();
    // Marks (or unmarks) `window` as the one a second start raises.
    static void Mark(HWND window);
    static void Unmark(HWND window);
};
