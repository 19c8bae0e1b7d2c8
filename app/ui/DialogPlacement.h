#pragma once
// What the program's small dialogs share: their window style, their place and top-most.
#include <windows.h>

#include "Geometry.h"

constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// A `width` x `height` rectangle centred on the window rectangle of `owner` (on the
// primary work area without an owner).
CRect CentredOn(HWND owner, int width, int height);
// Above every window that is not top-most, without moving, sizing or activating it.
void MakeTopMost(HWND window);
