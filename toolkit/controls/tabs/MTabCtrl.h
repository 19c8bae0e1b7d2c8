#pragma once
// A strip of image tabs along the top (horizontal) or down the left edge (vertical) of
// the control; each tab may have a page that is shown exactly while the tab is selected.
// A tab's text is not drawn: it is the tab's tooltip.
//
// Pages made by CreatePanel belong to the tab control and die with it; a page the
// application made elsewhere (on its dialog) is only referred to: deleting its tab leaves
// it alone, and when its owner destroys it the tab simply has no page any more. The
// pages' notifications pass through to the tab control's parent. Keys reach the selected
// page by the ordinary routing (the only visible page, of the tab control or of the
// dialog), so a key no one takes is offered to it once.
//
// The strip pre-renders its looks (normal, hover, selected) side by side in its cache, so
// hovering and selecting only change what is copied from it.
#include <windows.h>

#include <vector>

#include "GdiPlus.h"

#include "CString.h"
#include "MControlFont.h"

namespace Kelvo {

enum TAB_TYPE { TAB_HORIZONTAL = 0, TAB_VERTICAL = 1 };

struct TabItemInfo {
    int visible = 1;
    Gdiplus::Image* image = nullptr;  // owned by the tab control
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 1;
    CRect rect;  // window client coordinates
    CString text;
    int id = 0;
    MControl* page = nullptr;
};

class KELVO_API MTabCtrl : public MControlFont {
public:
    MTabCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MTabCtrl() override;
    MTabCtrl(const MTabCtrl&) = delete;
    MTabCtrl& operator=(const MTabCtrl&) = delete;

    const wchar_t* GetClassNameW() override;
    // Starts listening for the window's forgotten controls: a page the dialog owns may be
    // destroyed while its tab remains.
    void InitControl(PaintManager* manager) override;
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Pages ask for their repaints through the tab control.
    LRESULT OnControlUpdate(const CRect& rect, int redraw, MControl* control) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int OnCheckMouseResponse(UINT flags, CPoint point) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlWndVisible(int visible) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    virtual int OnControlKeyUp(UINT key, UINT repeat, UINT modifiers);

    // Appends a tab whose image (`frames` side by side, -1 for 3) is read from the skin
    // folder; `width` 0 takes the image's frame width. Returns 1.
    int InsertItem(int id, const wchar_t* text, const wchar_t* imageName, MControl* page, int frames, int width);
    // A page owned by the tab control; only "MTabLayout" is made, anything else gives null.
    MControl* CreatePanel(const wchar_t* className, UINT id, CRect rect);

    // Selects tab `index` (-1: none), tells the parent (notification 1) and then shows the
    // pages. An index outside -1 … count - 1, or the one selected already, changes
    // nothing. Returns the selection before the call.
    int SetSelectItem(int index);
    int GetSelectItem() const { return m_nSelected; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    TabItemInfo* GetItemInfo(int index);
    int GetItemID(int index);
    int SetItemText(int index, const wchar_t* text);
    void SetItemVisible(int index, int visible);
    int GetItemVisible(int index);
    // Removes the tab; its page is destroyed when the tab control owns it.
    void DeleteItem(int index);

    void SetTabType(TAB_TYPE type) { m_nTabType = type; }
    TAB_TYPE GetTabType() const { return m_nTabType; }
    void SetTabCtrlWidth(int width) { m_nTabWidth = width; }
    void SetTabCtrlHeight(int height) { m_nTabHeight = height; }
    int GetCtrlWidth() const { return m_nTabWidth; }
    int GetCtrlHeight() const { return m_nTabHeight; }
    void SetLeftRightPading(int left, int right);
    void SetTopBottomPading(int top, int bottom);
    // The tabs' width (horizontal strips) or height within the room the control has; see
    // TabItemExtent. Lays the strip out again when it changed and `refresh` is set.
    void SetItemWidth(int width, int minWidth, int refresh);
    void SetItemHeight(int height, int minHeight, int refresh);
    int GetItemWidth() const { return m_nItemWidth; }
    int GetItemHeight() const { return m_nItemHeight; }
    // Lays the strip out, keeps the selection on a tab and shows the pages, and repaints.
    void RefreshItems();
    // The same while enabled; a disabled vertical strip shows only its first tab.
    void RefreshItemData();
    void EnableAnimateChangeTab(int animate) { m_bAnimateChange = animate; }
    void SetUpdataRect(CRect rect) { m_rcUpdate = rect; }

    int GetHoverItem() const { return m_nHover; }
    int GetPrevSelectItem() const { return m_nPrevSelected; }

private:
    void LayOut(int verticalGap);
    void ApplyExtentRule(int refresh);
    void ShowPages();
    void ShowPage(MControl* page, bool show);
    void SetHover(int index);
    void ReleaseItems();
    void ForgetPage(MControl* page);
    void RenderHorizontal(HDC cache, const CRect& band);
    void RenderVertical(HDC cache, const CRect& band);
    void DrawTabImage(Gdiplus::Graphics& graphics, const TabItemInfo& item, int frame, int x, int y);
    void CopyTab(HDC dc, const CRect& band, int index, int look);

    std::vector<TabItemInfo*> m_items;
    TAB_TYPE m_nTabType = TAB_HORIZONTAL;
    int m_nItemWidth = 0;
    int m_nRequestedItemWidth = 0;
    int m_nMinItemWidth = 0;
    int m_nItemHeight = 0;
    int m_nRequestedItemHeight = 0;
    int m_nMinItemHeight = 0;
    int m_nTabHeight = 0;
    int m_nTabWidth = 0;
    int m_nLeftPadding = 0;
    int m_nRightPadding = 0;
    int m_nTopPadding = 0;
    int m_nBottomPadding = 0;
    int m_nHover = -1;
    int m_nSelected = -1;
    int m_nPrevSelected = -1;
    int m_bPressed = 0;
    int m_bAnimateChange = 0;
    CRect m_rcUpdate;
};

}  // namespace Kelvo
