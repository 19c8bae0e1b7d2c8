// The floor for the program's start-up: a window of the main window's size and
// style that paints one skin picture with GDI+ and does nothing else. window_bench
// starts it beside Mirevo.exe and compares their times to the first painted window.
//   bare_gdiplus_window [picture]   (default: skins\theme1\background.png beside it)
#include <windows.h>
#include <objidl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

// GDI+'s headers use the min/max names that NOMINMAX removes.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace {

constexpr wchar_t kClassName[] = L"BareGdiplusWindow";
constexpr int kWidth = 1121;
constexpr int kHeight = 780;

std::unique_ptr<Gdiplus::Image> g_picture;

std::wstring DefaultPicture() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"skins\\theme1\\background.png";
}

void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(g_picture.get(), 0, 0, kWidth, kHeight);
    EndPaint(window, &ps);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the picture covers the whole window
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

HWND CreateCentredWindow(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return nullptr;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = std::max<LONG>(0, work.left + ((work.right - work.left) - kWidth) / 2);
    int y = std::max<LONG>(0, work.top + ((work.bottom - work.top) - kHeight) / 2);
    return CreateWindowExW(0, kClassName, L"Bare GDI+ window", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y,
                           kWidth, kHeight, nullptr, nullptr, instance, nullptr);
}

int RunWindow(HINSTANCE instance, const std::wstring& picture) {
    g_picture = std::make_unique<Gdiplus::Image>(picture.c_str());
    if (g_picture->GetLastStatus() != Gdiplus::Ok) {
        std::fwprintf(stderr, L"bare_gdiplus_window: cannot load %ls\n", picture.c_str());
        return 1;
    }
    HWND window = CreateCentredWindow(instance);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    g_picture.reset();  // before GDI+ shuts down
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring picture = arguments && count > 1 ? arguments[1] : DefaultPicture();
    LocalFree(arguments);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
    int result = RunWindow(instance, picture);
    Gdiplus::GdiplusShutdown(token);
    return result;
}
