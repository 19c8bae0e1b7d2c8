#pragma once
// What the dialog tests share: texts from the shipped language files, steps run from
// inside a dialog's modal loop, a guard that ends a modal loop a failed step left
// running, and screenshots kept with the test results.
#include <windows.h>

#include <functional>
#include <string>

#include "CUIMessageBox.h"

namespace uitest {

// Texts of the shipped language file of `language` (assets/language/<language>.lan).
TextById ShippedTexts(int language);

// Runs `step` once, `delayMs` from now, from inside whatever message loop is running
// then (a dialog's modal loop). A step must not run messages after it closed a dialog:
// the modal loop has to see the close itself.
void RunSoon(std::function<void()> step, UINT delayMs = 150);

// The dialog of this caption, made by the program's toolkit; null when there is none.
HWND FindDialog(const wchar_t* caption);
template <class Dialog>
Dialog* DialogObject(HWND window) {
    return static_cast<Dialog*>(reinterpret_cast<Kelvo::MWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
}

// Closes the dialog of `caption` with kAbandoned when it is still open after some
// seconds, so a failed step fails the test instead of hanging it.
class ModalGuard {
public:
    static constexpr UINT kAbandoned = 0xBAD;
    explicit ModalGuard(const wchar_t* caption);
    ~ModalGuard();
    // It had to close the dialog: nothing else did.
    bool Fired() const;

private:
    UINT_PTR m_timer = 0;
};

// Copies what the screen shows of `window` to <build>/Testing/screenshots/<name>;
// empty on success, else what went wrong.
std::wstring KeepScreenshot(HWND window, const wchar_t* name);
// 0xRRGGBB of what the screen shows at a client point of `window`.
DWORD ScreenRgb(HWND window, CPoint client);

// Sends a left click at a client point of `window` without running messages afterwards,
// so the loop that runs the window sees the release and what it starts.
void ClickWithoutPumping(HWND window, CPoint client);

}  // namespace uitest
