#include "InputDriver.h"

namespace harness {

namespace {

constexpr int kSettleMs = 20;

}  // namespace

void InputDriver::Settle() { m_window.Pump(kSettleMs); }

void InputDriver::Mouse(DWORD flags, DWORD data) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
}

void InputDriver::KeyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void InputDriver::MoveTo(CPoint client) { MoveToScreen(m_window.ToScreen(client)); }

void InputDriver::MoveToScreen(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Mouse(MOUSEEVENTF_MOVE);  // a move of nothing, so that the move is also reported as input
    Settle();
}

void InputDriver::LeftDown() {
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
}

void InputDriver::LeftUp() {
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
}

void InputDriver::Click(CPoint client) {
    MoveTo(client);
    LeftDown();
    LeftUp();
}

void InputDriver::DoubleClick(CPoint client) {
    MoveTo(client);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
}

void InputDriver::RightClick(CPoint client) {
    MoveTo(client);
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    Settle();
}

void InputDriver::Wheel(int delta) {
    Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
    Settle();
}

void InputDriver::Chord(const std::vector<WORD>& modifiers, WORD key) {
    for (WORD modifier : modifiers) KeyEvent(modifier, false);
    KeyEvent(key, false);
    KeyEvent(key, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) KeyEvent(*it, true);
    Settle();
}

}  // namespace harness
