#pragma once
// A plain top-level window that hosts a paint manager, the way the toolkit's dialogs do:
// every message goes to the manager, and the window is the parent (MObject) of its
// top-level controls, recording what they notify. Pump() runs the window's messages
// through the manager's PreTranslateMessage like a modal loop would.
#include <windows.h>

#include <functional>
#include <vector>

#include "Geometry.h"
#include "MObject.h"
#include "PaintManager.h"

namespace harness {

struct Notification {
    UINT id;
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
};

class TestWindow : public Kelvo::MObject {
public:
    // `screen` is the window rectangle in screen coordinates (the client area, as the
    // window has no frame).
    explicit TestWindow(CRect screen = CRect(100, 100, 500, 400), bool layered = false);
    ~TestWindow() override;

    const wchar_t* GetClassNameW() override { return L"TestWindow"; }
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) override;

    HWND Handle() const { return m_hwnd; }
    Kelvo::PaintManager& Manager() { return m_manager; }
    // Attaches a control to the top-level control list (or the area list) and returns it.
    template <class Control>
    Control* Add(Control* control, int kind = 1) {
        m_manager.AttachControl(kind, control);
        return control;
    }

    // Runs the window's messages for `ms` milliseconds.
    void Pump(int ms);
    // Runs messages until `done` holds or `timeoutMs` passed; returns `done()`.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
    // Invalidates the whole client area and paints it at once.
    void PaintNow();
    // RGB (0xRRGGBB) of the back buffer at a client point.
    DWORD Pixel(int x, int y) const { return m_manager.GetBufferPixel(x, y) & 0xFFFFFF; }
    DWORD PixelArgb(int x, int y) const { return m_manager.GetBufferPixel(x, y); }
    POINT ToScreen(CPoint client) const;
    // Destroys the native window (the manager tears down with it).
    void Destroy();

    std::vector<Notification> notifications;
    // Images handed over with STM_SETIMAGE; the window keeps the last one when it accepts them.
    bool acceptImages = true;
    std::vector<HBITMAP> offeredImages;
    HBITMAP keptImage = nullptr;
    // Runs after the manager has seen a message (for checks in the middle of teardown).
    std::function<void(HWND, UINT)> afterMessage;
    // Every message the window received, in order (for checks of what the manager sent).
    std::vector<UINT> messages;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);

    HWND m_hwnd = nullptr;
    Kelvo::PaintManager m_manager;
};

}  // namespace harness
