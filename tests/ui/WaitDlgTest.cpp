// The busy dialog over a stand-in main window that passes the worker's "model read
// finished (generation g)" message to the gate: it opens modally, animates, and closes
// when the finish of the newest read arrives, whenever that happens.
#include <gtest/gtest.h>

#include <string>

#include "CGifPicture.h"
#include "DialogTestSupport.h"
#include "WaitDlg.h"
#include "WindowTestSupport.h"

namespace {

using uitest::FindDialog;

// The message the main window receives from the device worker's listener.
constexpr UINT kModelReadFinished = WM_APP + 7;

// The main window as far as the busy dialog is concerned.
class MainWindowStandIn {
public:
    explicit MainWindowStandIn(CRect screen) {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Procedure;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
            wc.lpszClassName = L"MirevoUiTestMain";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_hwnd = CreateWindowExW(0, L"MirevoUiTestMain", L"Main", WS_POPUP | WS_VISIBLE, screen.left, screen.top,
                                 screen.Width(), screen.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(m_hwnd);
        wintest::Pump(30);
    }
    ~MainWindowStandIn() { DestroyWindow(m_hwnd); }

    HWND Handle() const { return m_hwnd; }
    void PostFinished(BusyDialogGate::Generation generation) { PostMessageW(m_hwnd, kModelReadFinished, generation, 0); }

    BusyDialogGate gate;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
        auto* self = reinterpret_cast<MainWindowStandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && msg == kModelReadFinished) {
            self->gate.Finished(static_cast<BusyDialogGate::Generation>(wparam));
            return 0;
        }
        return DefWindowProcW(window, msg, wparam, lparam);
    }
    HWND m_hwnd = nullptr;
};

// Counts the busy dialogs made on this thread while it lives.
class CreationCounter {
public:
    CreationCounter() { s_count = 0, m_hook = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId()); }
    ~CreationCounter() { UnhookWindowsHookEx(m_hook); }
    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam) {
        if (code == HCBT_CREATEWND) {
            const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
            if (create->lpszName && std::wstring(create->lpszName) == L"WaitDlg") ++s_count;
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }
    static inline int s_count = 0;
    HHOOK m_hook = nullptr;
};

const CRect kMainRect(100, 100, 700, 500);

TEST(WaitDlg, OpensModallyAnimatesAndClosesOnTheFinishMessage) {
    MainWindowStandIn main(kMainRect);
    const auto generation = main.gate.Begin();
    struct {
        bool found = false;
        CRect window;
        LONG_PTR exStyle = 0;
        bool ownerDisabled = false;
        int firstFrame = -1;
        bool animated = false;
        std::wstring shotError;
    } seen;
    uitest::RunSoon([&] {
        HWND window = FindDialog(L"WaitDlg");
        if (!window) return;
        seen.found = true;
        seen.window = wintest::WindowRect(window);
        seen.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        seen.ownerDisabled = !IsWindowEnabled(main.Handle());
        auto* animation = static_cast<Kelvo::CGifPicture*>(
            uitest::DialogObject<WaitDlg>(window)->GetControl(WaitDlg::kAnimationId));
        if (animation) {
            seen.firstFrame = animation->GetFrameIndex();
            seen.animated = wintest::PumpUntil([&] { return animation->GetFrameIndex() != seen.firstFrame; });
        }
        seen.shotError = uitest::KeepScreenshot(window, L"ui-waitdlg.png");
        main.PostFinished(generation);
    });
    uitest::ModalGuard guard(L"WaitDlg");
    ShowWait(main.Handle(), main.gate);

    ASSERT_TRUE(seen.found) << "no window captioned WaitDlg";
    EXPECT_EQ(seen.window.Size(), CSize(102, 102));
    EXPECT_EQ(seen.window.CenterPoint(), kMainRect.CenterPoint()) << "centred on the main window";
    EXPECT_TRUE(seen.exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(seen.ownerDisabled) << "modal over the main window";
    EXPECT_TRUE(seen.animated) << "the loading animation stayed at frame " << seen.firstFrame;
    EXPECT_TRUE(seen.shotError.empty()) << std::string(seen.shotError.begin(), seen.shotError.end());
    EXPECT_FALSE(guard.Fired()) << "the finish message did not close it";
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
}

TEST(WaitDlg, AFinishThatCameFirstEndsItAtOnce) {
    const struct {
        const char* name;
        bool handledBeforeShowing;  // the window ran its messages before it would show the dialog
        int dialogsMade;
    } cases[] = {
        {"finish handled already: never shown", true, 0},
        {"finish still queued: the modal loop ends on it", false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowStandIn main(kMainRect);
        main.PostFinished(main.gate.Begin());
        if (c.handledBeforeShowing) wintest::Pump(50);
        CreationCounter made;
        uitest::ModalGuard guard(L"WaitDlg");
        ShowWait(main.Handle(), main.gate);
        EXPECT_EQ(made.Count(), c.dialogsMade);
        EXPECT_FALSE(guard.Fired()) << "the modal loop did not end by itself";
        EXPECT_TRUE(IsWindowEnabled(main.Handle()));
        EXPECT_FALSE(main.gate.ShouldShow());
    }
}

TEST(WaitDlg, AnOlderReadsFinishLeavesTheNewerReadsDialogOpen) {
    MainWindowStandIn main(kMainRect);
    const auto older = main.gate.Begin();
    const auto newer = main.gate.Begin();
    bool openAfterOlderFinish = false;
    uitest::RunSoon([&] {
        HWND window = FindDialog(L"WaitDlg");
        main.PostFinished(older);
        wintest::Pump(200);
        openAfterOlderFinish = window && IsWindow(window);
        main.PostFinished(newer);
    });
    uitest::ModalGuard guard(L"WaitDlg");
    ShowWait(main.Handle(), main.gate);
    EXPECT_TRUE(openAfterOlderFinish);
    EXPECT_FALSE(guard.Fired()) << "the newer read's finish did not close it";
}

}  // namespace
