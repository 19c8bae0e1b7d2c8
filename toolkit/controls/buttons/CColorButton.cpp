#include "CColorButton.h"
#include "MemberCheck.h"

#include "LostRelease.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 4;
constexpr int kOutline = 2;
constexpr Gdiplus::ARGB kOutlineWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kOutlineGrey = 0xFF808080;

Gdiplus::ARGB OpaqueFromColorRef(COLORREF colour) {
    return 0xFF000000u | (static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16) |
           (static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

void Fill(Gdiplus::Graphics& graphics, int left, int top, int right, int bottom, Gdiplus::ARGB colour) {
    if (right <= left || bottom <= top) return;
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    graphics.FillRectangle(&brush, left, top, right - left, bottom - top);
}

// A frame `kOutline` pixels wide along the inside of the box.
void Outline(Gdiplus::Graphics& graphics, const RECT& box, Gdiplus::ARGB colour) {
    Fill(graphics, box.left, box.top, box.right, box.top + kOutline, colour);
    Fill(graphics, box.left, box.bottom - kOutline, box.right, box.bottom, colour);
    Fill(graphics, box.left, box.top, box.left + kOutline, box.bottom, colour);
    Fill(graphics, box.right - kOutline, box.top, box.right, box.bottom, colour);
}

}  // namespace

CColorButton::CColorButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, nullptr, visible, enabled, 1) {}

const wchar_t* CColorButton::GetClassNameW() { return L"CColorButton"; }

int CColorButton::GetState() const {
    if (!m_bEnabled) return kDisabled;
    if (m_bCheck || m_cycle.state == PressCycle::kPressed) return kChecked;
    return m_cycle.state;
}

void CColorButton::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width * kFrames, height);
        if (cache) RenderFrames(cache, width, height);
    }
    BlitCache(dc, GetState());
}

void CColorButton::RenderFrames(HDC cache, int width, int height) {
    Gdiplus::Graphics graphics(cache);
    for (int frame = 0; frame < kFrames; ++frame) {
        const RECT cell{frame * width, 0, frame * width + width, height};
        Fill(graphics, cell.left, cell.top, cell.right, cell.bottom, OpaqueFromColorRef(m_color));
        if (frame == kHover || frame == kChecked) Outline(graphics, cell, kOutlineWhite);
        if (frame == kDisabled) Outline(graphics, cell, kOutlineGrey);
    }
}

int CColorButton::ShowChange(bool changed) {
    if (changed) UpdateControl(0, 0);  // every look is in the cache already
    return changed ? 1 : 0;
}

void CColorButton::SetColor(COLORREF colour) {
    if (colour == m_color) return;
    m_color = colour;
    UpdateControl(1, 0);
}

void CColorButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_cycle.state = PressCycle::kNormal;
}

int CColorButton::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool lostRelease = ForgetLostRelease(m_cycle, flags);
    return ShowChange(m_cycle.Move(m_rcControl.PtInRect(point) != 0) || lostRelease);
}

int CColorButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 0;
    const bool changed = m_cycle.Down(true) || !m_bCheck;
    m_bCheck = 1;
    ShowChange(changed);
    ResetGroupCheck();
    SendMessageW(kNotifyPressed, 0, 0);
    return changed ? 1 : 0;
}

int CColorButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const PressCycle::Release release = m_cycle.Up(m_rcControl.PtInRect(point) != 0);
    ShowChange(release.changed);
    if (release.clicked) SendMessageW(kNotifyActivated, 0, 0);
    return release.changed ? 1 : 0;
}

int CColorButton::SetCheck(int check) { return SetMemberCheck(*this, m_strGroup, m_bCheck, m_cycle, check); }

int CColorButton::SetControlCheck(int check) { return ForceMemberCheck(*this, m_bCheck, m_cycle, check); }

int CColorButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void CColorButton::ClearGroupCheck() { ForceMemberCheck(*this, m_bCheck, m_cycle, 0); }

}  // namespace Kelvo
