#pragma once
// Turns the contents of raw input into InputEvents: every button change of a
// mouse report, and key presses and releases with their names, without the
// presses a held key repeats. Portable; the Win32 recorder feeds it.
#include <set>
#include <vector>

#include "InputEvent.h"
#include "KeyNames.h"

// Button transition flags of a raw mouse report (the RI_MOUSE_* values).
namespace rawmouse {
inline constexpr unsigned kLeftDown = 0x0001;
inline constexpr unsigned kLeftUp = 0x0002;
inline constexpr unsigned kRightDown = 0x0004;
inline constexpr unsigned kRightUp = 0x0008;
inline constexpr unsigned kMiddleDown = 0x0010;
inline constexpr unsigned kMiddleUp = 0x0020;
inline constexpr unsigned kButton4Down = 0x0040;
inline constexpr unsigned kButton4Up = 0x0080;
inline constexpr unsigned kButton5Down = 0x0100;
inline constexpr unsigned kButton5Up = 0x0200;
}  // namespace rawmouse

// Keyboard messages a raw keyboard report carries.
namespace rawkey {
inline constexpr unsigned kKeyDown = 0x0100;
inline constexpr unsigned kKeyUp = 0x0101;
inline constexpr unsigned kSysKeyDown = 0x0104;
inline constexpr unsigned kSysKeyUp = 0x0105;
}  // namespace rawkey

class InputDecoder {
public:
    explicit InputDecoder(LayoutKeyName layout);

    // One event per button transition of the report, presses of left, middle
    // and right before their releases, then the side buttons. One report can
    // carry several (left up and right down together); all of them are kept,
    // so no button is left held in a recording. Empty for movement and wheel.
    std::vector<InputEvent> MouseButtons(unsigned buttonFlags) const;

    // The event of a keyboard report. A press of a key already held (the
    // keyboard's auto-repeat) is kIgnore, as are the placeholder keys 0 and
    // 255 that some key sequences carry.
    InputEvent Key(int virtualKey, unsigned message);

private:
    LayoutKeyName m_layout;
    std::set<int> m_held;
};
