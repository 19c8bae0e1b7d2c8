#pragma once
// A skinned top-level window: a native window (MWindow) whose client area belongs to a
// paint manager and the windowless controls on it, and an MObject that those controls
// notify. Dialogs, menus and popup windows are built on it.
//
// Every message goes first to the matching virtual handler below (their results are
// ignored, except for the private close request), then to the paint manager, and when
// that leaves it alone, to the default procedure.
#include <windows.h>

#include <vector>

#include "Geometry.h"
#include "KelvoApi.h"
#include "MObject.h"
#include "MWindow.h"
#include "PaintManager.h"

namespace Kelvo {

class MControl;

class KELVO_API MSkinWindow : public MWindow, public MObject {
public:
    MSkinWindow();
    ~MSkinWindow() override;

    // MObject: notifications of the window's controls go to OnMessage, repaint requests
    // to the paint manager.
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, MControl* control) override;

    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    // Tab traversal and the tooltip's view of the mouse.
    int PreTranslateMessage(MSG* msg) override;
    // Attaches the paint manager, then InitUI and UISize with the client rectangle, so a
    // window created at its final size is laid out.
    int OnInitDialog() override;
    // The paint manager lets go of everything, then PostNcDestroy.
    void OnDestroyMessage(HWND window) override;

    // Where the window's controls are created and laid out. UISize runs after InitUI on
    // creation and on every later resize, never before InitUI.
    virtual void InitUI(CRect client);
    virtual void UISize(CRect client);
    // Every notification of the window's controls; 0 by default.
    virtual LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam);
    // The private close request: posts WM_CLOSE with the same arguments; returns 1.
    virtual LRESULT OnUserCloseWindow(WPARAM wparam, LPARAM lparam);
    // Makes the window borderless (no caption, no sizing frame), clipping its children.
    virtual LRESULT OnCreate(CREATESTRUCTW* create);
    virtual LRESULT OnSize(UINT type, int width, int height);
    virtual LRESULT OnMouseMove(UINT flags, CPoint point);
    virtual LRESULT OnMouseLeave(WPARAM wparam, LPARAM lparam);
    virtual LRESULT OnMouseHover(WPARAM wparam, LPARAM lparam);
    virtual LRESULT OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual LRESULT OnLButtonDown(UINT flags, CPoint point);
    virtual LRESULT OnLButtonUp(UINT flags, CPoint point);
    virtual LRESULT OnLButtonDblClk(UINT flags, CPoint point);
    virtual LRESULT OnRButtonDown(UINT flags, CPoint point);
    virtual LRESULT OnRButtonUp(UINT flags, CPoint point);
    virtual LRESULT OnRButtonDblClk(UINT flags, CPoint point);
    // Slots for derived windows that need them; the dispatcher does not call these.
    virtual LRESULT OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual LRESULT OnNcHitTest(CPoint point);
    virtual LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT OnNcCalcSize(int calcValidRects, NCCALCSIZE_PARAMS* params);
    virtual LRESULT OnNcPaint();
    // Called by the dispatcher.
    virtual LRESULT OnNcActivate(int active);
    virtual LRESULT OnWindowPosChanging(WINDOWPOS* position);
    virtual LRESULT OnWindowPosChanged(WINDOWPOS* position);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT_PTR id);
    virtual LRESULT OnClose();
    virtual LRESULT OnDestroy();
    virtual LRESULT PostNcDestroy();

    // Controls by class name (ControlFactory.h): CreateControl appends to the control
    // list, CreateArea to the area list (drawn first, no mouse). Null for an unknown name.
    MControl* CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                            int enabled);
    MControl* CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                         int enabled);
    MControl* GetControl(UINT id) { return m_pm.GetControl(id); }
    const std::vector<MControl*>& GetControls() const { return m_pm.GetControls(); }
    void SetFocusControl(MControl* control) { m_pm.SetFocusControl(control); }
    PaintManager& GetPaintManager() { return m_pm; }

    // Background image from the skin folder or the application's resources; 1 on success.
    int LoadBKImage(const wchar_t* path) { return m_pm.LoadBKImage(path); }
    int LoadBKImage(UINT resourceId, const wchar_t* resourceType) { return m_pm.LoadBKImage(resourceId, resourceType); }
    void SetBackMode(enumBackMode mode, int frameSize) { m_pm.SetBackMode(mode, frameSize); }
    void SetScrollResID(UINT vertical, UINT horizontal) { m_pm.SetScrollResID(vertical, horizontal); }
    // Per-pixel alpha: the window is painted with UpdateLayeredWindow.
    void SetLayeredWindow(int layered) { m_pm.SetLayeredWindow(layered); }
    // A constant opacity (window alpha not 255) or a transparent colour key (not 0xFFFFFF).
    void SetupBackTranslucent();
    // Presses on empty parts of the caption rectangle move the window. Every resize makes
    // the whole client area the caption again until UISize sets another.
    void EnableWndDrag(int enable) { m_pm.EnableWndDrag(enable); }
    void SetCaptionRect(CRect rect) { m_pm.SetCaptionRect(rect); }

protected:
    // The pointer is over `point` (client coordinates): the cursor of the innermost
    // visible control there that has one; null when none does.
    HCURSOR ControlCursorAt(CPoint point);

    PaintManager m_pm;
    CRect m_rcClient;
    COLORREF m_colorKey = 0xFFFFFF;  // made transparent when not 0xFFFFFF
    BYTE m_nAlpha = 255;             // constant opacity when not 255
    bool m_bUIReady = false;         // InitUI has run for the current window
};

}  // namespace Kelvo
