#include "MacroPageCapture.h"

#include <vector>

namespace {
constexpr wchar_t kWindowClass[] = L"MirevoMacroCapture";
}

MacroEventCapture::~MacroEventCapture() {
    Stop();
    if (m_window) DestroyWindow(m_window);
}

bool MacroEventCapture::Start(EventArrived arrived) {
    Stop();
    if (!MakeWindow()) return false;
    m_arrived = std::move(arrived);
    return m_recorder.Start(m_window);
}

void MacroEventCapture::Stop() {
    m_recorder.Stop();
    m_arrived = nullptr;
}

bool MacroEventCapture::MakeWindow() {
    if (m_window) return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);  // fails harmlessly when it is registered already
    m_window = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!m_window) return false;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

LRESULT CALLBACK MacroEventCapture::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT) {
        if (auto* capture = reinterpret_cast<MacroEventCapture*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            capture->OnInput(reinterpret_cast<HRAWINPUT>(lParam));
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MacroEventCapture::OnInput(HRAWINPUT input) {
    for (const InputEvent& event : m_recorder.Read(input)) {
        // The handler may end this capture; a copy keeps it alive until it returns.
        EventArrived arrived = m_arrived;
        if (arrived) arrived(event);
    }
}
