#include "MComboBox2.h"

#include <algorithm>

#include "Manager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kCellFill = 0xFF333333;
constexpr int kOutline = 2;
constexpr int kArrowFromRight = 15;

}  // namespace

MComboBox2::MComboBox2(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MComboBox(parent, id, rect, visible, enabled) {}

const wchar_t* MComboBox2::GetClassNameW() { return L"MComboBox2"; }

int MComboBox2::ShownCell() const {
    if (!m_bEnabled) return kDisabled;
    return m_bCheck ? kPressed : MComboBox::ShownCell();
}

Gdiplus::ARGB MComboBox2::CellTextColour(int cell) const {
    if (cell == kPressed) return 0xFFFFFFFF;
    if (cell == kDisabled) return 0xFF808080;
    return m_textColor;
}

void MComboBox2::DrawCell(HDC dc, Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    const Gdiplus::Color select(Manager::GetSelectColor());
    Gdiplus::SolidBrush fill(cell == kPressed ? select : Gdiplus::Color(kCellFill));
    graphics.FillRectangle(&fill, box.left, box.top, box.Width(), box.Height());
    if (cell == kHover) {
        // Bands rather than a pen, whose inset placement varies by a pixel.
        Gdiplus::SolidBrush outline(select);
        const int left = box.left + 1, top = box.top + 1, width = box.Width() - 2, height = box.Height() - 2;
        if (width > 0 && height > 0) {
            graphics.FillRectangle(&outline, left, top, width, kOutline);
            graphics.FillRectangle(&outline, left, top + height - kOutline, width, kOutline);
            graphics.FillRectangle(&outline, left, top, kOutline, height);
            graphics.FillRectangle(&outline, left + width - kOutline, top, kOutline, height);
        }
    }
    if (m_pImage && m_nFrameWidth > 0) {
        const int frame = std::min(cell, m_nFrameCount - 1);
        const int x = box.right - kArrowFromRight - m_nFrameWidth;
        const int y = box.top + (box.Height() - m_nFrameHeight) / 2;
        graphics.DrawImage(m_pImage, Gdiplus::Rect(x, y, m_nFrameWidth, m_nFrameHeight), frame * m_nFrameWidth, 0,
                           m_nFrameWidth, m_nFrameHeight, Gdiplus::UnitPixel);
    }
    DrawCellText(dc, cell, box);
}

int MComboBox2::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    if (check) ResetGroupCheck();
    UpdateControl(0, 0);
    return m_bCheck;
}

int MComboBox2::SetControlCheck(int check) {
    m_bCheck = check ? 1 : 0;
    UpdateControl(0, 0);
    return m_bCheck;
}

int MComboBox2::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup, L"MButton2"); }

void MComboBox2::ClearGroupCheck() {
    m_bCheck = 0;
    if (m_bVisible) UpdateControl(0, 0);
}

void MComboBox2::ReleasedInside() {
    SetCheck(1);
    MComboBox::ReleasedInside();
}

}  // namespace Kelvo
