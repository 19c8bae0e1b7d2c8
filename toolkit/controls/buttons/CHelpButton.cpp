#include "CHelpButton.h"

#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr AIRBLADDER_TYPE kButtonBalloon = AIRBLADDER_TYPE_BUTTON;
constexpr AIRBLADDER_MODE kAnchorRight = AIRBLADDER_MODE_RIGHT;
constexpr int kAnchorIndent = 20;

}  // namespace

CHelpButton::CHelpButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
    m_nFrameCount = 1;
}

const wchar_t* CHelpButton::GetClassNameW() { return L"CHelpButton"; }

void CHelpButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        if (m_pImage && m_nFrameWidth > 0) {
            // Only the first frame: a strip of several frames would otherwise be squeezed in.
            // Neither the next frame nor smoothing may bleed into this one's border.
            Gdiplus::ImageAttributes edges;
            edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
            Gdiplus::Graphics graphics(cache);
            graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
            graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            graphics.DrawImage(m_pImage, Gdiplus::Rect(0, 0, width, height), 0, 0, m_nFrameWidth, m_nFrameHeight,
                               Gdiplus::UnitPixel, &edges);
        }
    });
}

int CHelpButton::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled || !m_pManager) return 0;
    const int inside = m_rcControl.PtInRect(point) ? 1 : 0;
    if (inside == m_bInside) return 0;
    m_bInside = inside;
    const CString title = GetControlTitle();
    if (title.IsEmpty()) return 1;
    const int id = static_cast<int>(m_uControlID);
    if (inside) {
        POINT anchor{m_rcControl.left + kAnchorIndent, m_rcControl.top};
        if (HWND window = m_pManager->GetPaintWnd()) ::ClientToScreen(window, &anchor);
        m_pManager->SetAirBladderMsg(title, anchor, kButtonBalloon, kAnchorRight);
        m_pManager->ShowAirBladder(1, id);
    } else if (id == 0 || m_pManager->GetAirBladderOwner() == id) {
        m_pManager->ShowAirBladder(0, id);
    }
    return 1;
}

}  // namespace Kelvo
