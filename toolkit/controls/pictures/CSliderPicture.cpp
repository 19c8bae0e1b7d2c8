#include "CSliderPicture.h"

#include <algorithm>

#include "MRender.h"

namespace Kelvo {

namespace {

constexpr COLORREF kUncoveredColour = RGB(0xF2, 0xF2, 0xF2);

// A hundredth of the way per tick, but never nothing: a slide across fewer than 100
// pixels would otherwise never arrive.
int StepOf(int length) { return std::max(1, length / 100); }

}  // namespace

CSliderPicture::CSliderPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, L"", visible, enabled, responsive) {
    m_nFrameCount = 1;
    m_bRunTimer = 1;
}

CSliderPicture::~CSliderPicture() = default;

const wchar_t* CSliderPicture::GetClassNameW() { return L"CSliderPicture"; }

void CSliderPicture::InitControl(PaintManager*) {}

void CSliderPicture::Register() { AddMTimer(); }  // the paint manager keeps a control on its tick list once

int CSliderPicture::SetImage(const wchar_t* path, int frames) {
    Register();
    return m_picture.LoadFile(path, frames);
}

int CSliderPicture::SetImage(UINT resourceId, const wchar_t* resourceType, int frames) {
    Register();
    return m_picture.LoadResource(resourceId, resourceType, frames);
}

int CSliderPicture::SetShowMode(enumShowMode mode, int parameter) {
    if (!m_picture.SetShowMode(mode, parameter)) return 0;
    UpdateControl(1, 0);
    return 1;
}

int CSliderPicture::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetMargins(left, top, right, bottom);
    UpdateControl(1, 0);
    return 1;
}

int CSliderPicture::SetRun(int run, int mode) {
    if (!m_bEnabled) return m_bRunning;
    Register();
    const int wasRunning = m_bRunning;
    m_bRunning = run ? 1 : 0;
    m_nSlideMode = mode;
    switch (mode) {
    case SLIDER_LEFT:
        m_nPosition = 0;
        m_nEnd = m_rcControl.Width();
        break;
    case SLIDER_TOP:
        m_nPosition = m_rcControl.top;
        m_nEnd = m_rcControl.bottom;
        break;
    case SLIDER_RIGHT:
        m_nPosition = m_rcControl.right;
        m_nEnd = m_rcControl.left;
        break;
    default:
        break;
    }
    if (m_bRunning != wasRunning) UpdateControl(1, 0);
    return m_bRunning;
}

int CSliderPicture::OnControlTimer() {
    if (!m_bRunning || !m_bVisible) return 0;
    switch (m_nSlideMode) {
    case SLIDER_LEFT:
        m_nPosition += StepOf(m_rcControl.Width());
        if (m_nPosition >= m_nEnd) m_bRunning = 0;
        break;
    case SLIDER_TOP:
        m_nPosition += StepOf(m_rcControl.Height());
        if (m_nPosition >= m_nEnd) m_bRunning = 0;
        break;
    case SLIDER_RIGHT:
        m_nPosition -= StepOf(m_rcControl.Width());
        if (m_nPosition <= m_nEnd) m_bRunning = 0;
        break;
    default:
        break;
    }
    // The picture in the cache stays as it is; only how much of it shows changes.
    InvalidateRect(nullptr, 0);
    return 1;
}

void CSliderPicture::DrawControl(HDC dc, const CRect&) {
    const CRect& rc = m_rcControl;
    const int width = rc.Width();
    const int height = rc.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width, height);
        CopyBackgroundToCache(dc, 1);
        if (cache) {
            Gdiplus::Graphics graphics(cache);
            m_picture.Draw(graphics, width, height, m_nAlignment, m_nVAlignment, false);
        }
    }
    if (m_hMemDC) {
        switch (m_nSlideMode) {
        case SLIDER_LEFT: {
            const int shown = std::clamp(m_nPosition, 0, width);
            ::BitBlt(dc, rc.left, rc.top, shown, height, m_hMemDC, width - shown, 0, SRCCOPY);
            MRender::FillSolidRect(dc, rc.left + shown, rc.top, width - shown, height, kUncoveredColour);
            break;
        }
        case SLIDER_TOP: {
            const int shown = std::clamp(m_nPosition - rc.top, 0, height);
            ::BitBlt(dc, rc.left, rc.top, width, shown, m_hMemDC, 0, height - shown, SRCCOPY);
            MRender::FillSolidRect(dc, rc.left, rc.top + shown, width, height - shown, kUncoveredColour);
            break;
        }
        case SLIDER_RIGHT: {
            const int shown = std::clamp(rc.right - m_nPosition, 0, width);
            ::BitBlt(dc, rc.right - shown, rc.top, shown, height, m_hMemDC, 0, 0, SRCCOPY);
            MRender::FillSolidRect(dc, rc.left, rc.top, width - shown, height, kUncoveredColour);
            break;
        }
        default:
            break;
        }
    }
    if (m_bVisible && !m_bRunning) {
        SetControlVisible(0);
        UpdateControl(1, 1);
    }
}

}  // namespace Kelvo
