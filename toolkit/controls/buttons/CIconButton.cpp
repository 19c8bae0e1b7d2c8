#include "CIconButton.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;

ButtonPress::Options IconButtonPress() {
    ButtonPress::Options options;
    options.handCursor = true;
    return options;
}

}  // namespace

CIconButton::CIconButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : PushButtonBase(parent, id, rect, title, visible, enabled, IconButtonPress()) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

const wchar_t* CIconButton::GetClassNameW() { return L"CIconButton"; }

Gdiplus::ARGB CIconButton::TitleColour(int cell) const {
    if (cell == 0 && !m_bOwnColours) return m_textColor;
    return m_colours[cell];
}

void CIconButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kCells, GetState(), [&](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            const CRect iconBand = m_rcIcon.IsRectEmpty() ? CRect(0, 0, width, height) : m_rcIcon;
            for (int cell = 0; cell < kCells; ++cell) {
                const CRect box(cell * width, 0, (cell + 1) * width, height);
                DrawImageFrame(graphics, box, cell, m_nFrameSize);
                m_icon.Draw(graphics, cell,
                            CPoint(box.left + iconBand.left,
                                   iconBand.top + (iconBand.Height() - m_icon.FrameHeight()) / 2));
            }
        }
        const CString title = GetControlTitle();
        for (int cell = 0; cell < kCells && !title.IsEmpty(); ++cell) {
            CRect where(cell * width, 0, (cell + 1) * width, height);
            if (!m_bTextByGdi && !m_rcText.IsRectEmpty()) {
                where = m_rcText;
                where.OffsetRect(cell * width, 0);
            }
            DrawCentredTitle(cache, where, title, TitleColour(cell));
        }
    });
}

int CIconButton::SetIconImage(const wchar_t* path, int frames) {
    if (!m_icon.Load(path, frames)) return 0;
    m_bUpdate = 0;
    UpdateControl(1, 0);
    return 1;
}

void CIconButton::SetTextRect(CRect text, CRect icon) {
    m_rcText = text;
    m_rcIcon = icon;
    m_bUpdate = 0;
}

void CIconButton::SetFrameSize(int corner) {
    m_nFrameSize = corner;
    m_bUpdate = 0;
}

void CIconButton::SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB hover, Gdiplus::ARGB pressed,
                                     Gdiplus::ARGB disabled) {
    m_colours[0] = normal;
    m_colours[1] = hover;
    m_colours[2] = pressed;
    m_colours[3] = disabled;
    m_bOwnColours = true;
    m_bUpdate = 0;
}

}  // namespace Kelvo
