#include "CSelectButton.h"

#include "LostRelease.h"
#include "StripFrame.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 4;
constexpr int kTitleGap = 8;  // between the image and the title
constexpr int kTitleSize = 14;

}  // namespace

CSelectButton::CSelectButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
    m_bTabStop = 1;
    m_nFrameCount = kFrames;
    m_textColor = 0xFEFFFFFF;
    m_nFontSize = kTitleSize;
    m_bTextByGdi = 0;
}

const wchar_t* CSelectButton::GetClassNameW() { return L"CSelectButton"; }

int CSelectButton::GetState() const {
    if (!m_bEnabled) return kDisabled;
    if (m_bCheck || m_cycle.state == PressCycle::kPressed) return kChecked;
    return m_cycle.state;
}

void CSelectButton::DrawControl(HDC dc, const CRect&) {
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

void CSelectButton::RenderFrames(HDC cache, int width, int height) {
    {
        Gdiplus::Graphics graphics(cache);
        for (int frame = 0; frame < kFrames; ++frame)
            DrawStripFrameAtLeft(graphics, m_pImage, m_nFrameWidth, m_nFrameHeight, m_nFrameCount, frame,
                                 CRect(frame * width, 0, frame * width + width, height));
    }
    const CString title = GetControlTitle();
    for (int frame = 0; frame < kFrames; ++frame) {
        const int left = frame * width;
        if (!title.IsEmpty())
            DrawTitle(cache, CRect(left + m_nFrameWidth + kTitleGap, 0, left + width, height), title, false);
        if (m_bFocused) {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::Pen pen{Gdiplus::Color(m_textColor), 1.0f};
            pen.SetDashStyle(Gdiplus::DashStyleDot);
            graphics.DrawRectangle(&pen, left, 0, width - 1, height - 1);
        }
    }
}

int CSelectButton::ShowChange(bool changed) {
    if (changed) UpdateControl(0, 0);  // every look is in the cache already
    return changed ? 1 : 0;
}

int CSelectButton::SetControlFocus(int focus) {
    const int before = m_bFocused;
    MControlFont::SetControlFocus(focus);
    if (before != m_bFocused) UpdateControl(1, 0);  // the focus outline is part of every frame
    return 0;
}

void CSelectButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_cycle.state = PressCycle::kNormal;
}

int CSelectButton::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool lostRelease = ForgetLostRelease(m_cycle, flags);
    return ShowChange(m_cycle.Move(m_rcControl.PtInRect(point) != 0) || lostRelease);
}

int CSelectButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    return ShowChange(m_cycle.Down(m_rcControl.PtInRect(point) != 0));
}

int CSelectButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const PressCycle::Release release = m_cycle.Up(m_rcControl.PtInRect(point) != 0);
    ShowChange(release.changed);
    if (release.clicked) {
        Select();
        SendMessageW(kNotifyActivated, 0, 0);
    }
    return release.changed ? 1 : 0;
}

int CSelectButton::OnControlKeyDown(UINT key, UINT, UINT modifiers) {
    if (!m_bEnabled) return 0;
    const bool space = m_bFocused && key == VK_SPACE && modifiers == 0;
    const bool hotKey = m_uHotKey != 0 && key == m_uHotKey && modifiers == m_uHotKeyModifiers;
    if (!space && !hotKey) return 0;
    Select();
    SendMessageW(kNotifyKeyboardCheck, 0, m_bCheck);
    return 1;
}

void CSelectButton::Select() {
    if (!m_bCheck) {
        m_bCheck = 1;
        UpdateControl(0, 0);
    }
    ResetGroupCheck();
}

int CSelectButton::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    m_cycle.state = PressCycle::kNormal;
    if (check) ResetGroupCheck();
    UpdateControl(0, 0);
    return m_bCheck;
}

int CSelectButton::SetControlCheck(int check) {
    m_bCheck = check ? 1 : 0;
    m_cycle.state = PressCycle::kNormal;
    UpdateControl(0, 0);
    return m_bCheck;
}

int CSelectButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void CSelectButton::ClearGroupCheck() {
    m_bCheck = 0;
    m_cycle.state = PressCycle::kNormal;
    UpdateControl(0, 0);
}

}  // namespace Kelvo
