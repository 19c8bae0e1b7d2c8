#include "StartupWindow.h"

#include "AppPaths.h"
#include "Manager.h"
#include "Product.h"
#include "SingleInstance.h"
#include "resource.h"

namespace {

constexpr wchar_t kClassName[] = L"MirevoStartupWindow";
constexpr int kWidth = 1121;
constexpr int kHeight = 780;
constexpr int kIconSize = 128;
constexpr COLORREF kFillColour = RGB(3, 6, 11);
constexpr COLORREF kBorderColour = RGB(0x6D, 0x6D, 0x6D);

void FillRectWith(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

StartupWindow::~StartupWindow() {
    if (IsWindow(m_window)) DestroyWindow(m_window);
    if (m_skinIcon) DestroyIcon(m_skinIcon);
}

bool StartupWindow::Register() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(m_instance, kClassName, &wc)) return true;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = m_instance;
    wc.hIcon = LoadIconW(m_instance, MAKEINTRESOURCEW(IDI_MIREVO));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

bool StartupWindow::Run() {
    if (!Register()) return false;
    m_skinIcon = static_cast<HICON>(LoadImageW(nullptr, GetSkinFolder() + L"Mirevo.ico", IMAGE_ICON, kIconSize,
                                               kIconSize, LR_LOADFROMFILE));
    DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    m_window = CreateWindowExW(0, kClassName, product::kName, style, 0, 0, kWidth, kHeight, nullptr, nullptr,
                               m_instance, this);
    if (!m_window) return false;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + ((work.right - work.left) - kWidth) / 2;
    int y = work.top + ((work.bottom - work.top) - kHeight) / 2;
    SetWindowPos(m_window, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SingleInstance::Mark(m_window);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
    Kelvo::Manager::MessageLoop();
    return true;
}

LRESULT CALLBACK StartupWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StartupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_window) return DefWindowProcW(window, message, wparam, lparam);
    return self->OnMessage(message, wparam, lparam);
}

LRESULT StartupWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_window, &ps);
        Paint(dc);
        EndPaint(m_window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        return HTCAPTION;  // a borderless window is moved by dragging anywhere
    case WM_DESTROY:
        SingleInstance::Unmark(m_window);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        return 0;
    default:
        return DefWindowProcW(m_window, message, wparam, lparam);
    }
}

void StartupWindow::Paint(HDC dc) {
    RECT client{};
    GetClientRect(m_window, &client);
    FillRectWith(dc, client, kBorderColour);
    InflateRect(&client, -1, -1);
    FillRectWith(dc, client, kFillColour);
    if (m_skinIcon) {
        int x = (client.left + client.right - kIconSize) / 2;
        int y = (client.top + client.bottom - kIconSize) / 2;
        DrawIconEx(dc, x, y, m_skinIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    }
}
