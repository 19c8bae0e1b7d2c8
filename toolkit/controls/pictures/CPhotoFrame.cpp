#include "CPhotoFrame.h"

#include "MRender.h"

namespace Kelvo {

namespace {

constexpr int kLooks = 4;  // normal, hot, pressed, and a fourth that no state shows
constexpr int kOverlayCorner = 12;

}  // namespace

CPhotoFrame::CPhotoFrame(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, L"", visible, enabled, responsive) {
    m_nFrameCount = 1;
}

CPhotoFrame::~CPhotoFrame() = default;

const wchar_t* CPhotoFrame::GetClassNameW() { return L"CPhotoFrame"; }

void CPhotoFrame::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width * kLooks, height);
        CopyBackgroundToCache(dc, 1);
        if (cache) {
            {
                Gdiplus::Graphics graphics(cache);
                m_picture.Draw(graphics, width, height, m_nAlignment, m_nVAlignment, false);
            }
            for (int look = 1; look < kLooks; ++look) ::BitBlt(cache, look * width, 0, width, height, cache, 0, 0, SRCCOPY);
            if (m_overlay.Image()) {
                Gdiplus::Graphics graphics(cache);
                graphics.SetPageUnit(Gdiplus::UnitPixel);
                const int fw = m_overlay.FrameWidth();
                for (int look = 1; look < kLooks; ++look)
                    MRender::DrawImageFrame(graphics, m_overlay.Image(), CRect(look * width, 0, (look + 1) * width, height),
                                            fw, 0, fw, m_overlay.FrameHeight(), kOverlayCorner);
            }
        }
    }
    BlitCache(dc, m_nState);
}

bool CPhotoFrame::ShowState(int state) {
    if (state == m_nState) return false;
    m_nState = state;
    UpdateControl(0, 0);
    return true;
}

int CPhotoFrame::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled || m_nState == kPressed) return 0;
    return ShowState(m_rcControl.PtInRect(point) ? kHot : kNormal) ? 1 : 0;
}

int CPhotoFrame::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 0;
    const bool changed = ShowState(kPressed);
    SendMessageW(kNotifyPressed, 0, 0);
    return changed ? 1 : 0;
}

int CPhotoFrame::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (!m_rcControl.PtInRect(point)) return ShowState(kNormal) ? 1 : 0;
    const bool wasPressed = m_nState == kPressed;
    const bool changed = ShowState(kHot);
    if (wasPressed) SendMessageW(kNotifyActivated, 0, 0);
    return changed ? 1 : 0;
}

int CPhotoFrame::SetImage(const wchar_t* path, int frames) { return m_overlay.LoadFile(path, frames); }

int CPhotoFrame::SetImage(UINT resourceId, const wchar_t* resourceType, int frames) {
    return m_overlay.LoadResource(resourceId, resourceType, frames);
}

int CPhotoFrame::SetPhotoFrame(const wchar_t* path, int frames) { return m_picture.LoadFile(path, frames); }

int CPhotoFrame::SetPhotoFrame(UINT resourceId, const wchar_t* resourceType, int frames) {
    return m_picture.LoadResource(resourceId, resourceType, frames);
}

int CPhotoFrame::SetShowMode(enumShowMode mode, int parameter) {
    if (!m_picture.SetShowMode(mode, parameter)) return 0;
    UpdateControl(1, 0);
    return 1;
}

int CPhotoFrame::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetMargins(left, top, right, bottom);
    UpdateControl(1, 0);
    return 1;
}

}  // namespace Kelvo
