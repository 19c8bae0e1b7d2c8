#include "CColorCombo.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kOutline = 0xFE050505;
constexpr Gdiplus::ARGB kDisabledOutline = 0xFE808080;
constexpr Gdiplus::ARGB kStrike = 0xFEFF0000;

}  // namespace

CColorCombo::CColorCombo(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), m_nState(enabled ? kNormal : kDisabled) {}

const wchar_t* CColorCombo::GetClassNameW() { return L"CColorCombo"; }

void CColorCombo::SetAreaColor(Gdiplus::ARGB colour) {
    m_areaColour = colour;
    UpdateControl(1, 0);
}

void CColorCombo::DrawControl(HDC dc, const CRect&) {
    const int shown = m_bEnabled ? m_nState : kDisabled;
    DrawCachedLooks(dc, 4, shown, [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::SolidBrush area{Gdiplus::Color(m_areaColour)};
        for (int cell = 0; cell < 4; ++cell) {
            const int left = cell * width;
            graphics.FillRectangle(&area, left, 0, width, height);
            Gdiplus::Pen outline(Gdiplus::Color(cell == kDisabled ? kDisabledOutline : kOutline), 1);
            graphics.DrawRectangle(&outline, left, 0, width - 1, height - 1);
            if (cell == kDisabled) {
                Gdiplus::Pen strike{Gdiplus::Color(kStrike), 1};
                graphics.DrawLine(&strike, left, height - 1, left + width - 1, 0);
            }
        }
    });
}

void CColorCombo::ShowState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    UpdateControl(0, 0);
}

void CColorCombo::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_nState = enabled ? kNormal : kDisabled;
    UpdateControl(0, 0);
}

int CColorCombo::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 1;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    if (m_nState != kPressed || !(flags & MK_LBUTTON)) ShowState(inside ? kHover : kNormal);
    return 1;
}

int CColorCombo::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 1;
    ShowState(kPressed);
    SendMessageW(kNotifyPressed, 0, 0);
    return 1;
}

int CColorCombo::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    ShowState(inside ? kHover : kNormal);
    if (inside) SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

}  // namespace Kelvo
