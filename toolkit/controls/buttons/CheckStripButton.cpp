#include "CheckStripButton.h"

#include "LostRelease.h"
#include "StripFrame.h"

namespace Kelvo {

namespace {

constexpr int kTitleGap = 8;  // between the image and the title

}  // namespace

CheckStripButton::CheckStripButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible,
                                   int enabled, int frames)
    : MControlFont(parent, id, rect, title, visible, enabled, 1), m_nFrames(frames) {
    m_bTabStop = 1;
    m_nFrameCount = frames;
}

void CheckStripButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, m_nFrames, GetState(), [&](HDC cache, int width, int height) {
        RenderFrames(cache, width, height);
    });
}

void CheckStripButton::RenderFrames(HDC cache, int width, int height) {
    {
        Gdiplus::Graphics graphics(cache);
        for (int frame = 0; frame < m_nFrames; ++frame)
            DrawStripFrameAtLeft(graphics, m_pImage, m_nFrameWidth, m_nFrameHeight, m_nFrameCount, frame,
                                 CRect(frame * width, 0, frame * width + width, height));
    }
    const CString title = GetControlTitle();
    const Gdiplus::ARGB saved = m_textColor;
    for (int frame = 0; frame < m_nFrames; ++frame) {
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

Gdiplus::ARGB CheckStripButton::TitleColor(int) const { return m_textColor; }

int CheckStripButton::ShowChange(bool changed) {
    if (changed) UpdateControl(0, 0);  // every look is in the cache already
    return changed ? 1 : 0;
}

int CheckStripButton::SetControlFocus(int focus) {
    const int before = m_bFocused;
    MControlFont::SetControlFocus(focus);
    if (before != m_bFocused) UpdateControl(1, 0);  // the focus outline is part of every frame
    return 0;
}

void CheckStripButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_cycle.state = PressCycle::kNormal;
}

int CheckStripButton::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool lostRelease = ForgetLostRelease(m_cycle, flags);
    return ShowChange(m_cycle.Move(m_rcControl.PtInRect(point) != 0) || lostRelease);
}

int CheckStripButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    return ShowChange(m_cycle.Down(m_rcControl.PtInRect(point) != 0));
}

int CheckStripButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const PressCycle::Release release = m_cycle.Up(m_rcControl.PtInRect(point) != 0);
    ShowChange(release.changed);
    if (release.clicked) {
        ApplyClick();
        SendMessageW(kNotifyActivated, 0, 0);
    }
    return release.changed ? 1 : 0;
}

bool CheckStripButton::IsCheckKey(UINT key, UINT modifiers) const {
    if (m_bFocused && key == VK_SPACE && modifiers == 0) return true;
    return m_uHotKey != 0 && key == m_uHotKey && modifiers == m_uHotKeyModifiers;
}

int CheckStripButton::OnControlKeyDown(UINT key, UINT, UINT modifiers) {
    if (!m_bEnabled || !IsCheckKey(key, modifiers)) return 0;
    const int check = ApplyKeyboard();
    SendMessageW(kNotifyKeyboardCheck, 0, check);
    return 1;
}

void CheckStripButton::ShowCheck(int check) {
    check = check ? 1 : 0;
    if (check == m_bCheck) return;
    m_bCheck = check;
    UpdateControl(0, 0);
}

}  // namespace Kelvo
