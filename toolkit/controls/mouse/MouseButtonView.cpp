#include "MouseButtonView.h"

#include <algorithm>

#include "Manager.h"

namespace Kelvo {

MouseButtonView::MouseButtonView(MObject* parent, UINT id, CRect rect, int visible, int rowHeight)
    : MPanel(parent, id, rect, visible), m_nRowHeight(rowHeight), m_highlight(Manager::GetSelectColor()) {
    m_bDblClk = 0;
    m_bTextByGdi = 0;
    m_bEllipsis = true;
}

MouseButtonView::~MouseButtonView() {
    LockGuard guard(m_itemLock);
    m_items.clear();
}

int MouseButtonView::Append(MouseButtonItem item) {
    int index;
    {
        LockGuard guard(m_itemLock);
        m_items.push_back(std::move(item));
        index = static_cast<int>(m_items.size()) - 1;
        LayoutItems();
    }
    Repaint();
    return index;
}

int MouseButtonView::DeleteAllItems() {
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
        m_nSelected = -1;
        m_nHover = -1;
    }
    Repaint();
    return 1;
}

int MouseButtonView::SetSelectItem(int index) {
    {
        LockGuard guard(m_itemLock);
        if (index < -1 || index >= static_cast<int>(m_items.size()) || index == m_nSelected) return 0;
        m_nSelected = index;
    }
    Repaint();
    return 1;
}

int MouseButtonView::GetItemKeyValue(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index].keyValue : 0;
}

CString MouseButtonView::GetItemKeyName(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index].name : CString();
}

int MouseButtonView::SetItemText(int index, const wchar_t* name) {
    {
        LockGuard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
        const CString text(name);
        if (m_items[index].name == text) return 1;
        m_items[index].name = text;
    }
    Repaint();
    return 1;
}

int MouseButtonView::GetItemCount() {
    LockGuard guard(m_itemLock);
    return static_cast<int>(m_items.size());
}

CRect MouseButtonView::GetItemRect(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index].rect : CRect();
}

void MouseButtonView::SetScaleValue(float scale) {
    if (!(scale > 0.0f)) return;
    {
        LockGuard guard(m_itemLock);
        m_fScale = scale;
        LayoutItems();
    }
    Repaint();
}

void MouseButtonView::SetControlRect(CRect rect) {
    MPanel::SetControlRect(rect);
    LockGuard guard(m_itemLock);
    LayoutItems();
}

int MouseButtonView::FittingFontSize(HDC dc, const CRect& rect, const CString& text) {
    Gdiplus::FontFamily* family = GetFontFamily(m_strFontFace);
    if (!family || text.IsEmpty() || rect.Width() <= 0) return m_nFontSize;
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_nRenderingHint));
    Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap);
    const int smallest = std::max(1, m_nFontSize * 3 / 4);
    for (int size = m_nFontSize; size > smallest; --size) {
        Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(size), m_nFontStyle, Gdiplus::UnitPixel);
        Gdiplus::RectF bounds;
        graphics.MeasureString(text, -1, &font, Gdiplus::PointF(0, 0), &format, &bounds);
        if (bounds.Width <= static_cast<Gdiplus::REAL>(rect.Width())) return size;
    }
    return smallest;
}

void MouseButtonView::DrawTextIn(HDC dc, const CRect& rect, const CString& text, Gdiplus::ARGB colour) {
    // Button names and functions come from the language files and can be longer
    // than the label the layout gives them: one that does not fit is drawn smaller,
    // down to three quarters of the font size, rather than cut off mid-word.
    const int ownSize = m_nFontSize;
    if (!m_bTextByGdi) m_nFontSize = FittingFontSize(dc, rect, text);
    const Gdiplus::ARGB own = m_textColor;
    if (colour != own) {
        m_textColor = colour;
        delete m_pTextBrush;
        m_pTextBrush = nullptr;
    }
    DrawTitle(dc, rect, text, false);
    if (colour != own) {
        m_textColor = own;
        delete m_pTextBrush;
        m_pTextBrush = nullptr;
    }
    m_nFontSize = ownSize;
}

void MouseButtonView::Repaint() {
    if (m_bVisible) UpdateControl(1, 0);
}

int MouseButtonView::ItemAt(CPoint point) {
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].rect.PtInRect(point)) return static_cast<int>(i);
    return -1;
}

void MouseButtonView::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        LockGuard guard(m_itemLock);
        DrawItems(cache, graphics, CRect(0, 0, width, height));
    });
}

int MouseButtonView::OnControlMouseMove(UINT, CPoint point) {
    const int hover = ItemAt(point);
    if (hover == m_nHover) return 1;
    m_nHover = hover;
    if (hover < 0) {
        ClearTooltip();
    } else {
        CString tip;
        CRect where;
        {
            LockGuard guard(m_itemLock);
            tip = TooltipOf(m_items[hover]);
            where = m_items[hover].rect;
        }
        SetTooltip(tip, where);
    }
    Repaint();
    return 1;
}

int MouseButtonView::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int pressed = ItemAt(point);
    // A press between the buttons keeps the current choice.
    if (pressed < 0) return 1;
    m_nHover = pressed;
    if (pressed != m_nSelected) {
        m_nSelected = pressed;
        Repaint();
    }
    SendMessageW(kNotifyPressed, static_cast<WPARAM>(pressed), 0);
    return 1;
}

int MouseButtonView::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled || m_nSelected < 0 || !PtInRect(point)) return 1;
    SendMessageW(kNotifyActivated, static_cast<WPARAM>(m_nHover), 0);
    return 1;
}

}  // namespace Kelvo
