#pragma once
// Real input for routing tests: the pointer is moved with SetCursorPos and buttons,
// wheel and keys go through SendInput, so messages arrive the way the system makes them
// (hover tracking, double clicks by timing, key state for the modifier code). After each
// step the window's messages are pumped.
#include <windows.h>

#include <vector>

#include "Geometry.h"
#include "TestWindow.h"

namespace harness {

class InputDriver {
public:
    explicit InputDriver(TestWindow& window) : m_window(window) {}

    // Moves the pointer to a client point of the window.
    void MoveTo(CPoint client);
    // Moves to a screen point (for leaving the window).
    void MoveToScreen(POINT screen);
    void LeftDown();
    void LeftUp();
    void Click(CPoint client);
    // Two clicks within the double-click time: down, up, double click, up.
    void DoubleClick(CPoint client);
    void RightClick(CPoint client);
    void Wheel(int delta);
    // Presses the modifiers (VK_SHIFT, VK_CONTROL, VK_MENU), types `key`, releases all.
    void Chord(const std::vector<WORD>& modifiers, WORD key);
    void Key(WORD key) { Chord({}, key); }

private:
    void Mouse(DWORD flags, DWORD data = 0);
    void KeyEvent(WORD key, bool up);
    void Settle();

    TestWindow& m_window;
};

}  // namespace harness
