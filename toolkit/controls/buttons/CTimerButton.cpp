#include "CTimerButton.h"

#include "TextFormat.h"
#include "ToolkitClock.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;
constexpr std::uint64_t kCountdownMs = 10000;
constexpr Gdiplus::ARGB kFocusColour = 0xFE4CFF29;

}  // namespace

CTimerButton::CTimerButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : PushButtonBase(parent, id, rect, title, visible, enabled) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

const wchar_t* CTimerButton::GetClassNameW() { return L"CTimerButton"; }

void CTimerButton::InitControl(PaintManager* manager) {
    MControlFont::InitControl(manager);
    AddMTimer();
    SetRunTimer(1);
}

int CTimerButton::SecondsLeft() const {
    const std::uint64_t now = ToolkitNowMs();
    const std::uint64_t seconds = (now > m_startTime ? now - m_startTime : 0) / 1000;
    return seconds >= kCountdownMs / 1000 ? 0 : static_cast<int>(kCountdownMs / 1000 - seconds);
}

CString CTimerButton::GetShownText() {
    const CString title = GetControlTitle();
    if (!m_bRun) return title;
    return FormatText(CString(L"%s(%ds)"), {title, SecondsLeft()});
}

void CTimerButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kCells, GetState(), [&](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::Pen focus{Gdiplus::Color(kFocusColour), 1.0f};
            focus.SetDashStyle(Gdiplus::DashStyleDot);
            for (int cell = 0; cell < kCells; ++cell) {
                const CRect box(cell * width, 0, (cell + 1) * width, height);
                DrawImageFrame(graphics, box, cell, m_nFrameSize);
                if (m_bFocused) graphics.DrawRectangle(&focus, box.left, box.top, width - 1, height - 1);
            }
        }
        m_nShownSeconds = SecondsLeft();
        const CString text = GetShownText();
        for (int cell = 0; cell < kCells; ++cell)
            DrawTitle(cache, CRect(cell * width, 0, (cell + 1) * width, height), text, false);
    });
}

int CTimerButton::OnControlTimer() {
    if (!m_bRun || !m_bVisible) return 0;
    const std::uint64_t now = ToolkitNowMs();
    if (now > m_startTime && now - m_startTime > kCountdownMs) {
        // Stopped before the notification, so that its handler may start it again.
        m_bRun = 0;
        UpdateControl(1, 0);
        SendMessageW(kNotifyActivated, 0, 0);
        return 1;
    }
    // The picture changes once a second; re-rendering it on every tick would only load
    // the window with paints.
    if (SecondsLeft() == m_nShownSeconds) return 0;
    UpdateControl(1, 0);
    return 1;
}

int CTimerButton::SetRun(int run) {
    if (!m_bEnabled) return m_bRun;
    m_bRun = run ? 1 : 0;
    m_startTime = ToolkitNowMs();
    UpdateControl(1, 0);
    return run;
}

int CTimerButton::SetControlFocus(int focus) {
    const int before = m_bFocused;
    const int result = MControlFont::SetControlFocus(focus);
    if (before != m_bFocused) UpdateControl(1, 0);
    return result;
}

void CTimerButton::SetFrameSize(int corner) {
    m_nFrameSize = corner;
    m_bUpdate = 0;
}

}  // namespace Kelvo
