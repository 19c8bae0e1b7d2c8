#pragma once
// Names of keyboard keys by Windows virtual-key code, as the recorder and the
// key editors show them: the keyboard layout's own name of the key, except for
// the modifier and lock keys, whose names are fixed so that a macro reads the
// same on every layout. (Names by HID usage, for keys a button sends, are the
// codec's KeyName.)
#include <functional>

#include "CString.h"

// The layout's name of a virtual key; empty when it has none.
using LayoutKeyName = std::function<CString(int virtualKey)>;

// The code a key is recorded under: the generic Shift, Ctrl and Alt (16, 17,
// 18) become the left-hand keys (160, 162, 164); every other key is itself.
int RecordedKeyCode(int virtualKey);

// The fixed name of a virtual key, or null when the layout names it.
const wchar_t* FixedKeyName(int virtualKey);

// The scan code whose name is asked for: the navigation keys (Page Up, Page
// Down, End, Home, the arrows, Insert, Delete) share their scan codes with the
// number pad and get the extended-key bit 0x100, so they are not named "Num 7".
int NameScanCode(int virtualKey, int scanCode);

// The name a key is shown with.
CString VirtualKeyName(int virtualKey, const LayoutKeyName& layout);

#ifdef _WIN32
// The name of the key in the current keyboard layout (GetKeyNameTextW).
CString SystemKeyName(int virtualKey);
#endif
