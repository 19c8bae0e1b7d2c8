#include "MLevelCtrl.h"

#include <algorithm>
#include <string>

namespace Kelvo {

namespace {

constexpr int kGap = 5;
constexpr Gdiplus::ARGB kSegmentColour = 0xFEA0A0A0;
constexpr Gdiplus::ARGB kLitColour = 0xFEFFE100;

}  // namespace

MLevelCtrl::MLevelCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

MLevelCtrl::~MLevelCtrl() = default;

const wchar_t* MLevelCtrl::GetClassNameW() { return L"MLevelCtrl"; }

void MLevelCtrl::SetLevelValue(int level) {
    level = std::max(m_nMin, std::min(level, m_nMax));
    if (level == m_nLevel) return;
    m_nLevel = level;
    UpdateControl(1, 0);
}

void MLevelCtrl::SetRangeValue(int minimum, int maximum) {
    m_nMin = minimum;
    m_nMax = maximum;
    m_bUpdate = 0;
}

CString MLevelCtrl::GetShownText() {
    std::wstring text = GetControlTitle().GetString();
    // The level already lies in minimum … maximum: it is shown as it is.
    text += std::to_wstring(m_nLevel);
    if (m_nMax == 100) text += L"%";
    return CString(text);
}

int MLevelCtrl::SegmentWidth() const {
    const int count = SegmentCount();
    return count > 0 ? (m_rcControl.Width() - kGap * count) / count : 0;
}

int MLevelCtrl::LevelAt(CPoint point) const {
    const int width = SegmentWidth();
    if (width <= 0 || !m_rcControl.PtInRect(point)) return -1;
    const int x = point.x - m_rcControl.left;
    const int index = x / (width + kGap);
    if (index >= SegmentCount() || x - index * (width + kGap) >= width) return -1;
    return m_nMin + index;
}

// --- input ---------------------------------------------------------------------------------

int MLevelCtrl::OnControlLButtonDown(UINT, CPoint) {
    if (!m_bEnabled) return 0;
    m_bPressed = 1;
    return 1;
}

int MLevelCtrl::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled || !m_bPressed) return 0;
    m_bPressed = 0;
    const int level = LevelAt(point);
    if (level < 0 || level == m_nLevel) return 1;
    m_nLevel = level;
    UpdateControl(1, 0);
    SendMessageW(kNotifyActivated, static_cast<WPARAM>(level), 0);
    return 1;
}

// --- drawing -------------------------------------------------------------------------------

void MLevelCtrl::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        const int segmentWidth = SegmentWidth();
        if (segmentWidth > 0) {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::SolidBrush segment{Gdiplus::Color(kSegmentColour)};
            Gdiplus::SolidBrush lit{Gdiplus::Color(kLitColour)};
            for (int i = 0; i < SegmentCount(); ++i) {
                const int left = i * (segmentWidth + kGap);
                graphics.FillRectangle(&segment, left, 0, segmentWidth, m_nSegmentHeight);
                if (m_nMin + i <= m_nLevel)
                    graphics.FillRectangle(&lit, left + 1, 1, segmentWidth - 2, m_nSegmentHeight - 2);
            }
        }
        if (m_bShowText) DrawTitle(cache, CRect(0, m_nSegmentHeight, width, height), GetShownText(), false);
    });
}

}  // namespace Kelvo
