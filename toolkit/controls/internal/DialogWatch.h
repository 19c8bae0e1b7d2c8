#pragma once
// An editor window laid over a dialog must not stay behind when the dialog goes: these
// read the dialog's own messages (seen through the controls' OnWindowMessage).
#include <windows.h>

namespace Kelvo {

// The dialog's window rectangle's top-left corner in screen coordinates.
POINT DialogCorner(HWND dialog);
// Whether `msg` tells that the dialog was hidden, disabled, or moved away from `corner`.
bool DialogLeavesEditor(UINT msg, WPARAM wparam, LPARAM lparam, POINT corner);

}  // namespace Kelvo
