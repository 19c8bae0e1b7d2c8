#include "TestWindow.h"

namespace harness {

namespace {

constexpr wchar_t kClassName[] = L"KelvoTestWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

TestWindow::TestWindow(CRect screen, bool layered) : m_manager(nullptr) {
    RegisterOnce();
    m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Kelvo test", WS_POPUP, screen.left, screen.top,
                             screen.Width(), screen.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd) return;
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
    m_manager.Init(m_hwnd, nullptr);
    m_manager.SetLayeredWindow(layered ? 1 : 0);
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_hwnd);
    PaintNow();
    Pump(30);
}

TestWindow::~TestWindow() {
    Destroy();
    if (keptImage) DeleteObject(keptImage);
}

void TestWindow::Destroy() {
    if (m_hwnd && IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, msg, wparam, lparam);
    return self->Dispatch(msg, wparam, lparam);
}

LRESULT TestWindow::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
    messages.push_back(msg);
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == STM_SETIMAGE) {
        offeredImages.push_back(reinterpret_cast<HBITMAP>(lparam));
        if (!acceptImages) return 0;
        HBITMAP previous = keptImage;
        keptImage = reinterpret_cast<HBITMAP>(lparam);
        return reinterpret_cast<LRESULT>(previous);
    }
    if (msg == STM_GETIMAGE) return acceptImages ? reinterpret_cast<LRESULT>(keptImage) : 0;
    HWND window = m_hwnd;
    if (msg == WM_NCDESTROY) {
        m_manager.OnWindowMessage(msg, wparam, lparam);
        if (afterMessage) afterMessage(window, msg);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        return DefWindowProcW(window, msg, wparam, lparam);
    }
    const LRESULT result = m_manager.OnWindowMessage(msg, wparam, lparam);
    if (afterMessage) afterMessage(window, msg);
    return result ? result : DefWindowProcW(window, msg, wparam, lparam);
}

LRESULT TestWindow::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    notifications.push_back({id, code, wparam, lparam});
    return 0;
}

LRESULT TestWindow::OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) {
    return m_manager.OnControlUpdate(rect, redraw, control);
}

void TestWindow::Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

bool TestWindow::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const DWORD start = GetTickCount();
    const auto expired = [&] { return static_cast<int>(GetTickCount() - start) >= timeoutMs; };
    for (;;) {
        MSG msg;
        // The deadline holds inside the loop too: ticks that come faster than they are
        // handled would otherwise keep it going for ever.
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_hwnd || !m_manager.PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (expired()) break;
        }
        if (done()) return true;
        if (expired()) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    }
}

void TestWindow::PaintNow() {
    if (!m_hwnd) return;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

POINT TestWindow::ToScreen(CPoint client) const {
    POINT p{client.x, client.y};
    if (m_hwnd) ClientToScreen(m_hwnd, &p);
    return p;
}

}  // namespace harness
