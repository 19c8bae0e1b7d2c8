// The tray icon on a stand-in main window: what the shell is told, where the picture
// comes from, and the menu a right click opens, driven with real keys.
#include <gtest/gtest.h>

#include <string>

#include "DialogTestSupport.h"
#include "TrayIcon.h"
#include "WindowTestSupport.h"
#include "TestPaths.h"

namespace {

constexpr UINT kCallbackMessage = 1690;
constexpr int kEnglish = 1033;

const std::wstring kShippedSkin = testpaths::WindowsSource(L"assets\\skins\\theme1");

// A hidden top-level window that remembers the last command it received.
class MainWindowStandIn {
public:
    MainWindowStandIn() {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Procedure;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"MirevoTrayTestMain";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_hwnd = CreateWindowExW(0, L"MirevoTrayTestMain", L"Main", WS_POPUP, 100, 100, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MainWindowStandIn() { DestroyWindow(m_hwnd); }

    HWND Handle() const { return m_hwnd; }
    UINT command = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
        auto* self = reinterpret_cast<MainWindowStandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && msg == WM_COMMAND) self->command = LOWORD(wparam);
        return DefWindowProcW(window, msg, wparam, lparam);
    }
    HWND m_hwnd = nullptr;
};

// Tells the shell about the window's icon directly, bypassing the class.
bool Shell(DWORD action, HWND window) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = TrayIcon::kIconId;
    return Shell_NotifyIconW(action, &record) != FALSE;
}

// Only an icon the shell holds can be changed.
bool ShellHasIcon(HWND window) { return Shell(NIM_MODIFY, window); }

bool AddShipped(TrayIcon& tray, HWND window) { return tray.Add(window, kCallbackMessage, L"Corvane", kShippedSkin.c_str()); }

TEST(TrayIcon, AddShowsTheIconAndRemoveTakesItAwayEvenTwice) {
    MainWindowStandIn main;
    TrayIcon tray(uitest::ShippedTexts(kEnglish));
    ASSERT_TRUE(AddShipped(tray, main.Handle()));
    EXPECT_TRUE(tray.Shown());
    EXPECT_TRUE(ShellHasIcon(main.Handle()));

    tray.Remove();
    EXPECT_FALSE(tray.Shown());
    EXPECT_FALSE(ShellHasIcon(main.Handle()));
    // A second Remove must not take away an icon the window shows by now.
    ASSERT_TRUE(Shell(NIM_ADD, main.Handle()));
    tray.Remove();
    EXPECT_FALSE(tray.Shown());
    EXPECT_TRUE(ShellHasIcon(main.Handle()));
    Shell(NIM_DELETE, main.Handle());
}

TEST(TrayIcon, TaskbarCreatedBringsTheIconBackUntilRemoved) {
    MainWindowStandIn main;
    TrayIcon tray(uitest::ShippedTexts(kEnglish));
    ASSERT_TRUE(AddShipped(tray, main.Handle()));
    // A restarted taskbar has forgotten every icon.
    ASSERT_TRUE(Shell(NIM_DELETE, main.Handle()));

    EXPECT_TRUE(tray.Readd());
    EXPECT_TRUE(ShellHasIcon(main.Handle()));

    tray.Remove();
    EXPECT_FALSE(tray.Readd());
    EXPECT_FALSE(ShellHasIcon(main.Handle()));
}

TEST(TrayIcon, RefusedByTheShellReportsFailureAndComesWithTheNextTaskbar) {
    MainWindowStandIn main;
    // The shell refuses a second icon of the same window and identifier, as it refuses
    // every icon while no taskbar runs.
    ASSERT_TRUE(Shell(NIM_ADD, main.Handle()));

    TrayIcon tray(uitest::ShippedTexts(kEnglish));
    EXPECT_FALSE(AddShipped(tray, main.Handle()));
    EXPECT_FALSE(tray.Shown());

    Shell(NIM_DELETE, main.Handle());
    EXPECT_TRUE(tray.Readd());
    EXPECT_TRUE(tray.Shown());
    tray.Remove();
    EXPECT_FALSE(ShellHasIcon(main.Handle()));
}

TEST(TrayIcon, EndOfTheOwnerTakesTheIconAway) {
    MainWindowStandIn main;
    {
        TrayIcon tray(uitest::ShippedTexts(kEnglish));
        ASSERT_TRUE(AddShipped(tray, main.Handle()));
    }
    EXPECT_FALSE(ShellHasIcon(main.Handle()));
}

TEST(TrayIcon, PictureComesFromTheSkinAndFallsBackToTheProgramsIcon) {
    const std::wstring emptyFolder = testpaths::WindowsSource(L"tests\\ui");
    // A file of that name that is no icon at all.
    wchar_t brokenFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, brokenFolder);
    const std::wstring brokenFile = std::wstring(brokenFolder) + TrayIcon::kIconFile;
    HANDLE file = CreateFileW(brokenFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "not an icon", 11, &written, nullptr);
    CloseHandle(file);

    const struct {
        const char* name;
        std::wstring folder;
        TrayIcon::IconSource source;
    } cases[] = {
        {"shipped skin", kShippedSkin, TrayIcon::IconSource::kSkinFile},
        {"skin without the icon", emptyFolder, TrayIcon::IconSource::kResource},
        {"missing skin folder", testpaths::WindowsSource(L"no-such-skin"), TrayIcon::IconSource::kResource},
        {"icon file that does not load", brokenFolder, TrayIcon::IconSource::kResource},
    };
    MainWindowStandIn main;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TrayIcon tray(uitest::ShippedTexts(kEnglish));
        EXPECT_TRUE(tray.Add(main.Handle(), kCallbackMessage, L"Corvane", c.folder.c_str()));
        EXPECT_EQ(tray.Source(), c.source);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(tray.Icon(), &info));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    DeleteFileW(brokenFile.c_str());
}

TEST(TrayIcon, MenuHoldsExitAndAboutFromTheLanguageFileAboutGreyedUntilEnabled) {
    for (const bool aboutEnabled : {false, true}) {
        SCOPED_TRACE(aboutEnabled ? "About enabled" : "About not yet enabled");
        TrayIcon tray(uitest::ShippedTexts(kEnglish));
        tray.EnableAbout(aboutEnabled);
        HMENU menu = tray.BuildMenu();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), 2);
        const struct {
            UINT command;
            const wchar_t* text;
            bool greyed;
        } items[] = {{TrayIcon::kExitCommand, L"Exit", false}, {TrayIcon::kAboutCommand, L"About", !aboutEnabled}};
        for (int position = 0; position < 2; ++position) {
            wchar_t text[64]{};
            GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(menu, position), items[position].command);
            EXPECT_STREQ(text, items[position].text);
            EXPECT_EQ((GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0, items[position].greyed);
        }
        DestroyMenu(menu);
    }
}

void PressWithoutPumping(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

void CALLBACK CloseStrayMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

TEST(TrayIcon, RightClickOpensTheMenuAtThePointerAndExitReachesTheWindow) {
    MainWindowStandIn main;
    TrayIcon tray(uitest::ShippedTexts(kEnglish));
    AddShipped(tray, main.Handle());
    const POINT pointer{400, 300};
    SetCursorPos(pointer.x, pointer.y);
    wintest::Pump(50);

    RECT menuRect{};
    HWND foreground = nullptr;
    uitest::RunSoon([&] {
        // The menu must not outlive a failed step: the test would hang in it.
        SetTimer(nullptr, 0, 3000, CloseStrayMenu);
        foreground = GetForegroundWindow();
        if (HWND popup = FindWindowW(L"#32768", nullptr)) GetWindowRect(popup, &menuRect);
        // The menu loop reads the keys itself; pumping here would take them from it.
        PressWithoutPumping(VK_DOWN);
        PressWithoutPumping(VK_RETURN);
    });
    tray.HandleMessage(TrayIcon::kIconId, WM_RBUTTONUP);
    ASSERT_TRUE(wintest::PumpUntil([&] { return main.command != 0; }));

    EXPECT_EQ(main.command, TrayIcon::kExitCommand);
    EXPECT_EQ(foreground, main.Handle());
    EXPECT_EQ(menuRect.left, pointer.x);
    EXPECT_EQ(menuRect.top, pointer.y);
}

TEST(TrayIcon, LeftClickAndDoubleClickBringTheHiddenWindowBackOtherMouseMessagesDoNot) {
    const struct {
        UINT message;
        bool restores;
    } cases[] = {{WM_LBUTTONDOWN, true}, {WM_LBUTTONDBLCLK, true}, {WM_MOUSEMOVE, false}, {WM_LBUTTONUP, false},
                 {WM_RBUTTONDOWN, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        MainWindowStandIn main;
        TrayIcon tray(uitest::ShippedTexts(kEnglish));
        AddShipped(tray, main.Handle());

        tray.HandleMessage(TrayIcon::kIconId, c.message);
        wintest::Pump(50);
        EXPECT_EQ(IsWindowVisible(main.Handle()) != FALSE, c.restores);
        if (c.restores) {
            EXPECT_EQ(GetForegroundWindow(), main.Handle());
        }
    }
}

}  // namespace
