// The message overlay: a boxed text over the window, or a progress message that fills
// up and then fades out.
#include <algorithm>

#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kProgressStepMs = 10;
constexpr int kFadeStepMs = 50;
constexpr int kProgressPerStep = 2;
constexpr int kAlphaPerStep = 10;
constexpr int kFadeEndAlpha = 20;  // below this the overlay is gone
constexpr int kProgressBoxHeight = 60;

}  // namespace

void PaintManager::SetMessage(const wchar_t* text, CRect rect, int fontSize) {
    if (m_hMessageFont) ::DeleteObject(m_hMessageFont);
    m_hMessageFont = nullptr;
    m_nMessageAlpha = 255;
    m_strMessage = CString(text);
    m_rcMessage = rect;
    m_nMessageFontSize = fontSize;
    m_nProgressShown = 0;
    m_nProgressTarget = 0;
    Invalidate();
}

void PaintManager::SetProgress(int percent, const wchar_t* text, CRect rect) {
    if (percent == m_nProgressTarget) return;
    if (percent < 5 && IsLive()) ::KillTimer(m_hWnd, ControlTimerIds::kOverlayFade);
    m_nMessageAlpha = 255;
    m_strMessage = CString(text);
    m_nProgressTarget = percent;
    if (rect.IsRectEmpty()) {
        GetClientRect(rect);
        rect.top = rect.bottom - kProgressBoxHeight;
        rect.bottom -= 2;
    }
    m_rcMessage = rect;
    if (m_nProgressTarget - m_nProgressShown < 6) {
        m_nProgressShown = m_nProgressTarget;
        InvalidateRect(m_rcMessage, 0);
        if (m_nProgressShown > 99 && IsLive()) ::SetTimer(m_hWnd, ControlTimerIds::kOverlayFade, kFadeStepMs, nullptr);
    } else if (IsLive()) {
        ::SetTimer(m_hWnd, ControlTimerIds::kProgress, kProgressStepMs, nullptr);
    }
}

void PaintManager::OnProgressStep() {
    // Climbs by steps of 2 but never past the target, so odd gaps end exactly on it.
    m_nProgressShown = std::min(m_nProgressShown + kProgressPerStep, m_nProgressTarget);
    if (m_nProgressShown >= m_nProgressTarget && IsLive()) ::KillTimer(m_hWnd, ControlTimerIds::kProgress);
    InvalidateRect(m_rcMessage, 0);
    if (m_nProgressShown >= 100 && IsLive())
        ::SetTimer(m_hWnd, ControlTimerIds::kOverlayFade, kFadeStepMs, nullptr);
}

void PaintManager::OnOverlayFade() {
    m_nMessageAlpha -= kAlphaPerStep;
    if (m_nMessageAlpha < kFadeEndAlpha) {
        m_nMessageAlpha = 0;
        m_nProgressShown = 0;
        m_nProgressTarget = 0;  // a later progress run starts afresh
        if (IsLive()) ::KillTimer(m_hWnd, ControlTimerIds::kOverlayFade);
        Invalidate();
    }
    InvalidateRect(m_rcMessage, 0);
}

}  // namespace Kelvo
