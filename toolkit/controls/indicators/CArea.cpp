#include "CArea.h"

#include "MRender.h"

namespace Kelvo {

namespace {

// Never fully opaque: 254, as the skins were drawn for.
constexpr Gdiplus::ARGB kFillAlpha = 0xFE;

Gdiplus::ARGB FillArgb(COLORREF colour) {
    return (kFillAlpha << 24) | (static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16) |
           (static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

}  // namespace

CArea::CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControl(parent, id, rect, visible, enabled, responsive) {}

CArea::~CArea() = default;

const wchar_t* CArea::GetClassNameW() { return L"CArea"; }

void CArea::SetTransparent(int startPercent, int endPercent, COLORREF colour) {
    m_nStartPercent = startPercent;
    m_nEndPercent = endPercent;
    m_fillColor = colour;
    UpdateControl(1, 0);
}

void CArea::SetFrame(int hasFrame, Gdiplus::ARGB colour, int) {
    m_bFrame = hasFrame ? 1 : 0;
    m_frameColor = colour;
    UpdateControl(1, 0);
}

void CArea::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        if (m_nStartPercent != 0 || m_nEndPercent != 0) {
            Fade(cache, width, height);
        } else {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::SolidBrush fill{Gdiplus::Color(FillArgb(m_fillColor))};
            if (m_bFrame) {
                Gdiplus::SolidBrush frame{Gdiplus::Color(m_frameColor)};
                graphics.FillRectangle(&frame, 0, 0, width, height);
                graphics.FillRectangle(&fill, 1, 1, width - 2, height - 2);
            } else {
                graphics.FillRectangle(&fill, 0, 0, width, height);
            }
        }
    });
}

void CArea::Fade(HDC cache, int width, int height) {
    HDC colour = ::CreateCompatibleDC(cache);
    HBITMAP bitmap = ::CreateCompatibleBitmap(cache, width, height);
    if (colour && bitmap) {
        HGDIOBJ old = ::SelectObject(colour, bitmap);
        // The blend's constant alpha is the whole opacity: the colour goes in opaque.
        MRender::FillSolidRect(colour, 0, 0, width, height, m_fillColor & 0xFFFFFF);
        const CRect rect(0, 0, width, height);
        if (m_nDirection == 1)
            MRender::DrawVerticalTransition(cache, colour, rect, rect, m_nStartPercent, m_nEndPercent);
        else
            MRender::DrawHorizontalTransition(cache, colour, rect, rect, m_nStartPercent, m_nEndPercent);
        ::SelectObject(colour, old);
    }
    if (bitmap) ::DeleteObject(bitmap);
    if (colour) ::DeleteDC(colour);
}

}  // namespace Kelvo
