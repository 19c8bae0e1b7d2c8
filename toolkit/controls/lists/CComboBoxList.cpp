#include "CComboBoxList.h"

#include <algorithm>

#include "CScrollVertical.h"
#include "ListViewport.h"
#include "Manager.h"

namespace Kelvo {

namespace {

constexpr int kWheelSteps = 6;
constexpr Gdiplus::ARGB kHighlightedText = 0xFFFFFFFF;

}  // namespace

CComboBoxList::CComboBoxList(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible),
      m_hoverFill(Manager::GetSelectColor()),
      m_pressedFill(Manager::GetSelectColor()) {
    m_bEnabled = enabled ? 1 : 0;
    m_textColor = 0xFFFFFFFF;
    m_bDblClk = 0;  // quick clicks on rows are clicks
}

CComboBoxList::~CComboBoxList() {
    LockGuard guard(m_itemLock);
    m_items.clear();
}

const wchar_t* CComboBoxList::GetClassNameW() { return L"CComboBoxList"; }

int CComboBoxList::AddItem(const wchar_t* text, DWORD data, const wchar_t* secondText, Gdiplus::ARGB colour) {
    int index;
    {
        LockGuard guard(m_itemLock);
        auto item = std::make_unique<ComboItem>();
        item->text = CString(text);
        item->data = data;
        item->secondText = CString(secondText);
        item->colour = colour;
        m_items.push_back(std::move(item));
        index = static_cast<int>(m_items.size()) - 1;
    }
    SetVirtualHeight(GetListHeight());
    UpdateControl(1, 0);
    return index;
}

void CComboBoxList::DelAllItems() {
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
    }
    m_nHover = -1;
    m_nPressed = -1;
    SetVirtualHeight(0);
    UpdateControl(1, 0);
}

int CComboBoxList::GetItemCount() {
    LockGuard guard(m_itemLock);
    return static_cast<int>(m_items.size());
}

int CComboBoxList::GetListHeight() {
    const long long height = static_cast<long long>(GetItemCount()) * m_nRowHeight;
    return static_cast<int>(std::min<long long>(height, 0x3FFFFFFF));
}

void CComboBoxList::SetTextColor(Gdiplus::ARGB colour) {
    MControlFont::SetTextColor(colour);
    UpdateControl(1, 0);
}

void CComboBoxList::SetControlRect(CRect rect) {
    MPanel::SetControlRect(rect);
    SetVirtualHeight(GetListHeight());
}

int CComboBoxList::OnMousePointChange(CPoint&) { return 0; }

int CComboBoxList::ContentWidth() const {
    const int bar = m_pScrollV && m_pScrollV->IsVisible() ? m_nScrollThickness : 0;
    return std::max(m_rcControl.Width() - bar, 0);
}

ListViewport CComboBoxList::Viewport() {
    return VisibleRows(GetItemCount(), m_nRowHeight, m_rcControl.Height(), m_pScrollV->GetScrollCurrentPos(),
                       m_pScrollV->GetScrollMaxRange());
}

int CComboBoxList::HitRow(CPoint point) {
    if (point.x < m_rcControl.left || point.x >= m_rcControl.left + ContentWidth()) return -1;
    if (point.y < m_rcControl.top || point.y >= m_rcControl.bottom) return -1;
    return RowAt(point.y - m_rcControl.top + Viewport().offset, GetItemCount(), m_nRowHeight);
}

void CComboBoxList::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int, int) {
        const ListViewport view = Viewport();
        m_nFirstVisible = view.first;
        m_nLastVisible = view.last;
        const int width = ContentWidth();
        Gdiplus::Graphics graphics(cache);
        const Gdiplus::ARGB normal = m_textColor;
        LockGuard guard(m_itemLock);
        for (int i = view.first; i <= view.last && i < static_cast<int>(m_items.size()); ++i) {
            ComboItem& item = *m_items[i];
            item.rect = CRect(0, i * m_nRowHeight, width, (i + 1) * m_nRowHeight);
            CRect row = item.rect;
            row.OffsetRect(0, -view.offset);
            const bool pressed = i == m_nPressed, hovered = i == m_nHover;
            if (pressed || hovered) {
                Gdiplus::SolidBrush fill(Gdiplus::Color(pressed ? m_pressedFill : m_hoverFill));
                graphics.FillRectangle(&fill, row.left, row.top, row.Width(), row.Height());
            }
            m_textColor = pressed || hovered ? kHighlightedText : normal;
            CRect text = row;
            text.DeflateRect(6, 0);
            DrawTitle(cache, text, item.text, false);
        }
        m_textColor = normal;
    });
}

LRESULT CComboBoxList::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kVerticalBarId && code == kNotifyPositionChanged) {
        UpdateControl(1, 0);
        return 1;
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

int CComboBoxList::OnControlMouseMove(UINT, CPoint point) {
    const int hover = HitRow(point);
    if (hover != m_nHover) {
        m_nHover = hover;
        UpdateControl(1, 0);
    }
    return 1;
}

int CComboBoxList::OnControlLButtonDown(UINT, CPoint point) {
    m_nPressed = HitRow(point);
    UpdateControl(1, 0);
    return 1;
}

int CComboBoxList::OnControlLButtonUp(UINT, CPoint point) {
    const int row = HitRow(point);
    const int pressed = m_nPressed;
    m_nPressed = -1;
    UpdateControl(1, 0);
    if (row >= 0 && row == pressed) Choose(row);
    return 1;
}

void CComboBoxList::Choose(int row) { SendMessageW(kNotifyActivated, static_cast<WPARAM>(row), kChosenLparam); }

int CComboBoxList::OnControlScroll(int, int direction, CPoint) {
    MScroll* bar = m_pScrollV;
    const int range = std::max(bar->GetScrollMaxRange(), 0);
    if (range == 0 || GetListHeight() <= m_rcControl.Height()) return 0;
    const int before = bar->GetScrollCurrentPos();
    const long long step = static_cast<long long>(kWheelSteps) * bar->GetScrollStep();
    const long long wanted = before + (direction == 1 ? step : -step);
    bar->SetScrollCurrentPos(static_cast<int>(std::clamp(wanted, 0LL, static_cast<long long>(range))));
    if (bar->GetScrollCurrentPos() != before) UpdateControl(1, 0);
    return 1;
}

void CComboBoxList::MoveHover(int delta) {
    const int count = GetItemCount();
    if (count == 0) return;
    const int row = std::clamp(m_nHover < 0 ? (delta > 0 ? 0 : count - 1) : m_nHover + delta, 0, count - 1);
    MScroll* bar = m_pScrollV;
    bar->SetScrollCurrentPos(BarPositionShowing(row, count, m_nRowHeight, m_rcControl.Height(),
                                                bar->GetScrollCurrentPos(), bar->GetScrollMaxRange()));
    m_nHover = row;
    UpdateControl(1, 0);
}

int CComboBoxList::ChooseHover() {
    if (m_nHover < 0 || m_nHover >= GetItemCount()) return 0;
    Choose(m_nHover);
    return 1;
}

int CComboBoxList::OnControlKeyDown(UINT key, UINT, UINT) {
    if (key == VK_UP || key == VK_DOWN) {
        MoveHover(key == VK_DOWN ? 1 : -1);
        return 1;
    }
    if (key == VK_RETURN) return ChooseHover();
    return 0;
}

}  // namespace Kelvo
