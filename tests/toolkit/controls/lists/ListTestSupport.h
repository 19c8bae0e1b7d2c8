#pragma once
// What the list and combo tests share: a parent that records notifications with the
// thread each arrived on, and pixels read from the shipped skin.
#include <windows.h>

#include <functional>
#include <vector>

#include "MObject.h"
#include "TestWindow.h"

namespace listtest {

struct Heard {
    UINT id;
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
    DWORD thread;
};

class Recorder : public Kelvo::MObject {
public:
    explicit Recorder(harness::TestWindow& window) : m_window(window) {}
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) override;

    // The notifications of one code.
    std::vector<Heard> Of(UINT code) const;

    std::vector<Heard> heard;
    std::function<void(const Heard&)> onNotify;

private:
    harness::TestWindow& m_window;
};

// RGB (0xRRGGBB) of a pixel of a skin file as shipped.
DWORD SkinPixel(const wchar_t* file, int x, int y);
// The same pixel drawn over `background` (RGB), as alpha blending leaves it.
DWORD SkinPixelOver(const wchar_t* file, int x, int y, DWORD background);
// Whether two RGB colours differ by at most `tolerance` in every channel (what rounding
// of nearly opaque colours and of blending leaves).
bool Near(DWORD a, DWORD b, int tolerance = 3);
// The select colour as RGB.
DWORD SelectRgb();

}  // namespace listtest
