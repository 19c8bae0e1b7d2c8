#include "PaletteBar.h"

#include <algorithm>

#include "ColourConversion.h"

namespace Kelvo {

namespace {

constexpr int kRangeMargin = 10;   // the hue range is the width less this
constexpr int kThumbZone = 10;     // pixels right of the position that pick up the thumb
constexpr int kStripInset = 5;     // the strip starts this far in
constexpr int kStripBottom = 12;   // and ends this far above the bottom
constexpr int kStripHeight = 5;
constexpr int kWheelStep = 2;
constexpr DWORD kOpaque = 0xFF000000;

}  // namespace

PaletteBar::PaletteBar(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, L"", visible, 1, 1) {
    m_nHuePos = std::min(m_nHuePos, HueRange());
    m_dwSelectColor = HSLToRGB(HueAt(m_nHuePos), 1.0f, 0.5f) | kOpaque;
}

PaletteBar::~PaletteBar() = default;

const wchar_t* PaletteBar::GetClassNameW() { return L"PaletteBar"; }

LRESULT PaletteBar::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

int PaletteBar::HueRange() const { return std::max(0, m_rcControl.Width() - kRangeMargin); }

float PaletteBar::HueAt(int position) const {
    const int range = HueRange();
    if (range == 0) return 0;
    return static_cast<float>(position * 360 / range) / 360.0f;
}

void PaletteBar::SetSelectColor(DWORD colour) {
    m_dwSelectColor = colour;
    UpdateControl(1, 0);
}

DWORD PaletteBar::PaletteHSLToRGB(int saturation) const {
    return HSLToRGB(HueAt(m_nHuePos), static_cast<float>(saturation) / 200.0f, 0.5f) | kOpaque;
}

// A bar made by name has no hit area until it is laid out; laying it out where it was
// made still gives it one.
void PaletteBar::SetControlRect(CRect rect) {
    if (rect == m_rcControl && rect == m_rcHit) return;
    m_rcControl = rect;
    m_rcHit = rect;
    m_nHuePos = std::min(m_nHuePos, HueRange());
    UpdateControl(1, 0);
}

void PaletteBar::SetControlEnabled(int enabled) {
    enabled = enabled ? 1 : 0;
    if (enabled == m_bEnabled) return;
    m_bEnabled = enabled;
    UpdateControl(1, 0);
}

// --- input ---------------------------------------------------------------------------------

bool PaletteBar::TakesPointer(CPoint point) const {
    return m_rcControl.PtInRect(point) && m_rcHit.PtInRect(point);
}

void PaletteBar::MoveThumbTo(int x) {
    m_nHuePos = std::clamp(x - m_rcControl.left - kStripInset, 0, HueRange());
    UpdateControl(1, 0);
}

int PaletteBar::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (!TakesPointer(point)) return 1;
    const int thumbLeft = m_rcControl.left + m_nHuePos;
    if (point.x >= thumbLeft && point.x < thumbLeft + kThumbZone) m_bDragging = 1;
    MoveThumbTo(point.x);
    return 1;
}

int PaletteBar::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (!m_bDragging || !m_rcControl.PtInRect(point)) return 1;
    MoveThumbTo(point.x);
    return 1;
}

int PaletteBar::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_bDragging = 0;
    // The parent may destroy the bar when it hears of the release: nothing is touched after.
    if (TakesPointer(point)) SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int PaletteBar::OnControlScroll(int, int direction, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 0;
    const int step = direction == 1 ? -kWheelStep : kWheelStep;
    const int position = std::clamp(m_nHuePos + step, 0, HueRange());
    if (position == m_nHuePos) return 1;
    m_nHuePos = position;
    UpdateControl(1, 0);
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

// --- drawing -------------------------------------------------------------------------------

// One GDI fill per column. Pure black becomes 0x000001, so the strip never equals a
// window's transparent colour key.
void PaletteBar::DrawStrip(HDC cache, int height) const {
    for (int i = 0; i < HueRange(); ++i) {
        DWORD colour = HSLToRGB(HueAt(i), 1.0f, 0.5f);
        if (colour == 0) colour = 0x000001;
        HBRUSH brush = ::CreateSolidBrush(colour);
        const RECT column{kStripInset + i, height - kStripBottom - kStripHeight, kStripInset + i + 1,
                          height - kStripBottom};
        ::FillRect(cache, &column, brush);
        ::DeleteObject(brush);
    }
}

void PaletteBar::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int, int height) {
        if (HueRange() > 0) {
            DrawStrip(cache, height);
            if (m_pImage && m_nFrameWidth > 0 && m_nFrameHeight > 0) {
                Gdiplus::Graphics graphics(cache);
                graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
                graphics.DrawImage(m_pImage,
                                   Gdiplus::Rect(m_nHuePos, height - m_nFrameHeight - 2, m_nFrameWidth, m_nFrameHeight),
                                   0, 0, m_nFrameWidth, m_nFrameHeight, Gdiplus::UnitPixel);
            }
        }
        m_dwSelectColor = HSLToRGB(HueAt(m_nHuePos), 1.0f, 0.5f) | kOpaque;
    });
}

}  // namespace Kelvo
