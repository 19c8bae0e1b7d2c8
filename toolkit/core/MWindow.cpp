#include "MWindow.h"

#include <string>

#include "ControlRetirement.h"
#include "Manager.h"
#include "WindowPlacement.h"

namespace Kelvo {

namespace {

// Super-classed windows keep their user data for the system class; the object goes here.
constexpr wchar_t kControlProperty[] = L"Control";

CRect ToCRect(const RECT& r) { return CRect(r.left, r.top, r.right, r.bottom); }

CRect WorkAreaNear(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && ::GetMonitorInfoW(monitor, &info)) return ToCRect(info.rcWork);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return ToCRect(work);
}

}  // namespace

MWindow::~MWindow() {
    // An object deleted with its window still up must not be reached through it any more.
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        ::RemovePropW(m_hWnd, kControlProperty);
        HWND window = m_hWnd;
        m_hWnd = nullptr;
        ::DestroyWindow(window);
    }
    Manager::DeleteWnd(this);
}

const wchar_t* MWindow::GetWindowClassName() { return L"MWindow"; }
const wchar_t* MWindow::GetSuperClassName() { return nullptr; }

BOOL MWindow::ShowWindow(int command) { return m_hWnd ? ::ShowWindow(m_hWnd, command) : FALSE; }

LRESULT MWindow::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    return ::CallWindowProcW(m_oldWndProc, m_hWnd, msg, wparam, lparam);
}

int MWindow::PreTranslateMessage(MSG*) { return 0; }
int MWindow::OnInitDialog() { return 1; }
void MWindow::OnDestroyMessage(HWND) {}

// --- creation ------------------------------------------------------------------------------

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect, HMENU menu) {
    if (m_hWnd && ::IsWindow(m_hWnd)) return m_hWnd;
    m_hWnd = nullptr;
    m_hParent = parent;
    const int registered = GetSuperClassName() ? RegisterSuperClass() : RegisterWindowClass();
    if (!registered) return nullptr;
    HWND window = ::CreateWindowExW(exStyle, GetWindowClassName(), title ? title : L"", style, rect.left, rect.top,
                                    rect.Width(), rect.Height(), parent, menu, Manager::GetInstance(), this);
    if (!window) {
        // Torn down during creation (a WM_CREATE that refused): the procedure has let go
        // of the window already; make sure nothing of it is kept.
        m_hWnd = nullptr;
        m_hParent = nullptr;
        return nullptr;
    }
    m_hWnd = window;
    m_bCreated = true;
    Manager::AddWnd(this);
    OnInitDialog();
    return m_hWnd;
}

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, CRect rect) {
    return Create(parent, title, style, exStyle, rect, nullptr);
}

HWND MWindow::Create(HWND parent) { return Create(parent, CRect(0, 0, 800, 600)); }

HWND MWindow::Create(HWND parent, CRect rect) { return Create(parent, L"MWindow", 0x80B, 0, rect, nullptr); }

int MWindow::RegisterWindowClass() {
    WNDCLASSW wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = Manager::GetInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    return ::RegisterClassW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS ? 1 : 0;
}

int MWindow::RegisterSuperClass() {
    WNDCLASSW wc{};
    if (!::GetClassInfoW(nullptr, GetSuperClassName(), &wc) &&
        !::GetClassInfoW(Manager::GetInstance(), GetSuperClassName(), &wc))
        return 0;
    m_oldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = Manager::GetInstance();
    wc.lpszClassName = GetWindowClassName();
    return ::RegisterClassW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS ? 1 : 0;
}

LRESULT MWindow::Deliver(MWindow* self, HWND window, UINT msg, WPARAM wparam, LPARAM lparam, bool property) {
    // A window object retired by this message's handling (or by a modal loop it runs) is
    // freed once the whole handling has returned, not under its own handler.
    ControlRetirement::Scope scope;
    if (msg == WM_NCCREATE) {
        self = static_cast<MWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        if (self) {
            self->m_hWnd = window;
            if (property)
                ::SetPropW(window, kControlProperty, self);
            else
                ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else if (msg == WM_NCDESTROY && self) {
        const LRESULT result = ::CallWindowProcW(self->m_oldWndProc, window, msg, wparam, lparam);
        if (property)
            ::RemovePropW(window, kControlProperty);
        else
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->m_bCreated = false;
        Manager::DeleteWnd(self);
        self->OnDestroyMessage(window);  // may delete the object: nothing of it is touched after
        return result;
    }
    if (self) return self->OnWindowMessage(msg, wparam, lparam);
    return ::DefWindowProcW(window, msg, wparam, lparam);
}

LRESULT CALLBACK MWindow::WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<MWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return Deliver(self, window, msg, wparam, lparam, false);
}

LRESULT CALLBACK MWindow::ControlProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* self = static_cast<MWindow*>(::GetPropW(window, kControlProperty));
    return Deliver(self, window, msg, wparam, lparam, true);
}

// --- the modal loop ---------------------------------------------------------------------------

UINT MWindow::ShowModal(int command) {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return 0xFFFFFFFF;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    ::ShowWindow(m_hWnd, command);
    if (owner) ::EnableWindow(owner, FALSE);
    UINT result = 0;
    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg{};
    while (m_hWnd && ::IsWindow(m_hWnd)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got == -1) break;
        if (msg.message == WM_CLOSE && msg.hwnd == m_hWnd) {
            result = static_cast<UINT>(msg.wParam);
            // Before the window goes, so that the system activates the owner again.
            if (owner) {
                ::EnableWindow(owner, TRUE);
                ::SetFocus(owner);
            }
        }
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (owner) {
        ::EnableWindow(owner, TRUE);
        ::SetFocus(owner);
    }
    if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
    return result;
}

// --- placement -------------------------------------------------------------------------------

void MWindow::CenterWindow(MWindow* over) {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    const DWORD style = GetStyle();
    HWND reference = over ? over->GetSafeHwnd() : nullptr;
    if (!over) reference = (style & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    RECT own{};
    ::GetWindowRect(m_hWnd, &own);
    const CSize size(own.right - own.left, own.bottom - own.top);
    CRect limits;
    CRect area;
    if (style & WS_CHILD) {
        HWND parent = ::GetParent(m_hWnd);
        RECT client{};
        ::GetClientRect(parent, &client);
        limits = ToCRect(client);
        area = limits;
        if (reference && ::IsWindow(reference)) {
            RECT ref{};
            ::GetClientRect(reference, &ref);
            ::MapWindowPoints(reference, parent, reinterpret_cast<POINT*>(&ref), 2);
            area = ToCRect(ref);
        }
    } else {
        if (reference) {
            const LONG_PTR refStyle = ::IsWindow(reference) ? ::GetWindowLongPtrW(reference, GWL_STYLE) : 0;
            if (!(refStyle & WS_VISIBLE) || (refStyle & WS_MINIMIZE)) reference = nullptr;
        }
        limits = WorkAreaNear(reference ? reference : m_hWnd);
        area = limits;
        if (reference) {
            RECT ref{};
            ::GetWindowRect(reference, &ref);
            area = ToCRect(ref);
        }
    }
    const CPoint origin = CentreOver(size, area, limits);
    ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MWindow::BringToTop() {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    HWND foreground = ::GetForegroundWindow();
    const DWORD foreignThread = foreground ? ::GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD ownThread = ::GetWindowThreadProcessId(m_hWnd, nullptr);
    const bool attach = foreignThread && foreignThread != ownThread;
    if (attach) ::AttachThreadInput(foreignThread, ownThread, TRUE);
    ::AllowSetForegroundWindow(ASFW_ANY);
    ::SetForegroundWindow(m_hWnd);
    if (attach) ::AttachThreadInput(foreignThread, ownThread, FALSE);
    ::ShowWindow(m_hWnd, ::IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
}

void MWindow::SetIcon(UINT id) {
    if (!m_hWnd) return;
    // Shared icons belong to the system: nothing to free when the window goes.
    auto load = [id](int cx, int cy) {
        return static_cast<HICON>(::LoadImageW(Manager::GetInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                               ::GetSystemMetrics(cx), ::GetSystemMetrics(cy), LR_SHARED));
    };
    HICON big = load(SM_CXICON, SM_CYICON);
    HICON small = load(SM_CXSMICON, SM_CYSMICON);
    if (big) ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (small) ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// --- wrappers ----------------------------------------------------------------------------------

BOOL MWindow::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }
DWORD MWindow::GetStyle() const { return m_hWnd ? static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)) : 0; }
DWORD MWindow::GetExStyle() const {
    return m_hWnd ? static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)) : 0;
}
BOOL MWindow::GetClientRect(RECT* rect) const { return m_hWnd && rect ? ::GetClientRect(m_hWnd, rect) : FALSE; }
BOOL MWindow::GetWindowRect(RECT* rect) const { return m_hWnd && rect ? ::GetWindowRect(m_hWnd, rect) : FALSE; }
BOOL MWindow::SetWindowTextW(const wchar_t* text) { return m_hWnd ? ::SetWindowTextW(m_hWnd, text) : FALSE; }

int MWindow::GetWindowTextW(CString& text) const {
    text = CString();
    if (!m_hWnd) return 0;
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    buffer.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    text = CString(buffer.c_str());
    return copied;
}

int MWindow::GetWindowTextLengthW() const { return m_hWnd ? ::GetWindowTextLengthW(m_hWnd) : 0; }
BOOL MWindow::EnableWindow(BOOL enable) { return m_hWnd ? ::EnableWindow(m_hWnd, enable) : FALSE; }
BOOL MWindow::IsWindowEnabled() const { return m_hWnd ? ::IsWindowEnabled(m_hWnd) : FALSE; }
BOOL MWindow::IsWindowVisible() const { return m_hWnd ? ::IsWindowVisible(m_hWnd) : FALSE; }
BOOL MWindow::IsIconic() const { return m_hWnd ? ::IsIconic(m_hWnd) : FALSE; }

BOOL MWindow::InvalidateRect(CRect rect, BOOL erase) {
    if (!m_hWnd) return FALSE;
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return ::InvalidateRect(m_hWnd, &r, erase);
}

HWND MWindow::SetCapture() { return m_hWnd ? ::SetCapture(m_hWnd) : nullptr; }
BOOL MWindow::ReleaseCapture() { return m_hWnd ? ::ReleaseCapture() : FALSE; }
HWND MWindow::SetFocus() { return m_hWnd ? ::SetFocus(m_hWnd) : nullptr; }

UINT_PTR MWindow::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return m_hWnd ? ::SetTimer(m_hWnd, id, elapse, callback) : 0;
}

BOOL MWindow::KillTimer(UINT_PTR id) { return m_hWnd ? ::KillTimer(m_hWnd, id) : FALSE; }
BOOL MWindow::ClientToScreen(POINT* point) const { return m_hWnd && point ? ::ClientToScreen(m_hWnd, point) : FALSE; }

BOOL MWindow::ClientToScreen(RECT* rect) const {
    if (!m_hWnd || !rect) return FALSE;
    auto* corners = reinterpret_cast<POINT*>(rect);
    return ::ClientToScreen(m_hWnd, &corners[0]) && ::ClientToScreen(m_hWnd, &corners[1]);
}

BOOL MWindow::ScreenToClient(POINT* point) const { return m_hWnd && point ? ::ScreenToClient(m_hWnd, point) : FALSE; }

BOOL MWindow::ScreenToClient(RECT* rect) const {
    if (!m_hWnd || !rect) return FALSE;
    auto* corners = reinterpret_cast<POINT*>(rect);
    return ::ScreenToClient(m_hWnd, &corners[0]) && ::ScreenToClient(m_hWnd, &corners[1]);
}

BOOL MWindow::SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags) {
    return m_hWnd ? ::SetWindowPos(m_hWnd, after, x, y, width, height, flags) : FALSE;
}

BOOL MWindow::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    return m_hWnd ? ::MoveWindow(m_hWnd, x, y, width, height, repaint) : FALSE;
}

BOOL MWindow::MoveWindow(const RECT* rect, BOOL repaint) {
    if (!rect) return FALSE;
    return MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

LRESULT MWindow::SendMessageW(UINT msg, WPARAM wparam, LPARAM lparam) {
    return m_hWnd ? ::SendMessageW(m_hWnd, msg, wparam, lparam) : 0;
}

BOOL MWindow::PostMessageW(UINT msg, WPARAM wparam, LPARAM lparam) {
    return m_hWnd ? ::PostMessageW(m_hWnd, msg, wparam, lparam) : FALSE;
}

namespace {

int ModifyLong(HWND window, int index, DWORD remove, DWORD add, UINT positionFlags) {
    if (!window) return 0;
    const DWORD old = static_cast<DWORD>(::GetWindowLongPtrW(window, index));
    const DWORD changed = (old & ~remove) | add;
    if (changed == old) return 0;
    ::SetWindowLongPtrW(window, index, static_cast<LONG_PTR>(changed));
    if (positionFlags)
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       positionFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 1;
}

}  // namespace

int MWindow::ModifyStyle(DWORD remove, DWORD add, UINT positionFlags) {
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, positionFlags);
}

int MWindow::ModifyExStyle(DWORD remove, DWORD add, UINT positionFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, positionFlags);
}

}  // namespace Kelvo
