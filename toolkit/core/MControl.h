#pragma once
// The windowless control: a rectangle in the client coordinates of its window, visible
// and enabled flags and an ID, painted into the window's back buffer and fed with the
// mouse, key and timer events that the window's paint manager routes to it.
//
// A control owns two ordered lists of children: areas, drawn before the control itself,
// and controls, drawn after it and routed to. A control renders itself into a cache of
// its own and re-renders only when the cache is marked stale (SetUpdate(0, ...)); every
// other paint is one BitBlt. All of a control's code runs on its window's thread.
//
// Removing a control (RemoveControl, RemoveAllControl, or its window going away) first
// unregisters it from its paint manager - hover, focus, caret, tooltip, drag source and
// every timer list - and detaches it, so no event reaches it any more. While an event is
// being routed the object itself lives on until that routing has finished, so a handler
// may remove the very control that called it.
#include <windows.h>

#include <functional>
#include <vector>

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "Lock.h"
#include "MObject.h"

namespace Kelvo {

class PaintManager;

// Notification codes a control sends to its parent's OnBaseMessage.
constexpr UINT kNotifyPressed = 1;         // left button pressed on the control
constexpr UINT kNotifyActivated = 2;       // released inside after a press, item chosen, value committed
constexpr UINT kNotifyDoubleClicked = 3;   // wparam = key flags, lparam = address of the CPoint
constexpr UINT kNotifyRightReleased = 5;
constexpr UINT kNotifyKeyboardCheck = 7;
constexpr UINT kNotifyPositionChanged = 8;  // wparam = the new position or value
constexpr UINT kNotifyKeyHandled = 14;      // wparam = virtual key, lparam = modifier code

// A position relative to a range (see MControl::PositionItem2Value).
struct POSITION_ITEM {
    int mode;       // 0 from an edge, 1 from the centre, 2 percentage
    int fromEnd;    // mode 0: from the high end; mode 1: subtract
    float value;
};

class KELVO_API MControl : public MObject {
public:
    MControl(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive);
    ~MControl() override;

    const wchar_t* GetClassNameW() override;

    // Called once when the control is attached to a paint manager.
    virtual void InitControl(PaintManager* manager);
    // Hit test: inside the rectangle and visible.
    virtual int PtInRect(CPoint point);
    // Paints the control itself into `dc` (the window's back buffer).
    virtual void DrawControl(HDC dc, const CRect& clip);
    // Paints the visible children of the control list in order; returns 1.
    virtual int DrawSubControls(HDC dc, const CRect& clip);
    virtual int IsDraw(CPoint point);
    // Marks the cached image valid (1) or stale (0), and so for every child of the
    // control list that overlaps this control.
    virtual void SetUpdate(int valid, DWORD background);
    // Gains (1) or loses (0) the keyboard focus; on loss every child loses it too.
    virtual int SetControlFocus(int focus);
    virtual void InitUI(CRect rect);
    // Turns a point of the window into content coordinates (scrolling containers).
    virtual int OnMousePointChange(CPoint& point);
    // Whether the control wants this mouse event at all.
    virtual int OnCheckMouseResponse(UINT flags, CPoint point);
    // Raw window messages, offered to top-level controls before the paint manager acts.
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    // Notifications of a container's children.
    virtual LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam);
    virtual void SetControlRect(CRect rect);
    virtual void SetControlVisible(int visible);
    // Shows or hides a native child window that the control owns.
    virtual void SetControlWndVisible(int visible);
    virtual void SetControlEnabled(int enabled);
    // One tick of the control's animation.
    virtual int OnControlTimer();
    // The image dragged when the control is a drag source; the caller owns it.
    virtual HBITMAP GetControlDropBitmap();
    virtual int OnControlMouseMove(UINT flags, CPoint point);
    // Sets the control's cursor when it has one and the point is inside; 1 when it did.
    virtual int OnControlSetCursor(UINT flags, CPoint point);
    virtual int OnControlLButtonDown(UINT flags, CPoint point);
    virtual int OnControlLButtonUp(UINT flags, CPoint point);
    virtual int OnControlLButtonDblClk(UINT flags, CPoint point);
    // Mouse wheel: `bar` 1, `direction` 0 up and 1 down.
    virtual int OnControlScroll(int bar, int direction, CPoint point);
    virtual int OnControlRButtonDown(UINT flags, CPoint point);
    virtual int OnControlRButtonUp(UINT flags, CPoint point);
    virtual int OnControlRButtonDblClk(UINT flags, CPoint point);
    // 1 when the control has a hot key and this is it (virtual key and modifier code).
    virtual int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers);
    virtual void OnPositionChange();
    // Invalidates the control's rectangle in its window (`rect` is not used); a layered
    // window repaints its whole client area.
    virtual void InvalidateRect(const RECT* rect, int erase);

    // Geometry and state. Each change that alters the look asks the parent for a repaint.
    void SetRect(CRect rect);
    void SetRect(int x, int y, int width, int height);
    CRect GetRect() const { return m_rcControl; }
    void SetVisible(int visible);
    void SetVisible(int visible, int repaint);
    int IsVisible() const { return m_bVisible; }
    void SetEnabled(int enabled);
    int IsEnabled() const { return m_bEnabled; }
    UINT GetControlID() const { return m_uControlID; }
    MObject* GetParantObject() const { return m_pParent; }
    void SetParent(MObject* parent) { m_pParent = parent; }
    PaintManager* GetManager() const { return m_pManager; }
    // 1 when every control above this one up to its window is visible; 0 without a parent.
    int IsParentVisible();

    // Tooltip: the text is shown on the next mouse move over the control.
    void SetTooltip(const wchar_t* text);
    // Shows `text` now over `rect` and makes this control the tooltip's owner.
    void SetTooltip(const CString& text, CRect rect);
    void ClearTooltip();
    CString GetTooltip() const { return m_strTooltip; }
    // "arrow", "wait", "cross", "sizewe", "sizens", "hand" or "help"; another name keeps
    // the current cursor. Returns 0.
    int SetCursorEx(const wchar_t* name);
    HCURSOR GetCursor() const { return m_hCursor; }

    // Repaint requests through the parent.
    void UpdateControl(int redraw, int force);
    void UpdateControl(CRect rect, int force, int redraw);
    void UpdateAControl(int stopAnimation, int force);
    // The parent's OnBaseMessage(own ID, code, wparam, lparam); 0 without a parent.
    LRESULT SendMessageW(UINT code, WPARAM wparam, LPARAM lparam);

    int OnFocus(int focus) { return SetControlFocus(focus); }
    int IsFocusControl();
    int IsFocused() const { return m_bFocused; }

    // Children. Attaching takes ownership: the child gets this control's paint manager
    // (and InitControl) and goes to the area list (kind 0) or the control list (kind 1).
    MControl* AttachControl(int kind, MControl* child);
    // A child that stays above its siblings, as a panel's scroll bars do: children attached
    // after it go beneath it, in drawing and in taking the pointer. Set before attaching.
    void SetStayOnTop(int stay) { m_bStayOnTop = stay ? 1 : 0; }
    // A part of its container rather than content, as a panel's scroll bars are: the
    // container keeps using it, so RemoveControl and RemoveAllControl leave it in place
    // and only the container's destruction frees it.
    void SetKeptByParent(int kept) { m_bKeptByParent = kept ? 1 : 0; }
    // Depth first: the control list (each child, then its subtree), then the area list.
    MControl* GetControl(UINT id);
    const std::vector<MControl*>& GetControls() const { return m_controls; }
    const std::vector<MControl*>& GetAreas() const { return m_areas; }
    // Destroys a child of either list; nothing for a control that is not a child or that
    // is kept by this control. Returns 0.
    int RemoveControl(MControl* control);
    // Destroys every child but those kept by this control.
    void RemoveAllControl();

    // Ticks of the paint manager's periodic timer; they arrive while SetRunTimer(1). A
    // control animates only while its flag is on, so a window that ticks on demand
    // sleeps while nothing moves.
    void AddMTimer();
    void DeleteMTimer();
    void SetRunTimer(int run);
    int IsRunTimer() const { return m_bRunTimer; }
    void SetTabStop(int tabStop) { m_bTabStop = tabStop ? 1 : 0; }
    int IsTabStop() const { return m_bTabStop; }
    void SetDragDrop(int dragSource) { m_bDragDrop = dragSource ? 1 : 0; }
    int IsDragDrop() const { return m_bDragDrop; }
    void SetRresponse(int responsive) { m_bResponse = responsive ? 1 : 0; }
    int GetRresponse() const { return m_bResponse; }
    int GetDblClk() const { return m_bDblClk; }
    int GetUpdate() const { return m_bUpdate; }
    HBITMAP GetDropBitmap() { return GetControlDropBitmap(); }
    void SetHotKey(UINT key, UINT modifiers) { m_uHotKey = key; m_uHotKeyModifiers = modifiers; }
    int IsMouseOutside() const { return m_bMouseOutside; }

    // The cache: sets the image-valid flag and makes the cache DC `width` x `height`
    // (compatible with `dc`), keeping the old one when the size is unchanged. Returns it.
    HDC UpdateMemDC(HDC& dc, int width, int height);
    // The same for the animation DC, which is always made anew; sets the animating flag.
    HDC UpdateAnimateDC(HDC& dc, int width, int height);

    // Paints the control and its children when visible and inside `clip`.
    void Draw(HDC dc, const CRect& clip);

    // Routing entry points, with points in the client coordinates of the window (or of
    // the content of the scrolling container above).
    int OnMouseMove(UINT flags, CPoint point);
    int OnLButtonDown(UINT flags, CPoint point);
    int OnLButtonUp(UINT flags, CPoint point);
    int OnLButtonDblClk(UINT flags, CPoint point);
    int OnRButtonDown(UINT flags, CPoint point);
    int OnRButtonUp(UINT flags, CPoint point);
    int OnRButtonDblClk(UINT flags, CPoint point);
    int OnScroll(int bar, int direction, CPoint point);
    int OnKeyDown(UINT key, UINT repeat, UINT modifiers);
    int OnKeyUp(UINT key, UINT repeat, UINT modifiers);
    int OnTimer();

    // True once the control was taken out of its container; it receives nothing more.
    bool IsDetached() const { return m_bDetached; }

protected:
    // A position inside low … high: mode 0 from an edge, mode 1 from the centre, mode 2
    // a percentage (at most `high`); 0 for other modes.
    static int PositionItem2Value(const POSITION_ITEM& item, int low, int high);

    // Helpers for DrawControl: fill `frames` control-sized slots of the cache (side by
    // side) with what the back buffer shows under the control, and copy one slot back.
    void CopyBackgroundToCache(HDC dc, int frames);
    void BlitCache(HDC dc, int frame);
    // DrawControl's usual course: when the cache is stale, `looks` control-sized slots get
    // the background and `render(cache, width, height)` draws over them; then slot `shown`
    // is copied to `dc`. Nothing for a control of no size.
    void DrawCachedLooks(HDC dc, int looks, int shown, const std::function<void(HDC, int, int)>& render);

    MObject* m_pParent;
    PaintManager* m_pManager = nullptr;
    UINT m_uControlID;
    CRect m_rcControl;
    int m_bVisible;
    int m_bEnabled;
    int m_bDragDrop = 0;
    int m_bResponse;
    int m_bTabStop = 0;
    int m_bDblClk = 0;         // a second click arrives as a double click (else as a press)
    int m_bPressedInside = 0;  // a press inside is in progress: moves keep feeding the hot child
    int m_bKeyDown = 0;
    UINT m_uHotKey = 0;
    UINT m_uHotKeyModifiers = 0;
    int m_bFocused = 0;
    int m_bUpdate = 0;  // the cached image is current
    int m_bAnimate = 0;
    int m_bRunTimer = 0;
    Lock m_areaLock;
    std::vector<MControl*> m_areas;
    Lock m_controlLock;
    std::vector<MControl*> m_controls;
    MControl* m_pHotChild = nullptr;
    CSize m_szMem;
    HBITMAP m_hMemBitmap = nullptr;
    HDC m_hMemDC = nullptr;
    HGDIOBJ m_hOldMemBitmap = nullptr;
    CSize m_szAnimate;
    HBITMAP m_hAnimateBitmap = nullptr;
    HDC m_hAnimateDC = nullptr;
    HGDIOBJ m_hOldAnimateBitmap = nullptr;
    CString m_strTooltip;
    HCURSOR m_hCursor = nullptr;
    int m_bTrackOutside = 0;
    int m_bNotifyDblClk = 0;
    int m_bNotifyHotKey = 0;
    int m_bMouseOutside = 1;
    int m_bStayOnTop = 0;
    int m_bKeptByParent = 0;

private:
    friend class PaintManager;
    friend class ControlRetirement;

    // The manager of this control and of every child that has none yet.
    void AttachTree(PaintManager* manager);
    // Takes `child` out of this control's lists and clears the hot child; true when found.
    bool Unlink(MControl* child);
    std::vector<MControl*> SnapshotControls();
    std::vector<MControl*> SnapshotAreas();
    // Takes the children out of both lists and retires them; kept ones stay unless `all`.
    void RetireChildren(bool all);
    CPoint ChildPoint(const MControl* child, const CPoint& windowPoint, const CPoint& contentPoint) const;
    int RoutePress(UINT flags, CPoint point, bool left);
    int RouteRelease(UINT flags, CPoint point, bool left);
    int RouteDoubleClick(UINT flags, CPoint point, bool left);
    void NotifyKeyHandled(UINT key, UINT modifiers);
    void ReleaseCache();
    void ReleaseAnimation();

    bool m_bDetached = false;
};

}  // namespace Kelvo
