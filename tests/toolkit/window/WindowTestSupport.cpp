#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Manager.h"

namespace wintest {

namespace {

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Kelvo::Manager::InitGdiplus();
        Kelvo::Manager::SetInstance(GetModuleHandleW(nullptr));
    }
    void TearDown() override { Kelvo::Manager::UnInitGdiplus(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

constexpr int kSettleMs = 40;

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

constexpr wchar_t kOwnerClass[] = L"KelvoWindowTestOwner";

}  // namespace

void Pump(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    MSG msg;
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(2);
    }
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done() && std::chrono::steady_clock::now() < end) Pump(5);
    return done();
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Mouse(MOUSEEVENTF_MOVE);  // a move of nothing, so the position also arrives as input
    Pump(kSettleMs);
}

void LeftDown() {
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Pump(kSettleMs);
}

void LeftUp() {
    Mouse(MOUSEEVENTF_LEFTUP);
    Pump(kSettleMs);
}

void Click(POINT screen) {
    MoveTo(screen);
    LeftDown();
    LeftUp();
}

void Key(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
    Pump(kSettleMs);
}

void DragOnThread(POINT from, POINT to) {
    std::atomic<bool> finished{false};
    std::thread driver([&] {
        SetCursorPos(from.x, from.y);
        Mouse(MOUSEEVENTF_MOVE);
        Sleep(80);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Sleep(150);
        constexpr int kSteps = 10;
        for (int step = 1; step <= kSteps; ++step) {
            SetCursorPos(from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps);
            Mouse(MOUSEEVENTF_MOVE);
            Sleep(40);
        }
        Sleep(100);
        Mouse(MOUSEEVENTF_LEFTUP);
        Sleep(150);
        finished = true;
    });
    // The window's thread keeps running its messages (and the system's loop inside them).
    while (!finished) Pump(10);
    driver.join();
    Pump(kSettleMs);
}

POINT ScreenOf(HWND window, CPoint client) {
    POINT point{client.x, client.y};
    ClientToScreen(window, &point);
    return point;
}

DWORD BufferRgb(Kelvo::PaintManager& manager, int x, int y) { return manager.GetBufferPixel(x, y) & 0xFFFFFF; }

void PaintNow(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    Pump(20);
}

CRect WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return CRect(r.left, r.top, r.right, r.bottom);
}

CRect WorkArea() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return CRect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
}

OwnerWindow::OwnerWindow(CRect screen) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = kOwnerClass;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    m_hwnd = CreateWindowExW(0, kOwnerClass, L"Owner", WS_POPUP | WS_VISIBLE, screen.left, screen.top, screen.Width(),
                             screen.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(m_hwnd);
    Pump(30);
}

OwnerWindow::~OwnerWindow() {
    if (m_hwnd && IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
}

LRESULT CALLBACK OwnerWindow::Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && msg >= WM_USER && msg < 0x8000) self->received.push_back({msg, wparam, lparam});
    return DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace wintest
