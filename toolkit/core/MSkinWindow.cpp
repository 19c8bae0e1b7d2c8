#include "MSkinWindow.h"

#include <windowsx.h>

#include "ControlFactory.h"
#include "MControl.h"

namespace Kelvo {

namespace {

CPoint PointOf(LPARAM lparam) { return CPoint(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); }

// Clears the caption and the sizing frame, adds the clipping styles and bit 0x8.
constexpr DWORD kStyleKeep = 0xFF3BFFFF;
constexpr DWORD kStyleAdd = 0x06000008;

// The cursor of `control` or of the foremost child under `point` that has one. Points are
// hit-tested as the routing does: a scrolling container's children in its content's
// coordinates, its own bars (IDs 1 and 2) in the container's.
HCURSOR CursorOf(MControl* control, CPoint point) {
    if (control->IsDetached() || !control->PtInRect(point)) return nullptr;
    CPoint content = point;
    control->OnMousePointChange(content);
    const std::vector<MControl*>& children = control->GetControls();
    // Later children paint over earlier ones, so they are asked first.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const UINT id = (*it)->GetControlID();
        if (HCURSOR inner = CursorOf(*it, id == 1 || id == 2 ? point : content)) return inner;
    }
    // A disabled button takes no press, so it does not offer the hand either.
    return control->IsEnabled() ? control->GetCursor() : nullptr;
}

HCURSOR CursorIn(const std::vector<MControl*>& controls, CPoint point) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (HCURSOR cursor = CursorOf(*it, point)) return cursor;
    return nullptr;
}

}  // namespace

MSkinWindow::MSkinWindow() : m_pm(this) {}

MSkinWindow::~MSkinWindow() {
    // Torn down while the controls and the paint manager are still whole.
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

LRESULT MSkinWindow::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return OnMessage(id, code, wparam, lparam);
}

LRESULT MSkinWindow::OnControlUpdate(const CRect& rect, int redraw, MControl* control) {
    return m_pm.OnControlUpdate(rect, redraw, control);
}

LRESULT MSkinWindow::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_CREATE:
        OnCreate(reinterpret_cast<CREATESTRUCTW*>(lparam));
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wparam), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_ERASEBKGND:
        return 1;  // the back buffer covers every pixel
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lparam));
        break;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lparam));
        break;
    case WM_NCACTIVATE:
        OnNcActivate(static_cast<int>(wparam));
        break;
    case WM_TIMER:
        OnTimer(wparam);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_RBUTTONUP:
        OnRButtonUp(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_MOUSEHOVER:
        OnMouseHover(wparam, lparam);
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave(wparam, lparam);
        break;
    case WM_SETCURSOR:
        // The class cursor (the arrow) everywhere but over a control with its own cursor;
        // set here, before the move reaches the control, so the shape never flickers.
        if (LOWORD(lparam) == HTCLIENT && m_hWnd) {
            POINT screen{};
            ::GetCursorPos(&screen);
            ::ScreenToClient(m_hWnd, &screen);
            if (HCURSOR cursor = ControlCursorAt(CPoint(screen.x, screen.y))) {
                ::SetCursor(cursor);
                return TRUE;
            }
        }
        break;
    case kUserCloseMessage:
        return OnUserCloseWindow(wparam, lparam);
    default:
        break;
    }
    if (const LRESULT handled = m_pm.OnWindowMessage(msg, wparam, lparam)) return handled;
    return ::CallWindowProcW(m_oldWndProc, m_hWnd, msg, wparam, lparam);
}

int MSkinWindow::PreTranslateMessage(MSG* msg) { return m_pm.PreTranslateMessage(msg) ? 1 : 0; }

int MSkinWindow::OnInitDialog() {
    m_pm.Init(m_hWnd, this);
    // OnCreate changed the frame styles after the system had laid out the frame.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_rcClient = CRect(client.left, client.top, client.right, client.bottom);
    InitUI(m_rcClient);
    m_bUIReady = true;
    UISize(m_rcClient);
    return 1;
}

void MSkinWindow::OnDestroyMessage(HWND window) {
    m_bUIReady = false;
    if (window == m_pm.GetPaintWnd()) m_pm.DestroyData();
    PostNcDestroy();
}

void MSkinWindow::InitUI(CRect) {}
void MSkinWindow::UISize(CRect) {}
LRESULT MSkinWindow::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

LRESULT MSkinWindow::OnUserCloseWindow(WPARAM wparam, LPARAM lparam) {
    PostMessageW(WM_CLOSE, wparam, lparam);
    return 1;
}

LRESULT MSkinWindow::OnCreate(CREATESTRUCTW*) {
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((static_cast<DWORD>(style) & kStyleKeep) | kStyleAdd));
    return 1;
}

LRESULT MSkinWindow::OnSize(UINT type, int, int) {
    if (type != SIZE_MINIMIZED) SetupBackTranslucent();
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_rcClient = CRect(client.left, client.top, client.right, client.bottom);
    if (m_rcClient.Width() > 1 && m_rcClient.Height() > 1) {
        m_pm.SetCaptionRect(m_rcClient);
        if (m_bUIReady) UISize(m_rcClient);
    }
    ::InvalidateRect(m_hWnd, &client, FALSE);
    return 0;
}

void MSkinWindow::SetupBackTranslucent() {
    if (!m_hWnd) return;
    if (m_nAlpha != 255) {
        ModifyExStyle(0, WS_EX_LAYERED, 0);
        ::SetLayeredWindowAttributes(m_hWnd, 0, m_nAlpha, LWA_ALPHA);
    } else if (m_colorKey != 0xFFFFFF) {
        ModifyExStyle(0, WS_EX_LAYERED, 0);
        ::SetLayeredWindowAttributes(m_hWnd, m_colorKey, 255, LWA_COLORKEY);
    }
}

HCURSOR MSkinWindow::ControlCursorAt(CPoint point) { return CursorIn(m_pm.GetControls(), point); }

LRESULT MSkinWindow::OnMouseMove(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnMouseLeave(WPARAM, LPARAM) { return 0; }
LRESULT MSkinWindow::OnMouseHover(WPARAM, LPARAM) { return 0; }
LRESULT MSkinWindow::OnMouseWheel(UINT, short, CPoint) { return 0; }
LRESULT MSkinWindow::OnLButtonDown(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnLButtonUp(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnLButtonDblClk(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnRButtonDown(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnRButtonUp(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnRButtonDblClk(UINT, CPoint) { return 0; }
LRESULT MSkinWindow::OnKeyDown(UINT, UINT, UINT) { return 0; }
LRESULT MSkinWindow::OnNcHitTest(CPoint) { return 0; }
LRESULT MSkinWindow::OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
LRESULT MSkinWindow::OnNcCalcSize(int, NCCALCSIZE_PARAMS*) { return 0; }
LRESULT MSkinWindow::OnNcPaint() { return 0; }
LRESULT MSkinWindow::OnNcActivate(int) { return 0; }
LRESULT MSkinWindow::OnWindowPosChanging(WINDOWPOS*) { return 1; }
LRESULT MSkinWindow::OnWindowPosChanged(WINDOWPOS*) { return 1; }
LRESULT MSkinWindow::OnPaint() { return 0; }
void MSkinWindow::OnTimer(UINT_PTR) {}
LRESULT MSkinWindow::OnClose() { return 1; }
LRESULT MSkinWindow::OnDestroy() { return 0; }
LRESULT MSkinWindow::PostNcDestroy() { return 0; }

MControl* MSkinWindow::CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                                     int enabled) {
    return m_pm.AttachControl(1, CreateDialogControl(className, this, id, rect, title, visible, enabled));
}

MControl* MSkinWindow::CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                                  int enabled) {
    return m_pm.AttachControl(0, CreateDialogControl(className, this, id, rect, title, visible, enabled));
}

}  // namespace Kelvo
