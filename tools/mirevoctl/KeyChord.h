#pragma once
// A keyboard key with modifiers as typed on the line: "ctrl+shift+c". The
// modifiers (ctrl, shift, alt, win) come first, each followed by '+', then one
// key by its name in the codec's key-name table, written as the line writes
// names ("page-up", "num-5"); case does not matter.
#include <string>
#include <vector>

struct KeyChord {
    int usage = 0;      // HID usage of the key
    int modifiers = 0;  // 1 Ctrl, 2 Shift, 4 Alt, 8 Win: the button code's modifier mask
};

// The key names accepted after the modifiers, in usage order.
const std::vector<std::string>& LineKeyNames();
// The modifier words, in the order help shows them.
std::vector<std::string> ModifierWords();
// False with the unknown part in `unknown` (a key name, or empty for a line with no key).
bool ParseKeyChord(const std::string& text, KeyChord& out, std::string& unknown);
