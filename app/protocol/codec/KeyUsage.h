#pragma once
// Windows virtual-key codes and USB HID keyboard usages (page 0x07), and the key
// names shown for usages.
#include "CString.h"

namespace codec {

// The HID usage of a virtual key; 0 for keys the mouse cannot send.
int UsageOfVirtualKey(int virtualKey);
// The virtual key of a HID usage (the inverse of UsageOfVirtualKey); 0 when none maps to it.
int VirtualKeyOfUsage(int usage);
// The display name of a HID usage; empty for usages without one.
CString KeyName(int usage);

// Modifier keys: usages 0xE0-0xE7 (left Ctrl, Shift, Alt, Win, then the right-hand ones).
constexpr bool IsModifierUsage(int usage) { return usage >= 0xE0 && usage <= 0xE7; }
// The modifier-mask bit of a modifier usage (0xE0 -> 1 ... 0xE7 -> 128).
constexpr int ModifierBit(int usage) { return IsModifierUsage(usage) ? 1 << (usage - 0xE0) : 0; }

}  // namespace codec
