#pragma once
// The toolkit's container: a control that owns children, keeps a vertical and a
// horizontal scroll bar (IDs 1 and 2) along its right and bottom edges, and scrolls its
// content by translating mouse points for its children. It draws nothing of its own.
//
// Children's notifications travel on to the panel's parent unchanged, so a control
// inside a panel (or a panel in a panel) reaches the dialog with its own ID. Children
// of a panel should therefore not use the IDs 1 and 2, which are the bars'.
#include <windows.h>

#include <vector>

#include "MControlFont.h"

namespace Kelvo {

class CScrollVertical;
class CScrollHorizontal;

class KELVO_API MPanel : public MControlFont {
public:
    static constexpr UINT kVerticalBarId = 1;
    static constexpr UINT kHorizontalBarId = 2;

    MPanel(MObject* parent, UINT id, CRect rect, int visible);
    ~MPanel() override;

    const wchar_t* GetClassNameW() override;

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Any repaint request inside the panel repaints the whole panel.
    LRESULT OnControlUpdate(const CRect& rect, int redraw, MControl* control) override;
    void InitControl(PaintManager* manager) override;
    // Every child is marked, also those scrolled out of the panel's rectangle.
    void SetUpdate(int valid, DWORD background) override;
    // Adds the scroll offsets while scrolling is enabled and the content is larger.
    int OnMousePointChange(CPoint& point) override;
    int OnCheckMouseResponse(UINT flags, CPoint point) override;
    // Offered to each child in turn; 1 at the first that takes it.
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    // Passes a child's notification on to the panel's parent, unchanged.
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Lays the bars along the edges and measures the content (the furthest child).
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlWndVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    // The wheel moves the vertical bar by its step.
    int OnControlScroll(int bar, int direction, CPoint point) override;
    // A panel has no hot key of its own; its children may.
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    // Makes a control of the panel's class-name table and adds it to the area list
    // (CreateArea) or the control list (CreateControl). Null for an unknown name. No
    // layout follows: call SetControlRect (or SetVirtualHeight) when the content size matters.
    virtual MControl* CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                                 int enabled);
    virtual MControl* CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title,
                                    int visible, int enabled);
    // `listKind` 0 the area list, 1 the control list; `parent` becomes the new control's parent.
    virtual MControl* CreateControl(int listKind, MObject* parent, const wchar_t* className, UINT id, CRect rect,
                                    const wchar_t* title, int visible, int enabled);
    virtual int OnControlKeyUp(UINT key, UINT repeat, UINT modifiers);

    MControl* GetScrollVertical() const;
    MControl* GetScrollHorizontal() const;
    CScrollVertical* GetVerticalBar() const { return m_pScrollV; }
    CScrollHorizontal* GetHorizontalBar() const { return m_pScrollH; }

    // The content size; overwritten until the next SetControlRect.
    void SetVirtualHeight(int height);
    void SetVirtualWidth(int width);
    int GetVirtualHeight() const { return m_nVirtualHeight; }
    int GetVirtualWidth() const { return m_nVirtualWidth; }
    void SetEnableScroll(int enable) { m_bEnableScroll = enable ? 1 : 0; }
    int GetEnableScroll() const { return m_bEnableScroll; }
    int GetScrollThickness() const { return m_nScrollThickness; }

    // How far the content is scrolled, in pixels (0 when it fits or scrolling is off).
    int GetVerticalOffset();
    int GetHorizontalOffset();

protected:
    // Shows each bar exactly when the content exceeds the panel that way, and gives it the range.
    void UpdateBarRanges();
    bool ContentExceeds() const;
    // A copy of the control list, so that handlers may change the list meanwhile.
    std::vector<MControl*> Children();

    int m_bInitialised = 0;
    int m_nVirtualHeight = 0;
    int m_nVirtualWidth = 0;
    CScrollVertical* m_pScrollV = nullptr;
    CScrollHorizontal* m_pScrollH = nullptr;
    int m_nScrollThickness = 5;
    int m_bEnableScroll = 1;
};

}  // namespace Kelvo
