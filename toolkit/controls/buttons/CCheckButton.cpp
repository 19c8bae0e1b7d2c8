#include "CCheckButton.h"

#include "LostRelease.h"
#include "StripFrame.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 8;
constexpr int kTitleGap = 8;  // between the box and the title

}  // namespace

CCheckButton::CCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
    m_bTabStop = 1;
    m_nFrameCount = kFrames;
    m_nVAlignment = DT_VCENTER;
    m_textColor = 0xFF969696;
}

const wchar_t* CCheckButton::GetClassNameW() { return L"CCheckButton"; }

int CCheckButton::GetState() const {
    const int look = m_bEnabled ? m_cycle.state : kDisabled;
    return look + (m_bCheck ? kCheckedOffset : 0);
}

void CCheckButton::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width * kFrames, height);
        CopyBackgroundToCache(dc, kFrames);
        if (cache) RenderFrames(cache, width, height);
    }
    BlitCache(dc, GetState());
}

void CCheckButton::RenderFrames(HDC cache, int width, int height) {
    {
        Gdiplus::Graphics graphics(cache);
        for (int frame = 0; frame < kFrames; ++frame)
            DrawStripFrameAtLeft(graphics, m_pImage, m_nFrameWidth, m_nFrameHeight, m_nFrameCount, frame,
                                 CRect(frame * width, 0, frame * width + width, height));
    }
    const CString title = GetControlTitle();
    const Gdiplus::ARGB saved = m_textColor;
    for (int frame = 0; frame < kFrames; ++frame) {
        const int left = frame * width;
        SetTextColor(TitleColor(frame));
        if (!title.IsEmpty())
            DrawTitle(cache, CRect(left + m_nFrameWidth + kTitleGap, 0, left + width, height), title, false);
        if (m_bFocused) {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::Pen pen{Gdiplus::Color(m_textColor), 1.0f};
            pen.SetDashStyle(Gdiplus::DashStyleDot);
            graphics.DrawRectangle(&pen, left, 0, width - 1, height - 1);
        }
    }
    SetTextColor(saved);
}

Gdiplus::ARGB CCheckButton::TitleColor(int frame) const {
    return frame >= kCheckedOffset ? m_checkedTextColor : m_textColor;
}

int CCheckButton::ShowChange(bool changed) {
    if (changed) UpdateControl(0, 0);  // every look is in the cache already
    return changed ? 1 : 0;
}

int CCheckButton::SetControlFocus(int focus) {
    const int before = m_bFocused;
    MControlFont::SetControlFocus(focus);
    if (before != m_bFocused) UpdateControl(1, 0);  // the focus outline is part of every frame
    return 0;
}

void CCheckButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_cycle.state = PressCycle::kNormal;
}

int CCheckButton::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool lostRelease = ForgetLostRelease(m_cycle, flags);
    return ShowChange(m_cycle.Move(m_rcControl.PtInRect(point) != 0) || lostRelease);
}

int CCheckButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    return ShowChange(m_cycle.Down(m_rcControl.PtInRect(point) != 0));
}

int CCheckButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const PressCycle::Release release = m_cycle.Up(m_rcControl.PtInRect(point) != 0);
    ShowChange(release.changed);
    if (release.clicked) {
        ApplyClick();
        SendMessageW(kNotifyActivated, 0, 0);
    }
    return release.changed ? 1 : 0;
}

bool CCheckButton::IsCheckKey(UINT key, UINT modifiers) const {
    if (m_bFocused && key == VK_SPACE && modifiers == 0) return true;
    return m_uHotKey != 0 && key == m_uHotKey && modifiers == m_uHotKeyModifiers;
}

int CCheckButton::OnControlKeyDown(UINT key, UINT, UINT modifiers) {
    if (!m_bEnabled || !IsCheckKey(key, modifiers)) return 0;
    const int check = ApplyKeyboard();
    SendMessageW(kNotifyKeyboardCheck, 0, check);
    return 1;
}

void CCheckButton::ApplyClick() { ShowCheck(!m_bCheck); }

int CCheckButton::ApplyKeyboard() { return SetCheck(!m_bCheck); }

void CCheckButton::ShowCheck(int check) {
    check = check ? 1 : 0;
    if (check == m_bCheck) return;
    m_bCheck = check;
    UpdateControl(0, 0);
}

int CCheckButton::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check != m_bCheck) {
        m_bCheck = check;
        m_cycle.state = PressCycle::kNormal;
        UpdateControl(0, 0);
    }
    return m_bCheck;
}

}  // namespace Kelvo
