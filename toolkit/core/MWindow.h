#pragma once
// One native Win32 window owned by an object: the class is registered on first use, the
// window is created with a pointer back to the object, and every message of the window
// reaches the object's virtual OnWindowMessage. The object outlives its window (the
// window may be destroyed and created again); whoever constructed the object deletes it,
// except for objects that say otherwise (menus delete themselves).
//
// Windows registered here carry the arrow cursor, so the pointer never keeps a shape it
// brought in from elsewhere; a control with its own cursor sets it while over it.
#include <windows.h>

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"

namespace Kelvo {

// The private message by which a window asks itself to close with a result (wparam).
constexpr UINT kUserCloseMessage = 1090;

class KELVO_API MWindow {
public:
    MWindow() = default;
    MWindow(const MWindow&) = delete;
    MWindow& operator=(const MWindow&) = delete;
    virtual ~MWindow();

    // The class the window is registered under.
    virtual const wchar_t* GetWindowClassName();
    // Non-null makes the window a super-class of that system class (e.g. "Edit").
    virtual const wchar_t* GetSuperClassName();
    virtual BOOL ShowWindow(int command);
    // Every message of the window; the default hands it to the previous procedure.
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    // Offered every message of the modal loop before it is dispatched; non-zero consumes it.
    virtual int PreTranslateMessage(MSG* msg);
    // Runs once the window exists, before Create returns.
    virtual int OnInitDialog();
    // The window is gone (WM_NCDESTROY, delivered last); its handle is already cleared.
    virtual void OnDestroyMessage(HWND window);

    // Creates the window; returns its handle, the live one when it exists already, or
    // null when the class cannot be registered or the window cannot be made (nothing is
    // kept then).
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect, HMENU menu);
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect);
    HWND Create(HWND parent);
    HWND Create(HWND parent, CRect rect);

    // Shows the window and runs its messages until it is gone. The owner is disabled
    // meanwhile. Returns the wparam of the WM_CLOSE that ended it (0 when the window was
    // destroyed without one), or 0xFFFFFFFF when there is no window. A WM_QUIT ends the
    // loop and is posted again for the enclosing loop.
    UINT ShowModal(int command = SW_SHOWNORMAL);
    // Centres over `over`, else over the parent (child windows) or a visible owner, else
    // in the work area of the window's monitor, and keeps the window inside that area.
    void CenterWindow(MWindow* over = nullptr);
    // Brings the window to the foreground even while another thread's window has it.
    void BringToTop();
    // Big and small icons from the application module's icon resource `id`.
    void SetIcon(UINT id);

    // Thin wrappers; each does nothing (returns 0) while there is no window.
    BOOL DestroyWindow();
    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetParentHwnd() const { return m_hParent; }
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL GetClientRect(RECT* rect) const;
    BOOL GetWindowRect(RECT* rect) const;
    BOOL SetWindowTextW(const wchar_t* text);
    int GetWindowTextW(CString& text) const;
    int GetWindowTextLengthW() const;
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL InvalidateRect(CRect rect, BOOL erase);
    HWND SetCapture();
    BOOL ReleaseCapture();
    HWND SetFocus();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback);
    BOOL KillTimer(UINT_PTR id);
    BOOL ClientToScreen(POINT* point) const;
    BOOL ClientToScreen(RECT* rect) const;
    BOOL ScreenToClient(POINT* point) const;
    BOOL ScreenToClient(RECT* rect) const;
    BOOL SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags);
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint);
    BOOL MoveWindow(const RECT* rect, BOOL repaint);
    LRESULT SendMessageW(UINT msg, WPARAM wparam, LPARAM lparam);
    BOOL PostMessageW(UINT msg, WPARAM wparam, LPARAM lparam);
    // new = (old & ~remove) | add; 0 when nothing changed. With position flags the frame
    // is brought up to date (SetWindowPos without moving, sizing or activating).
    int ModifyStyle(DWORD remove, DWORD add, UINT positionFlags);
    int ModifyExStyle(DWORD remove, DWORD add, UINT positionFlags);

    int RegisterWindowClass();
    int RegisterSuperClass();
    static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

protected:
    // True from the end of a successful Create until the window is gone: a window torn
    // down while being created never counts as created.
    bool IsCreated() const { return m_bCreated; }

    HWND m_hParent = nullptr;
    HWND m_hWnd = nullptr;
    WNDPROC m_oldWndProc = ::DefWindowProcW;

private:
    static LRESULT Deliver(MWindow* self, HWND window, UINT msg, WPARAM wparam, LPARAM lparam, bool property);

    bool m_bCreated = false;
};

}  // namespace Kelvo
