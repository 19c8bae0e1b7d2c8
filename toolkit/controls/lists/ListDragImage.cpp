// The picture a list drags: the hovered row's text in the list font two points larger.
#include "MListBox.h"

#include <algorithm>

#include "MRender.h"

namespace Kelvo {

namespace {

constexpr int kMaxDragWidth = 300;
constexpr int kDragPadding = 10;

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

HBITMAP MListBox::GetControlDropBitmap() {
    if (m_nHover < 0 || m_nHover >= GetItemCount()) return nullptr;
    const CString text = GetItemText(m_nHover);
    const int normalSize = m_nFontSize;
    SetFontWidth(normalSize + 2);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ oldFont = ::SelectObject(dc, GetGDIFont());
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text, text.GetLength(), &extent);
    const int width = std::min(static_cast<int>(extent.cx) + m_nIconColumn + kDragPadding, kMaxDragWidth);
    const int height = m_nItemHeight;
    BYTE* bits = nullptr;
    HBITMAP bitmap = MRender::CreateARGB32Bitmap(dc, width, height, &bits);
    if (bitmap) {
        HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
        MRender::FillSolidRect(dc, 0, 0, width, height, ToColorRef(m_selectFill));
        CRect box(kDragPadding / 2 + (m_pImageList ? m_nIconColumn : 0), 0, width, height);
        MRender::DrawTextW(dc, box, text, ToColorRef(m_textColor), GetGDIFont(),
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
        ::GdiFlush();
        // GDI leaves the alpha bytes alone: the picture is opaque.
        for (int i = 0; i < width * height; ++i) bits[i * 4 + 3] = 0xFF;
        ::SelectObject(dc, oldBitmap);
    }
    ::SelectObject(dc, oldFont);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    SetFontWidth(normalSize);
    return bitmap;
}

}  // namespace Kelvo
