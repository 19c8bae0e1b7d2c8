#include "DialogTestSupport.h"

#include <utility>

#include "MWindow.h"
#include "Screenshot.h"
#include "TextLookup.h"
#include "WindowTestSupport.h"
#include "TestPaths.h"

namespace uitest {

namespace {

constexpr UINT kGuardMs = 8000;

std::wstring SourceFolder() { return testpaths::WindowsSource() + L"\\"; }

std::function<void()>& PendingStep() {
    static std::function<void()> step;
    return step;
}

UINT_PTR& PendingTimer() {
    static UINT_PTR timer = 0;
    return timer;
}

void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);  // once, even when the step runs messages
    PendingTimer() = 0;
    std::function<void()> step = std::move(PendingStep());
    PendingStep() = nullptr;
    if (step) step();
}

const wchar_t*& GuardedCaption() {
    static const wchar_t* caption = nullptr;
    return caption;
}

bool& GuardFired() {
    static bool fired = false;
    return fired;
}

void CALLBACK AbandonDialog(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dialog = FindDialog(GuardedCaption());
    if (!dialog) return;
    GuardFired() = true;
    PostMessageW(dialog, WM_CLOSE, ModalGuard::kAbandoned, 0);
}

}  // namespace

TextById ShippedTexts(int language) {
    return [language](int id) {
        LanguageFileReader reader;
        return LookupText(reader, CString((SourceFolder() + L"assets\\").c_str()), language, L"LAN", id);
    };
}

void RunSoon(std::function<void()> step, UINT delayMs) {
    // A step that never ran (its dialog never opened) must not run in a later test.
    if (PendingTimer()) KillTimer(nullptr, PendingTimer());
    PendingStep() = std::move(step);
    PendingTimer() = SetTimer(nullptr, 0, delayMs, RunPendingStep);
}

HWND FindDialog(const wchar_t* caption) { return FindWindowW(L"MWindow", caption); }

ModalGuard::ModalGuard(const wchar_t* caption) {
    GuardedCaption() = caption;
    GuardFired() = false;
    m_timer = SetTimer(nullptr, 0, kGuardMs, AbandonDialog);
}

bool ModalGuard::Fired() const { return GuardFired(); }

ModalGuard::~ModalGuard() {
    if (m_timer) KillTimer(nullptr, m_timer);
}

std::wstring KeepScreenshot(HWND window, const wchar_t* name) {
    const gallery::Screenshot shot(wintest::WindowRect(window));
    return shot.SavePng(testpaths::WindowsBuild(L"Testing\\screenshots\\") + name);
}

DWORD ScreenRgb(HWND window, CPoint client) {
    const POINT at = wintest::ScreenOf(window, client);
    const gallery::Screenshot shot(CRect(at.x, at.y, at.x + 1, at.y + 1));
    return shot.PixelAt(at.x, at.y);
}

void ClickWithoutPumping(HWND window, CPoint client) {
    wintest::MoveTo(wintest::ScreenOf(window, client));
    wintest::LeftDown();
    INPUT up{};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &up, sizeof up);
}

}  // namespace uitest
