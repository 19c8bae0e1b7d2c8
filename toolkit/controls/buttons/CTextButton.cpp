#include "CTextButton.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;

}  // namespace

CTextButton::CTextButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : PushButtonBase(parent, id, rect, title, visible, enabled) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

const wchar_t* CTextButton::GetClassNameW() { return L"CTextButton"; }

void CTextButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kCells, GetState(), [&](HDC cache, int width, int height) {
        const CString title = GetControlTitle();
        if (!title.IsEmpty()) {
            for (int cell = 0; cell < kCells; ++cell)
                DrawCentredTitle(cache, CRect(cell * width, 0, (cell + 1) * width, height), title, m_colours[cell]);
        }
    });
}

void CTextButton::SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB hover, Gdiplus::ARGB pressed,
                                     Gdiplus::ARGB disabled) {
    m_colours[0] = normal;
    m_colours[1] = hover;
    m_colours[2] = pressed;
    m_colours[3] = disabled;
    m_bUpdate = 0;
}

}  // namespace Kelvo
