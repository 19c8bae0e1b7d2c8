#include "DListBox.h"

#include "MImageList.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kSelectedText = 0xFFFFFFFF;
constexpr int kOutline = 2;

}  // namespace

DListBox::DListBox(MObject* parent, UINT id, CRect rect, int visible) : MListBox(parent, id, rect, visible) {
    m_nItemHeight = 36;
    m_nIconColumn = 60;
    m_textColor = 0xFFFFFFFF;
    m_bTextByGdi = 1;
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
    m_editBackground = 0xFA6837;
    m_editText = 0x050505;
}

const wchar_t* DListBox::GetClassNameW() { return L"DListBox"; }

int DListBox::SetEditImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path || !*path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pEditImage = info->image;
    m_nEditFrames = info->frames;
    UpdateControl(1, 0);
    return 1;
}

void DListBox::DrawRow(HDC dc, Gdiplus::Graphics& graphics, const ListBoxItem& item, const CRect& row, RowLook look) {
    if (look.edited && m_pEditImage) {
        DrawEditImage(graphics, row);
    } else if (look.selected) {
        Gdiplus::SolidBrush fill{Gdiplus::Color(m_selectFill)};
        graphics.FillRectangle(&fill, row.left + 1, row.top, row.Width() - 1, row.Height());
    } else if (look.hovered) {
        // Bands rather than a pen, whose inset placement varies by a pixel.
        Gdiplus::SolidBrush outline{Gdiplus::Color(m_hoverFill)};
        const int left = row.left + 2, top = row.top + 2, width = row.Width() - 4, height = row.Height() - 4;
        if (width > 0 && height > 0) {
            graphics.FillRectangle(&outline, left, top, width, kOutline);
            graphics.FillRectangle(&outline, left, top + height - kOutline, width, kOutline);
            graphics.FillRectangle(&outline, left, top, kOutline, height);
            graphics.FillRectangle(&outline, left + width - kOutline, top, kOutline, height);
        }
    }
    if (m_pImageList && item.image >= 0) {
        const CSize icon = m_pImageList->GetIconSize();
        const int left = row.left + (m_nIconColumn - icon.cx) / 2 + 5;
        m_pImageList->DrawItemIcon(graphics, CRect(left, row.top, left + icon.cx, row.bottom), item.image, 0);
    }
    CRect text = row;
    text.left += m_pImageList ? m_nIconColumn : 0;
    const Gdiplus::ARGB normal = m_textColor;
    if (look.selected) m_textColor = kSelectedText;
    DrawTitle(dc, text, item.text, false);
    m_textColor = normal;
}

CRect DListBox::EditorRect(const CRect& row) {
    CRect box = row;
    box.left += 6 + (m_pImageList ? m_nIconColumn : 0);
    box.right -= 6;
    const int height = m_nFontSize + 11;
    box.top = row.top + (row.Height() - height) / 2;
    box.bottom = box.top + height;
    return box;
}

void DListBox::PressRow(int row) { m_nPressed = row; }

void DListBox::ReleaseRow(int row) {
    const int pressed = m_nPressed;
    m_nPressed = -1;
    if (row < 0 || row != pressed || row >= GetItemCount()) return;
    if (row != m_nSelected) {
        m_nSelected = row;
        UpdateControl(1, 0);
    }
    SendMessageW(kNotifyActivated, 0, 0);
}

void DListBox::RightPressRow(int row) {
    if (row >= 0 && m_bShowEdit) StartEdit(row);
}

void DListBox::DoubleClickRow(int row) {
    // The second click of a double click selects like the first.
    PressRow(row);
}

void DListBox::KeySelected(int) { SendMessageW(kNotifyActivated, 0, 0); }

}  // namespace Kelvo
