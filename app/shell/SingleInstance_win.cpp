#include "SingleInstance.h"

#include "Product.h"

bool SingleInstance::Claim() {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, product::kName);
    DWORD error = GetLastError();
    if (mutex && error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    return true;
}

HWND SingleInstance::FindRunningWindow() {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); IsWindow(window);
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetPropW(window, product::kName)) return window;
    }
    return nullptr;
}

bool SingleInstance::ActivateRunning() {
    HWND window = FindRunningWindow();
    if (!window) return false;
    SetForegroundWindow(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    BringWindowToTop(window);
    return true;
}

void SingleInstance::Mark(HWND window) { SetPropW(window, product::kName, reinterpret_cast<HANDLE>(1)); }

void SingleInstance::Unmark(HWND window) { RemovePropW(window, product::kName); }
