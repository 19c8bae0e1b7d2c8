#include "MDecorWindow.h"

#include <windowsx.h>

#include <cstring>

namespace Kelvo {

namespace {

CPoint PointOf(LPARAM lparam) { return CPoint(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); }

// Clears the caption and the sizing frame, adds the clipping styles and bit 0x8.
constexpr DWORD kStyleKeep = 0xFF3BFFFF;
constexpr DWORD kStyleAdd = 0x06000008;

bool IsShowCommand(int command) { return command != SW_HIDE && command != SW_MINIMIZE; }

}  // namespace

MDecorWindow::~MDecorWindow() = default;

BOOL MDecorWindow::ShowWindow(int command) {
    if (!IsShowCommand(command)) return MWindow::ShowWindow(command);
    if (!m_hWnd) return FALSE;
    const BOOL wasVisible = ::IsWindowVisible(m_hWnd);
    // On top of its owner and whatever else the owner owns, without activation.
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // Some systems drop what a hidden layered window was given: it is given again.
    if (!wasVisible) PresentPicture();
    return wasVisible;
}

LRESULT MDecorWindow::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_CREATE: OnCreate(reinterpret_cast<CREATESTRUCTW*>(lparam)); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_SIZE: OnSize(static_cast<UINT>(wparam), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); break;
    case WM_PAINT: OnPaint(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_ERASEBKGND: return 1;  // the layered picture covers everything
    case WM_WINDOWPOSCHANGING: OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lparam)); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lparam)); break;
    case WM_NCACTIVATE: OnNcActivate(static_cast<int>(wparam)); break;
    case WM_TIMER: OnTimer(wparam); break;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_KEYSTATE_WPARAM(wparam), GET_WHEEL_DELTA_WPARAM(wparam), PointOf(lparam));
        break;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(static_cast<UINT>(wparam), PointOf(lparam)); break;
    case WM_MOUSEHOVER: OnMouseHover(wparam, lparam); break;
    case WM_MOUSELEAVE: OnMouseLeave(wparam, lparam); break;
    case WM_SETFOCUS:
        if (m_bFocusMessages) OnSetFocus(reinterpret_cast<HWND>(wparam));
        break;
    case WM_KILLFOCUS:
        if (m_bFocusMessages) OnKillFocus(reinterpret_cast<HWND>(wparam));
        break;
    case kUserCloseMessage: return OnUserCloseWindow(wparam, lparam);
    default: break;
    }
    return ::CallWindowProcW(m_oldWndProc, m_hWnd, msg, wparam, lparam);
}

LRESULT MDecorWindow::OnUserCloseWindow(WPARAM wparam, LPARAM lparam) {
    PostMessageW(WM_CLOSE, wparam, lparam);
    return 1;
}

void MDecorWindow::CloseWindow() { PostMessageW(WM_CLOSE, 0, 0); }

LRESULT MDecorWindow::OnCreate(CREATESTRUCTW*) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & kStyleKeep) | kStyleAdd));
    // Layered, never activated, and click-through when made so (a balloon must not take
    // the pointer from the controls it lies over, or their hover would end under it).
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(kDecorExStyle | (exStyle & WS_EX_TRANSPARENT)));
    return 0;
}

LRESULT MDecorWindow::OnSize(UINT, int, int) { return 0; }
LRESULT MDecorWindow::OnMouseMove(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnMouseLeave(WPARAM, LPARAM) { return 0; }
LRESULT MDecorWindow::OnMouseHover(WPARAM, LPARAM) { return 0; }
LRESULT MDecorWindow::OnMouseWheel(UINT, short, CPoint) { return 0; }
LRESULT MDecorWindow::OnLButtonDown(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnLButtonUp(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnLButtonDblClk(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnRButtonDown(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnRButtonUp(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnRButtonDblClk(UINT, CPoint) { return 0; }
LRESULT MDecorWindow::OnKeyDown(UINT, UINT, UINT) { return 0; }
LRESULT MDecorWindow::OnNcHitTest(CPoint) { return 0; }
LRESULT MDecorWindow::OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
LRESULT MDecorWindow::OnNcCalcSize(int, NCCALCSIZE_PARAMS*) { return 0; }
LRESULT MDecorWindow::OnNcActivate(int) { return 0; }
LRESULT MDecorWindow::OnSetFocus(HWND) { return 0; }
LRESULT MDecorWindow::OnKillFocus(HWND) { return 0; }
LRESULT MDecorWindow::OnWindowPosChanging(WINDOWPOS*) { return 0; }
LRESULT MDecorWindow::OnWindowPosChanged(WINDOWPOS*) { return 0; }
LRESULT MDecorWindow::OnPaint() { return 0; }
void MDecorWindow::OnTimer(UINT_PTR) {}
LRESULT MDecorWindow::OnNcPaint() { return 0; }
LRESULT MDecorWindow::OnClose() { return 0; }
LRESULT MDecorWindow::PostNcDestroy() { return 0; }
LRESULT MDecorWindow::OnDestroy() { return 0; }

std::uint32_t MDecorWindow::GetPixel(int x, int y) const { return m_picture.PixelAt(x, y); }

CSize MDecorWindow::GetPictureSize() const { return CSize(m_picture.Width(), m_picture.Height()); }

std::unique_ptr<Gdiplus::Bitmap> MDecorWindow::BeginPicture(int width, int height) {
    if (!m_picture.Ensure(nullptr, width, height)) return nullptr;
    std::memset(m_picture.Bits(), 0, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    // The section is bottom-up: GDI+ starts at the top row and steps backwards, and
    // writes premultiplied alpha, which is what UpdateLayeredWindow takes.
    BYTE* top = reinterpret_cast<BYTE*>(m_picture.Bits()) + static_cast<size_t>(height - 1) * width * 4;
    return std::make_unique<Gdiplus::Bitmap>(width, height, -width * 4, PixelFormat32bppPARGB, top);
}

void MDecorWindow::PresentPicture() {
    if (!m_hWnd || !m_picture.GetDC()) return;
    ::GdiFlush();
    HDC screen = ::GetDC(nullptr);
    SIZE size{m_picture.Width(), m_picture.Height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, screen, nullptr, &size, m_picture.GetDC(), &origin, 0, &blend, ULW_ALPHA);
    ::ReleaseDC(nullptr, screen);
}

}  // namespace Kelvo
