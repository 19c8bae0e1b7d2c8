#include "MouseKeyCtrl.h"

#include "TextFormat.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kRowFill = 0xFF333333;
constexpr Gdiplus::ARGB kChosenText = 0xFFFFFFFF;

}  // namespace

MouseKeyCtrl::MouseKeyCtrl(MObject* parent, UINT id, CRect rect, int visible)
    : MouseButtonView(parent, id, rect, visible, kRowHeight) {}

const wchar_t* MouseKeyCtrl::GetClassNameW() { return L"MouseKeyCtrl"; }

int MouseKeyCtrl::AddItem(const wchar_t* name, const wchar_t* description, int keyValue) {
    MouseButtonItem item;
    item.name = CString(name);
    item.description = CString(description);
    item.keyValue = keyValue;
    return Append(std::move(item));
}

void MouseKeyCtrl::SetItemKeyDesc(int keyValue, const wchar_t* description) {
    {
        LockGuard guard(m_itemLock);
        for (MouseButtonItem& item : m_items) {
            if (item.keyValue != keyValue) continue;
            item.description = CString(description);
            break;
        }
    }
    Repaint();
}

CString MouseKeyCtrl::GetItemKeyDesc(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index].description : CString();
}

void MouseKeyCtrl::LayoutItems() {
    const int height = Scaled(m_nRowHeight);
    int top = m_rcControl.top;
    for (MouseButtonItem& item : m_items) {
        item.rect = CRect(m_rcControl.left, top, m_rcControl.right, top + height);
        top += height + kRowGap;
    }
}

void MouseKeyCtrl::DrawItems(HDC dc, Gdiplus::Graphics& graphics, const CRect&) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        const MouseButtonItem& item = m_items[i];
        CRect row = item.rect;
        row.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        const bool selected = static_cast<int>(i) == m_nSelected;
        Gdiplus::SolidBrush fill(Gdiplus::Color(selected ? m_highlight : kRowFill));
        graphics.FillRectangle(&fill, row.left, row.top, row.Width(), row.Height());
        if (!selected && static_cast<int>(i) == m_nHover) {
            Gdiplus::Pen outline(Gdiplus::Color(m_highlight), 2.0f);
            graphics.DrawRectangle(&outline, row.left + 1, row.top + 1, row.Width() - 2, row.Height() - 2);
        }
        const Gdiplus::ARGB colour = selected ? kChosenText : m_textColor;
        const CRect name(row.left + Scaled(10), row.top, row.left + Scaled(80), row.bottom);
        const CRect function(row.left + Scaled(80), row.top, row.right, row.bottom);
        DrawTextIn(dc, name, item.name, colour);
        DrawTextIn(dc, function, item.description, colour);
    }
}

CString MouseKeyCtrl::TooltipOf(const MouseButtonItem& item) {
    return FormatText(L"%s\n%s", {item.name, item.description});
}

}  // namespace Kelvo
