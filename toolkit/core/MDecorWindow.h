#pragma once
// The base of the toolkit's decoration windows (balloon tips, the waiting window, the key
// tip): windows that host no controls and draw themselves into a per-pixel-alpha layered
// window. Every message reaches a virtual handler, then the previous window procedure.
//
// Decorations never take activation from the window they belong to: they are created
// with WS_EX_NOACTIVATE and every way of showing them shows them without activating.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "GdiPlus.h"

#include "BackBuffer.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "MWindow.h"

namespace Kelvo {

class KELVO_API MDecorWindow : public MWindow {
public:
    MDecorWindow() = default;
    ~MDecorWindow() override;

    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    // Any command that shows the window shows it without activation.
    BOOL ShowWindow(int command) override;

    // The private close request: posts WM_CLOSE with the same arguments; returns 1.
    virtual LRESULT OnUserCloseWindow(WPARAM wparam, LPARAM lparam);
    virtual void CloseWindow();
    // Borderless, clipping, a tool window that is layered and never activated.
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
    virtual LRESULT OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual LRESULT OnNcHitTest(CPoint point);
    virtual LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT OnNcCalcSize(int calcValidRects, NCCALCSIZE_PARAMS* params);
    virtual LRESULT OnNcActivate(int active);
    virtual LRESULT OnSetFocus(HWND previous);
    virtual LRESULT OnKillFocus(HWND next);
    virtual LRESULT OnWindowPosChanging(WINDOWPOS* position);
    virtual LRESULT OnWindowPosChanged(WINDOWPOS* position);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT_PTR id);
    virtual LRESULT OnNcPaint();
    virtual LRESULT OnClose();
    virtual LRESULT PostNcDestroy();
    virtual LRESULT OnDestroy();

    // A pixel of the picture last put on screen, 0xAARRGGBB premultiplied (client
    // coordinates); 0 before the first paint or outside the picture.
    std::uint32_t GetPixel(int x, int y) const;
    CSize GetPictureSize() const;

protected:
    // A fresh, fully transparent picture of that size to draw into through GDI+
    // (premultiplied ARGB); null for an empty size.
    std::unique_ptr<Gdiplus::Bitmap> BeginPicture(int width, int height);
    // Puts the picture on screen at the window's place (per-pixel alpha, opacity 255).
    void PresentPicture();
    // Extended styles of every decoration: layered, tool window, never activated.
    static constexpr DWORD kDecorExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;

    bool m_bFocusMessages = false;  // WM_SETFOCUS and WM_KILLFOCUS reach their handlers

private:
    BackBuffer m_picture;
};

}  // namespace Kelvo
