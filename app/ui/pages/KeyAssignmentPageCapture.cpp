#include "KeyAssignmentPageCapture.h"

#include <vector>

namespace {
constexpr wchar_t kWindowClass[] = L"MirevoKeyCapture";
}

KeyCapture::~KeyCapture() {
    Stop();
    if (m_window) DestroyWindow(m_window);
}

bool KeyCapture::Start(KeyPressed pressed) {
    Stop();
    if (!MakeWindow()) return false;
    m_pressed = std::move(pressed);
    return m_recorder.Start(m_window);
}

void KeyCapture::Stop() {
    m_recorder.Stop();
    m_pressed = nullptr;
}

// A plain hidden window on the page's thread: it receives the raw input, and
// destroying it with the page ends any registration naming it.
bool KeyCapture::MakeWindow() {
    if (m_window) return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);  // fails harmlessly when a second page registered it first
    m_window = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!m_window) return false;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

LRESULT CALLBACK KeyCapture::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT) {
        if (auto* capture = reinterpret_cast<KeyCapture*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            capture->OnInput(reinterpret_cast<HRAWINPUT>(lParam));
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void KeyCapture::OnInput(HRAWINPUT input) {
    std::vector<InputEvent> events = m_recorder.Read(input);
    for (const InputEvent& event : events) {
        // The handler may end this capture; a copy keeps it alive until it returns.
        KeyPressed pressed = m_pressed;
        if (pressed && event.kind == InputKind::kKey && !event.released) pressed(event.code);
    }
}
