#include "Manager.h"

#include <mutex>
#include <set>

#include <ole2.h>

namespace Kelvo {

HINSTANCE Manager::m_hInstance = nullptr;
Gdiplus::GdiplusStartupInput Manager::m_gdiplusStartupInput;
ULONG_PTR Manager::m_gdiplusToken = 0;
CString Manager::m_fontname = L"Open Sans Semibold";
int Manager::m_fontwidth = 16;
DWORD Manager::m_select_color = 0xFF3768FA;
UINT Manager::m_uControlID = 0;

namespace {

// Windows come and go on the UI thread, but a worker may ask about one.
struct WindowSet {
    std::mutex lock;
    std::set<MWindow*> windows;
};

WindowSet& Windows() {
    static WindowSet set;
    return set;
}

bool IsHeld(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

void Manager::SetInstance(HINSTANCE instance) { m_hInstance = instance; }
HINSTANCE Manager::GetInstance() { return m_hInstance; }

void Manager::InitGdiplus() {
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &m_gdiplusStartupInput, nullptr);
    CoInitialize(nullptr);
    OleInitialize(nullptr);
}

void Manager::UnInitGdiplus() {
    OleUninitialize();
    CoUninitialize();
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
}

CString Manager::GetTheme() { return L"theme1\\"; }

CString Manager::GetSkinFile(const CString& path) {
    const bool absolute = (path.GetLength() >= 2 && path[1] == L':') ||
                          (path.GetLength() >= 2 && path[0] == L'\\' && path[1] == L'\\');
    if (absolute) return path;
    wchar_t module[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    CString folder(module, length);
    folder = folder.Left(folder.ReverseFind(L'\\') + 1);
    return folder + L"skins\\" + GetTheme() + path;
}

void Manager::SetFont(const CString& face, int size) {
    m_fontname = face;
    m_fontwidth = size;
}

void Manager::SetFontName(const CString& face) { m_fontname = face; }
CString Manager::GetFontName() { return m_fontname; }
int Manager::GetFontWidth() { return m_fontwidth; }
DWORD Manager::GetSelectColor() { return m_select_color; }

void Manager::AddWnd(MWindow* window) {
    std::lock_guard<std::mutex> guard(Windows().lock);
    Windows().windows.insert(window);
}

void Manager::DeleteWnd(MWindow* window) {
    std::lock_guard<std::mutex> guard(Windows().lock);
    Windows().windows.erase(window);
}

bool Manager::HasWnd(MWindow* window) {
    std::lock_guard<std::mutex> guard(Windows().lock);
    return Windows().windows.count(window) != 0;
}

int Manager::PreTranslateMessage(MSG*) { return IsHeld(VK_MENU) && IsHeld(VK_F4) ? 1 : 0; }

void Manager::MessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace Kelvo
