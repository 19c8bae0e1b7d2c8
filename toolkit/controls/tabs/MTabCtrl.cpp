#include "MTabCtrl.h"

#include <algorithm>
#include <string_view>

#include "ControlFactory.h"
#include "ControlRetirement.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"
#include "TabStripLayout.h"

namespace Kelvo {

namespace {

constexpr UINT kNotifySelectionChanged = 1;
constexpr int kVerticalGap = 1;  // between vertical tabs once the strip is laid out again
constexpr int kImageTop = 10;    // a horizontal tab's image below the top padding
constexpr Gdiplus::ARGB kOutlineNormal = 0xFF6D6D6D;
constexpr Gdiplus::ARGB kOutlineHover = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kSelectedFill = 0xFFFFFFFF;

// The looks pre-rendered side by side (vertical) or stacked (horizontal) in the cache.
enum Look { kLookNormal = 0, kLookHover = 1, kLookSelected = 2, kLookCount = 3 };

TabOrientation OrientationOf(TAB_TYPE type) {
    return type == TAB_VERTICAL ? TabOrientation::kVertical : TabOrientation::kHorizontal;
}

}  // namespace

MTabCtrl::MTabCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

MTabCtrl::~MTabCtrl() {
    if (m_pManager) m_pManager->UnwatchForgottenControls(this);
    ReleaseItems();
}

void MTabCtrl::InitControl(PaintManager* manager) {
    MControlFont::InitControl(manager);
    if (manager) manager->WatchForgottenControls(this, [this](MControl* gone) { ForgetPage(gone); });
}

void MTabCtrl::ForgetPage(MControl* page) {
    for (TabItemInfo* item : m_items)
        if (item->page == page) item->page = nullptr;
}

const wchar_t* MTabCtrl::GetClassNameW() { return L"MTabCtrl"; }

void MTabCtrl::ReleaseItems() {
    for (TabItemInfo* item : m_items) {
        delete item->image;
        delete item;
    }
    m_items.clear();
}

LRESULT MTabCtrl::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return OnMessage(id, code, wparam, lparam);
}

LRESULT MTabCtrl::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return m_pParent ? m_pParent->OnBaseMessage(id, code, wparam, lparam) : 0;
}

LRESULT MTabCtrl::OnControlUpdate(const CRect& rect, int redraw, MControl* control) {
    return m_pParent ? m_pParent->OnControlUpdate(rect, redraw, control) : 0;
}

// --- items ---------------------------------------------------------------------------------

int MTabCtrl::InsertItem(int id, const wchar_t* text, const wchar_t* imageName, MControl* page, int frames,
                         int width) {
    auto* item = new TabItemInfo;
    item->text = CString(text);
    item->id = id;
    item->page = page;
    item->frameCount = frames == -1 ? 3 : (frames < 1 ? 1 : frames);
    if (imageName && *imageName) item->image = MRender::LoadImageFromFile(Manager::GetSkinFile(CString(imageName)).GetString());
    if (item->image) {
        item->frameWidth = static_cast<int>(item->image->GetWidth()) / item->frameCount;
        item->frameHeight = static_cast<int>(item->image->GetHeight());
    }
    item->rect = CRect(0, 0, width > 0 ? width : item->frameWidth, 0);
    m_items.push_back(item);
    // Until the next full layout, vertical tabs follow one another without a gap.
    LayOut(0);
    ApplyExtentRule(1);
    m_bUpdate = 0;
    if (m_bVisible) UpdateControl(1, 0);
    return 1;
}

MControl* MTabCtrl::CreatePanel(const wchar_t* className, UINT id, CRect rect) {
    if (!className || std::wstring_view(className) != L"MTabLayout") return nullptr;
    MControl* page = CreatePanelControl(L"MTabLayout", this, id, rect, L"", 1, 1);
    if (!page) return nullptr;
    if (auto* skinned = dynamic_cast<MControlFont*>(page)) skinned->SetImageCount(1);
    page->SetRunTimer(1);
    AttachControl(1, page);
    return page;
}

int MTabCtrl::SetSelectItem(int index) {
    const int previous = m_nSelected;
    if (index < -1 || index >= GetItemCount() || index == m_nSelected) return previous;
    m_nPrevSelected = previous;
    m_nSelected = index;
    m_nHover = -1;
    {
        // The parent may take the tab control away when it hears of the new selection:
        // it then goes once this block ends, and the pages are left as they are.
        ControlRetirement::Scope scope;
        SendMessageW(kNotifySelectionChanged, static_cast<WPARAM>(index), 0);
        if (IsDetached()) return previous;
    }
    ShowPages();
    UpdateControl(0, 0);
    return previous;
}

TabItemInfo* MTabCtrl::GetItemInfo(int index) {
    return index >= 0 && index < GetItemCount() ? m_items[index] : nullptr;
}

int MTabCtrl::GetItemID(int index) {
    const TabItemInfo* item = GetItemInfo(index);
    return item ? item->id : 0;
}

int MTabCtrl::SetItemText(int index, const wchar_t* text) {
    TabItemInfo* item = GetItemInfo(index);
    if (!item) return 0;
    item->text = CString(text);
    return 1;
}

void MTabCtrl::SetItemVisible(int index, int visible) {
    TabItemInfo* item = GetItemInfo(index);
    if (!item) return;
    item->visible = visible ? 1 : 0;
    RefreshItems();
}

int MTabCtrl::GetItemVisible(int index) {
    const TabItemInfo* item = GetItemInfo(index);
    return item ? item->visible : 0;
}

void MTabCtrl::DeleteItem(int index) {
    TabItemInfo* item = GetItemInfo(index);
    if (!item) return;
    m_items.erase(m_items.begin() + index);
    MControl* page = item->page;
    delete item->image;
    delete item;
    if (page) {
        // Only a page of our own control list is destroyed; any other stays with its owner.
        const bool owned = std::find(GetControls().begin(), GetControls().end(), page) != GetControls().end();
        if (owned) {
            for (TabItemInfo* other : m_items)
                if (other->page == page) other->page = nullptr;
            RemoveControl(page);
        }
    }
    m_nHover = -1;
    ApplyExtentRule(0);
    RefreshItems();
}

// --- layout --------------------------------------------------------------------------------

void MTabCtrl::SetLeftRightPading(int left, int right) {
    m_nLeftPadding = left;
    m_nRightPadding = right;
}

void MTabCtrl::SetTopBottomPading(int top, int bottom) {
    m_nTopPadding = top;
    m_nBottomPadding = bottom;
}

void MTabCtrl::SetItemWidth(int width, int minWidth, int refresh) {
    m_nRequestedItemWidth = width;
    m_nMinItemWidth = minWidth;
    if (m_items.empty()) return;
    const int room = m_rcControl.Width() - m_nLeftPadding - m_nRightPadding;
    const int extent = TabItemExtent(width, minWidth, room, GetItemCount(), m_nItemWidth);
    if (extent == m_nItemWidth) return;
    m_nItemWidth = extent;
    if (refresh) RefreshItems();
}

void MTabCtrl::SetItemHeight(int height, int minHeight, int refresh) {
    m_nRequestedItemHeight = height;
    m_nMinItemHeight = minHeight;
    if (m_items.empty()) return;
    const int room = m_rcControl.Height() - m_nTopPadding - m_nBottomPadding;
    const int extent = TabItemExtent(height, minHeight, room, GetItemCount(), m_nItemHeight);
    if (extent == m_nItemHeight) return;
    m_nItemHeight = extent;
    if (refresh) RefreshItems();
}

void MTabCtrl::ApplyExtentRule(int refresh) {
    if (m_nTabType == TAB_VERTICAL)
        SetItemHeight(m_nRequestedItemHeight, m_nMinItemHeight, refresh);
    else
        SetItemWidth(m_nRequestedItemWidth, m_nMinItemWidth, refresh);
}

void MTabCtrl::LayOut(int verticalGap) {
    std::vector<TabSlot> slots;
    slots.reserve(m_items.size());
    for (const TabItemInfo* item : m_items) slots.push_back(TabSlot{item->visible != 0, item->rect, item->frameHeight});
    TabStripMetrics metrics{m_nItemWidth,   m_nTabHeight,    m_nTabWidth,     m_nLeftPadding,
                            m_nRightPadding, m_nTopPadding, m_nBottomPadding};
    const std::vector<CRect> rects =
        LayOutTabStrip(OrientationOf(m_nTabType), slots, metrics, m_rcControl, verticalGap);
    m_nItemWidth = metrics.itemWidth;
    m_nTabHeight = metrics.tabHeight;
    m_nTabWidth = metrics.tabWidth;
    for (size_t i = 0; i < m_items.size(); ++i) m_items[i]->rect = rects[i];
    m_bUpdate = 0;
}

void MTabCtrl::RefreshItems() {
    LayOut(kVerticalGap);
    std::vector<bool> visible;
    for (const TabItemInfo* item : m_items) visible.push_back(item->visible != 0);
    m_nSelected = FixTabSelection(m_nSelected, visible);
    if (m_nHover >= GetItemCount()) m_nHover = -1;
    ShowPages();
    if (m_bVisible) UpdateControl(1, 0);
}

void MTabCtrl::RefreshItemData() {
    if (m_bEnabled) {
        RefreshItems();
        return;
    }
    std::vector<TabSlot> slots;
    for (const TabItemInfo* item : m_items) slots.push_back(TabSlot{item->visible != 0, item->rect, item->frameHeight});
    const TabStripMetrics metrics{m_nItemWidth,   m_nTabHeight,    m_nTabWidth,     m_nLeftPadding,
                                  m_nRightPadding, m_nTopPadding, m_nBottomPadding};
    const std::vector<CRect> rects = CollapseTabStrip(OrientationOf(m_nTabType), slots, metrics, m_rcControl);
    for (size_t i = 0; i < m_items.size(); ++i) m_items[i]->rect = rects[i];
    m_bUpdate = 0;
    if (m_bVisible) UpdateControl(1, 0);
}

void MTabCtrl::SetControlRect(CRect rect) {
    m_rcControl = rect;
    ApplyExtentRule(0);
    RefreshItems();
}

// --- pages ---------------------------------------------------------------------------------

void MTabCtrl::ShowPages() {
    // A hidden tab control keeps its pages hidden; they come back when it is shown.
    MControl* shown = m_bVisible && GetItemInfo(m_nSelected) ? m_items[m_nSelected]->page : nullptr;
    for (const TabItemInfo* item : m_items)
        if (item->page && item->page != shown) ShowPage(item->page, false);
    if (shown) ShowPage(shown, true);
}

void MTabCtrl::ShowPage(MControl* page, bool show) {
    if ((page->IsVisible() != 0) == show) return;
    page->SetVisible(show ? 1 : 0);
}

void MTabCtrl::SetControlVisible(int visible) {
    MControlFont::SetControlVisible(visible);
    ShowPages();
}

void MTabCtrl::SetControlWndVisible(int visible) {
    const TabItemInfo* selected = GetItemInfo(m_nSelected);
    for (const TabItemInfo* item : m_items)
        if (item->page) item->page->SetControlWndVisible(visible && selected && item->page == selected->page);
}

int MTabCtrl::OnControlTimer() { return 0; }

// --- input ---------------------------------------------------------------------------------

void MTabCtrl::SetHover(int index) {
    if (index == m_nHover) return;
    m_nHover = index;
    UpdateControl(0, 0);
}

int MTabCtrl::OnCheckMouseResponse(UINT, CPoint point) {
    CRect strip = m_rcControl;
    if (m_nTabType == TAB_VERTICAL)
        strip.right = m_rcControl.left + m_nLeftPadding + m_nTabWidth;
    else
        strip.bottom = m_rcControl.top + m_nTopPadding + m_nTabHeight;
    if (!strip.PtInRect(point)) return 1;
    for (const TabItemInfo* item : m_items)
        if (item->visible && item->rect.PtInRect(point)) return 1;
    return 0;
}

int MTabCtrl::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (!m_rcControl.PtInRect(point)) {
        if (m_pManager) m_pManager->ClearTooltip();
        SetHover(-1);
        return 0;
    }
    if (const TabItemInfo* hovered = GetItemInfo(m_nHover); hovered && hovered->rect.PtInRect(point)) {
        SetTooltip(hovered->text, hovered->rect);
        return 0;
    }
    if (m_pManager) m_pManager->ClearTooltip();
    std::vector<CRect> rects;
    for (const TabItemInfo* item : m_items) rects.push_back(item->visible ? item->rect : CRect());
    SetHover(TabAt(rects, point));
    return m_nHover >= 0 ? 1 : 0;
}

int MTabCtrl::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_bPressed = 1;
    if (const TabItemInfo* hovered = GetItemInfo(m_nHover); hovered && hovered->rect.PtInRect(point)) {
        SetSelectItem(m_nHover);
        UpdateControl(0, 0);
    }
    // The press goes on to the pages.
    return 0;
}

int MTabCtrl::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (point.x > 0 && point.y > 0) {
        m_bPressed = 0;
        UpdateControl(0, 0);
    }
    return 0;
}

int MTabCtrl::OnControlScroll(int bar, int direction, CPoint point) {
    if (!m_bEnabled) return 0;
    const TabItemInfo* selected = GetItemInfo(m_nSelected);
    if (!selected || !selected->page || !selected->rect.PtInRect(point)) return 0;
    // The pointer is on the tab, not on the page, so the page's own routing would refuse it.
    return selected->page->OnControlScroll(bar, direction, point);
}

int MTabCtrl::OnControlKeyUp(UINT, UINT, UINT) { return 0; }

// --- drawing -------------------------------------------------------------------------------

void MTabCtrl::DrawControl(HDC dc, const CRect&) {
    const TabStripMetrics metrics{m_nItemWidth,   m_nTabHeight,    m_nTabWidth,     m_nLeftPadding,
                                  m_nRightPadding, m_nTopPadding, m_nBottomPadding};
    const bool vertical = m_nTabType == TAB_VERTICAL;
    const CRect band = TabStripBand(OrientationOf(m_nTabType), metrics, m_rcControl);
    if (band.IsRectEmpty()) return;
    const int width = band.Width();
    const int height = band.Height();
    if (!m_bUpdate) {
        HDC cache = vertical ? UpdateMemDC(dc, width * kLookCount, height) : UpdateMemDC(dc, width, height * kLookCount);
        if (!cache) return;
        for (int look = 0; look < kLookCount; ++look)
            ::BitBlt(cache, vertical ? look * width : 0, vertical ? 0 : look * height, width, height, dc, band.left,
                     band.top, SRCCOPY);
        if (vertical)
            RenderVertical(cache, band);
        else
            RenderHorizontal(cache, band);
    }
    if (!m_hMemDC) return;
    ::BitBlt(dc, band.left, band.top, width, height, m_hMemDC, 0, 0, SRCCOPY);
    CopyTab(dc, band, m_nHover, kLookHover);
    CopyTab(dc, band, m_nSelected, vertical ? kLookSelected : kLookHover);
}

void MTabCtrl::CopyTab(HDC dc, const CRect& band, int index, int look) {
    const TabItemInfo* item = GetItemInfo(index);
    if (!item || !item->visible) return;
    CRect tab;
    if (!tab.IntersectRect(item->rect, band)) return;
    const bool vertical = m_nTabType == TAB_VERTICAL;
    const int sourceX = tab.left - band.left + (vertical ? look * band.Width() : 0);
    const int sourceY = tab.top - band.top + (vertical ? 0 : look * band.Height());
    ::BitBlt(dc, tab.left, tab.top, tab.Width(), tab.Height(), m_hMemDC, sourceX, sourceY, SRCCOPY);
}

void MTabCtrl::DrawTabImage(Gdiplus::Graphics& graphics, const TabItemInfo& item, int frame, int x, int y) {
    if (!item.image || item.frameWidth <= 0) return;
    if (frame >= item.frameCount) frame = 0;
    graphics.DrawImage(item.image, Gdiplus::Rect(x, y, item.frameWidth, item.frameHeight), frame * item.frameWidth, 0,
                       item.frameWidth, item.frameHeight, Gdiplus::UnitPixel);
}

void MTabCtrl::RenderHorizontal(HDC cache, const CRect& band) {
    Gdiplus::Graphics graphics(cache);
    const int rowHeight = band.Height();
    static constexpr int kRowFrame[kLookCount] = {0, 1, 0};
    for (int row = 0; row < kLookCount; ++row) {
        graphics.SetClip(Gdiplus::Rect(0, row * rowHeight, band.Width(), rowHeight));
        for (const TabItemInfo* item : m_items) {
            if (!item->visible || !item->image) continue;
            const int x = item->rect.left - band.left + (item->rect.Width() - item->frameWidth) / 2;
            DrawTabImage(graphics, *item, kRowFrame[row], x, row * rowHeight + kImageTop);
        }
    }
}

void MTabCtrl::RenderVertical(HDC cache, const CRect& band) {
    Gdiplus::Graphics graphics(cache);
    const int columnWidth = band.Width();
    Gdiplus::Pen normalPen(Gdiplus::Color(kOutlineNormal), 2.0f);
    Gdiplus::Pen hoverPen(Gdiplus::Color(kOutlineHover), 2.0f);
    Gdiplus::SolidBrush selectedFill{Gdiplus::Color(kSelectedFill)};
    bool first = true;
    for (const TabItemInfo* item : m_items) {
        if (!item->visible || !item->image) continue;
        const int top = item->rect.top - band.top;
        const int height = item->rect.Height();
        const int imageX = (columnWidth - item->frameWidth) / 2;
        const int imageY = top + (height - item->frameHeight) / 2;
        // The top tab's outline lies inside it; the others reach up over the gap above.
        const int normalTop = first ? top + 1 : top - 1;
        const int normalHeight = first ? height - 1 : height + 1;
        graphics.DrawRectangle(&normalPen, 1, normalTop, columnWidth - 2, normalHeight);
        DrawTabImage(graphics, *item, 0, imageX, imageY);

        const int hoverLeft = columnWidth * kLookHover;
        graphics.DrawRectangle(&hoverPen, hoverLeft + 1, top + 1, columnWidth - 2, first ? height - 1 : height - 2);
        DrawTabImage(graphics, *item, 0, hoverLeft + imageX, imageY);

        const int selectedLeft = columnWidth * kLookSelected;
        graphics.FillRectangle(&selectedFill, selectedLeft, top, columnWidth, height);
        DrawTabImage(graphics, *item, 1, selectedLeft + imageX, imageY);
        first = false;
    }
}

}  // namespace Kelvo
