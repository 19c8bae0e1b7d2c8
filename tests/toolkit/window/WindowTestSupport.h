#pragma once
// What the window tests share: GDI+ and the toolkit started once, message pumping, real
// input (the pointer moved with SetCursorPos, buttons and keys sent with SendInput), and
// a plain owner window that records the messages a menu posts to it.
#include <windows.h>

#include <functional>
#include <vector>

#include "Geometry.h"
#include "PaintManager.h"

namespace wintest {

// Runs the thread's messages for `ms` milliseconds.
void Pump(int ms);
// Runs messages until `done` holds or `timeoutMs` passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);

void MoveTo(POINT screen);
void LeftDown();
void LeftUp();
void Click(POINT screen);
void Key(WORD key);
// Real input from another thread, for the system's own move and size loops, which run
// inside the window's thread: press at `from`, move in steps to `to`, release.
void DragOnThread(POINT from, POINT to);

// The screen point of a client point of `window`.
POINT ScreenOf(HWND window, CPoint client);
// RGB (0xRRGGBB) of the paint manager's back buffer after the last paint.
DWORD BufferRgb(Kelvo::PaintManager& manager, int x, int y);
// Paints the window now, so the back buffer shows its current state.
void PaintNow(HWND window);
CRect WindowRect(HWND window);
CRect WorkArea();

// A plain top-level window that records every message in the private range.
class OwnerWindow {
public:
    explicit OwnerWindow(CRect screen);
    ~OwnerWindow();
    HWND Handle() const { return m_hwnd; }

    struct Posted {
        UINT msg;
        WPARAM wparam;
        LPARAM lparam;
    };
    std::vector<Posted> received;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    HWND m_hwnd = nullptr;
};

}  // namespace wintest
