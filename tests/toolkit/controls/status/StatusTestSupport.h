#pragma once
// What the status, DPI and colour widget tests share: a parent that records notifications with the
// thread each arrived on, the program's shipped skin pictures and their pixels, and
// colour comparisons that allow for alpha blending's rounding.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GdiPlus.h"
#include "MObject.h"
#include "TestWindow.h"

namespace statustest {

constexpr DWORD kBackground = 0x102030;  // the test window's fill

class Recorder : public Kelvo::MObject {
public:
    explicit Recorder(harness::TestWindow& window) : m_window(window) {}
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) override;

    void Clear();
    // Every notification arrived on the calling (the window's) thread.
    bool AllOnThisThread() const;

    std::vector<harness::Notification> seen;
    std::vector<DWORD> threads;

private:
    harness::TestWindow& m_window;
};

// A file of the shipped skin, as an absolute path the toolkit takes as it is.
std::wstring SkinPath(const wchar_t* relative);

// One shipped skin picture, read for its pixels.
class SkinPicture {
public:
    explicit SkinPicture(const wchar_t* relative);
    int Width() const;
    int Height() const;
    // 0xAARRGGBB at (x, y); transparent outside the picture.
    uint32_t At(int x, int y) const;

private:
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

// `top` drawn over the opaque `bottom` (0xRRGGBB), as 0xRRGGBB.
DWORD Over(uint32_t top, DWORD bottom);
// Each channel within `tolerance`.
bool Near(DWORD a, DWORD b, int tolerance = 3);

}  // namespace statustest
