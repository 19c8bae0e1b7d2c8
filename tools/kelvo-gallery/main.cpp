// kelvo-gallery: a window with every toolkit control built so far, in its states, with
// a menu and a popup window to open. Run it under Wine to look at the toolkit:
//   build/win/wine-run build/win/tests-bin/kelvo-gallery.exe
// With --screenshot FILE it opens the menu and the popup as well, copies what the screen
// shows of the three windows to FILE (PNG), checks that the picture shows them, and
// exits: 0 on success, 1 when a window cannot be made, 2 when the screen does not show
// what was painted, 3 when the file cannot be written.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "Manager.h"
#include "MenuWnd.h"

#include "GalleryDialog.h"
#include "Screenshot.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 420;

void Pump(int ms) {
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(ms);
    MSG msg;
    while (static_cast<int>(end - ::GetTickCount()) > 0) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

CRect RectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return CRect(r.left, r.top, r.right, r.bottom);
}

void Complain(const std::wstring& text) { std::fwprintf(stderr, L"kelvo-gallery: %ls\n", text.c_str()); }

// Opens the menu and the popup beside the gallery, copies the screen and checks that each
// window shows its own frame colour at its corner.
int TakeScreenshot(gallery::GalleryDialog& dialog, const std::wstring& path) {
    const CRect frame = RectOf(dialog.GetSafeHwnd());
    Kelvo::MenuWnd* menu = dialog.OpenMenu(CPoint(frame.left + 370, frame.top + 280), false);
    gallery::GalleryPopup* popup = dialog.OpenPopup(false);
    if (!menu || !popup) {
        Complain(L"the menu or the popup window could not be made");
        return 1;
    }
    Pump(500);  // the first paints
    const CRect menuRect = RectOf(menu->GetSafeHwnd());
    const CRect popupRect = RectOf(popup->GetSafeHwnd());
    CRect area;
    area.UnionRect(frame, menuRect);
    area.UnionRect(area, popupRect);
    const gallery::Screenshot shot(area);

    const struct {
        const wchar_t* what;
        CPoint at;
        DWORD rgb;
    } checks[] = {
        {L"the gallery's border", frame.TopLeft(), 0x6D6D6D},
        {L"the gallery's fill", CPoint(frame.left + 8, frame.bottom - 8), 0x03060B},
        {L"the menu's border in the selection colour", menuRect.TopLeft(), Kelvo::Manager::GetSelectColor() & 0xFFFFFF},
        {L"the menu's fill", CPoint(menuRect.left + 4, menuRect.top + 3), 0x333333},
        {L"the popup's fill", CPoint(popupRect.left + 2, popupRect.top + 2), 0x262A33},
    };
    int status = 0;
    for (const auto& check : checks) {
        const DWORD seen = shot.PixelAt(check.at.x, check.at.y);
        if (seen != check.rgb) {
            wchar_t line[160];
            std::swprintf(line, 160, L"the screen does not show %ls: 0x%06lX at (%d, %d), expected 0x%06lX", check.what,
                          static_cast<unsigned long>(seen), check.at.x, check.at.y, static_cast<unsigned long>(check.rgb));
            Complain(line);
            status = 2;
        }
    }
    const std::wstring problem = shot.SavePng(path);
    if (!problem.empty()) {
        Complain(problem + L": " + path);
        return 3;
    }
    menu->CloseWindow();
    popup->CloseWindow();
    Pump(100);
    return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring screenshot;
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--screenshot" && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            Complain(L"usage: kelvo-gallery [--screenshot FILE.png]");
            ::LocalFree(argv);
            return 1;
        }
    }
    if (argv) ::LocalFree(argv);

    Kelvo::Manager::InitGdiplus();
    Kelvo::Manager::SetInstance(instance);
    int status = 0;
    {
        gallery::GalleryDialog dialog;
        if (!dialog.Create(nullptr, L"Kelvo gallery", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                           CRect(0, 0, kWidth, kHeight))) {
            Complain(L"the gallery window could not be made");
            status = 1;
        } else {
            dialog.CenterWindow();
            if (screenshot.empty()) {
                dialog.ShowModal(SW_SHOWNORMAL);
            } else {
                dialog.ShowWindow(SW_SHOWNORMAL);
                ::SetForegroundWindow(dialog.GetSafeHwnd());
                status = TakeScreenshot(dialog, screenshot);
                dialog.DestroyWindow();
            }
        }
    }
    Kelvo::Manager::UnInitGdiplus();
    return status;
}
