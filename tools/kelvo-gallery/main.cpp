// kelvo-gallery: a window with every toolkit control built so far, one page per family of
// controls, each shown in its states next to live samples. Run it under Wine to look at
// the toolkit:
//   build/win/wine-run build/win/tests-bin/kelvo-gallery.exe
// With --screenshot FOLDER it shows each page in turn, copies what the screen shows of it
// (and of the windows the page opens) to FOLDER\kelvo-gallery-<page>.png, checks that the
// picture shows what was painted, and exits: 0 on success, 1 when a window cannot be
// made, 2 when the screen does not show what was painted, 3 when a file cannot be written.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "Manager.h"

#include "GalleryDialog.h"
#include "Screenshot.h"

namespace {

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

// Shows one page, copies the screen and checks the gallery's frame and the page's pixels.
int TakeScreenshot(gallery::GalleryDialog& dialog, std::size_t index, const std::wstring& folder) {
    dialog.ShowPage(index);
    gallery::GalleryPage& page = *dialog.Pages()[index];
    const std::vector<HWND> extra = page.BeforeScreenshot(dialog);
    Pump(700);  // the first paints, and a few animation steps
    const CRect frame = RectOf(dialog.GetSafeHwnd());
    CRect area = frame;
    for (HWND window : extra) area.UnionRect(area, RectOf(window));
    const gallery::Screenshot shot(area);

    std::vector<gallery::PixelCheck> checks = {
        {L"the gallery's border", CPoint(0, 0), 0x6D6D6D},
        {L"the gallery's fill", CPoint(8, frame.Height() - 8), 0x03060B},
    };
    for (gallery::PixelCheck& check : page.Checks(dialog)) checks.push_back(check);
    int status = 0;
    for (const auto& check : checks) {
        const DWORD seen = shot.PixelAt(frame.left + check.client.x, frame.top + check.client.y);
        if (seen != check.rgb) {
            wchar_t line[256];
            std::swprintf(line, 256, L"page %ls: the screen does not show %ls: 0x%06lX at (%d, %d), expected 0x%06lX",
                          page.Name(), check.what.c_str(), static_cast<unsigned long>(seen), check.client.x,
                          check.client.y, static_cast<unsigned long>(check.rgb));
            Complain(line);
            status = 2;
        }
    }
    const std::wstring path = folder + L"\\kelvo-gallery-" + page.Name() + L".png";
    const std::wstring problem = shot.SavePng(path);
    page.AfterScreenshot(dialog);
    Pump(100);
    if (!problem.empty()) {
        Complain(problem + L": " + path);
        return 3;
    }
    return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring screenshots;
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--screenshot" && i + 1 < argc) {
            screenshots = argv[++i];
        } else {
            Complain(L"usage: kelvo-gallery [--screenshot FOLDER]");
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
                           CRect(0, 0, gallery::GalleryDialog::kWidth, gallery::GalleryDialog::kHeight))) {
            Complain(L"the gallery window could not be made");
            status = 1;
        } else {
            dialog.CenterWindow();
            if (screenshots.empty()) {
                dialog.ShowModal(SW_SHOWNORMAL);
            } else {
                dialog.ShowWindow(SW_SHOWNORMAL);
                ::SetForegroundWindow(dialog.GetSafeHwnd());
                for (std::size_t i = 0; i < dialog.Pages().size(); ++i) {
                    const int result = TakeScreenshot(dialog, i, screenshots);
                    if (result > status) status = result;
                }
                dialog.DestroyWindow();
            }
        }
    }
    Kelvo::Manager::UnInitGdiplus();
    return status;
}
