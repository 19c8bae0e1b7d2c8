#include "CDeviceState.h"

#include "MRender.h"

namespace Kelvo {

namespace {

constexpr int kMeasureWidth = 200;
constexpr int kTextMargin = 30;  // the plate's width beyond the title's, both sides together
// The plate stretches between corners kept at their size, so a wide plate keeps the
// rounding of a narrow one.
constexpr int kPlateCorner = 6;

COLORREF ToColorRef(Gdiplus::ARGB colour) { return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

}  // namespace

CDeviceState::CDeviceState(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {}

CDeviceState::~CDeviceState() = default;

const wchar_t* CDeviceState::GetClassNameW() { return L"CDeviceState"; }

void CDeviceState::DrawControl(HDC dc, const CRect&) {
    const CString title = GetControlTitle();
    if (!title.IsEmpty() && m_bTextByGdi && FitToTitle(dc, title)) return;
    DrawCachedLooks(dc, 1, 0, [this, &title](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            DrawImageFrame(graphics, CRect(0, 0, width, height), 0, kPlateCorner);
        }
        if (title.IsEmpty()) return;
        if (m_bTextByGdi)
            DrawTitleByGdi(cache, CRect(0, 0, width, height), title);
        else
            DrawTitleByGdiplus(cache, CRect(0, 0, width, height), title);
    });
}

bool CDeviceState::FitToTitle(HDC dc, const CString& title) {
    HGDIOBJ oldFont = ::SelectObject(dc, GetGDIFont());
    RECT measured{0, 0, kMeasureWidth, 0};
    ::DrawTextW(dc, title, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);
    const int width = measured.right - measured.left + kTextMargin;
    if (m_rcControl.Width() == width) return false;
    const CRect old = m_rcControl;
    m_rcControl.right = m_rcControl.left + width;
    m_bUpdate = 0;
    CRect both;
    both.UnionRect(old, m_rcControl);
    UpdateControl(both, 0, 1);
    return true;
}

void CDeviceState::DrawTitleByGdi(HDC dc, const CRect& rect, const CString& title) {
    CRect box = rect;
    MRender::DrawTextW(dc, box, title, ToColorRef(m_textColor), GetGDIFont(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CDeviceState::DrawTitleByGdiplus(HDC dc, const CRect& rect, const CString& title) {
    Gdiplus::FontFamily* family = GetFontFamily(m_strFontFace);
    if (!family) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_nRenderingHint));
    Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(m_nFontSize), m_nFontStyle, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
    Gdiplus::SolidBrush brush{Gdiplus::Color(m_textColor)};
    graphics.DrawString(title, -1, &font,
                        Gdiplus::RectF(0.0f, 0.0f, static_cast<Gdiplus::REAL>(rect.Width()),
                                       static_cast<Gdiplus::REAL>(rect.Height())),
                        &format, &brush);
}

}  // namespace Kelvo
