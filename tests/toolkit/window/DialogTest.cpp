// Dialogs in real windows under the display: controls made from the class-name tables,
// the modal loop and its result, creation failure, the cursor, caption drag, resize
// limits and per-pixel alpha.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlFactory.h"
#include "CScrollVertical.h"
#include "MDialog.h"
#include "MPanel.h"
#include "Manager.h"
#include "MenuItem.h"
#include "WindowTestSupport.h"

using namespace Kelvo;
using namespace wintest;

namespace {

constexpr DWORD kBlue = 0xFF3768FA;
constexpr DWORD kGreen = 0xFF20C040;

// A dialog that creates a checked item (its pressed column is the highlight) in the
// control list and another in the area list, and records how it was set up.
class SampleDialog : public MDialog {
public:
    void InitUI(CRect client) override {
        calls.push_back("InitUI");
        initClient = client;
        item = static_cast<MenuItem*>(CreateControl(L"MenuItem", 7, CRect(20, 20, 120, 50), L"", 1, 1));
        area = static_cast<MenuItem*>(CreateArea(L"MenuItem", 8, CRect(20, 80, 120, 110), L"", 1, 1));
        for (auto [control, colour] : {std::pair{item, kBlue}, std::pair{area, kGreen}}) {
            if (!control) continue;
            control->SetHighlightColor(colour);
            control->SetControlCheck(1);
        }
        unknown = CreateControl(L"MouseCtrl", 9, CRect(0, 0, 10, 10), L"", 1, 1);
    }
    void UISize(CRect client) override {
        calls.push_back(item ? "UISize" : "UISize before InitUI");
        sizeClient = client;
    }
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
        if (msg == WM_CREATE && refuseCreation) return -1;
        if (msg == WM_NCHITTEST && sizeGrip) {
            // A corner grip, as an application with a resizable borderless window has.
            POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
            ScreenToClient(&point);
            RECT client{};
            GetClientRect(&client);
            if (point.x >= client.right - 12 && point.y >= client.bottom - 12) return HTBOTTOMRIGHT;
        }
        return MDialog::OnWindowMessage(msg, wparam, lparam);
    }

    std::vector<std::string> calls;
    CRect initClient, sizeClient;
    MenuItem* item = nullptr;
    MenuItem* area = nullptr;
    MControl* unknown = reinterpret_cast<MControl*>(1);
    bool refuseCreation = false;
    bool sizeGrip = false;
};

HWND CreateSample(SampleDialog& dialog, CRect screen = CRect(200, 150, 500, 350), HWND parent = nullptr) {
    return dialog.Create(parent, L"Sample", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, screen);
}

TEST(ControlFactory, MakesTheClassesOfItsTableAndNothingElse) {
    struct Case {
        const wchar_t* name;
        bool panel;
        bool made;
    };
    const Case cases[] = {
        {L"MenuItem", false, true}, {L"MenuItem", true, true},    {L"menuitem", false, false},
        {L"MenuItem ", false, false}, {L"MouseCtrl", false, false}, {L"", true, false},
        {nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? std::wstring(c.name).size() : 0);
        MControl* control = c.panel ? CreatePanelControl(c.name, nullptr, 3, CRect(1, 2, 30, 40), L"T", 1, 0)
                                    : CreateDialogControl(c.name, nullptr, 3, CRect(1, 2, 30, 40), L"T", 1, 0);
        ASSERT_EQ(control != nullptr, c.made);
        if (!control) continue;
        EXPECT_STREQ(control->GetClassNameW(), c.name);
        EXPECT_EQ(control->GetControlID(), 3u);
        EXPECT_EQ(control->GetRect(), CRect(1, 2, 30, 40));
        EXPECT_EQ(control->IsVisible(), 1);
        EXPECT_EQ(control->IsEnabled(), 0);
        delete control;
    }
}

TEST(Dialog, ShowsTheControlsItMadeByClassName) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    dialog.ShowWindow(SW_SHOW);
    PaintNow(dialog.GetSafeHwnd());
    ASSERT_NE(dialog.item, nullptr);
    ASSERT_NE(dialog.area, nullptr);
    EXPECT_EQ(dialog.unknown, nullptr);
    EXPECT_EQ(dialog.GetControls().size(), 1u);
    EXPECT_EQ(dialog.GetControl(8), dialog.area);
    EXPECT_EQ(dialog.item->GetParantObject(), &dialog);

    struct Probe {
        int x, y;
        DWORD rgb;
    };
    const Probe probes[] = {
        {0, 0, 0x6D6D6D},      // border of a dialog without a background image
        {299, 199, 0x6D6D6D},  //
        {10, 10, 0x03060B},    // the fill
        {70, 35, 0x3768FA},    // the control's pressed (checked) column
        {70, 95, 0x20C040},    // the area's
        {70, 65, 0x03060B},    // between them
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(BufferRgb(dialog.GetPaintManager(), p.x, p.y), p.rgb);
    }
    dialog.DestroyWindow();
}

TEST(Dialog, LaysItselfOutOnceItsControlsExist) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    ASSERT_GE(dialog.calls.size(), 2u);
    EXPECT_EQ(dialog.calls[0], "InitUI");
    EXPECT_EQ(dialog.calls[1], "UISize");
    EXPECT_EQ(dialog.initClient, CRect(0, 0, 300, 200));
    EXPECT_EQ(dialog.sizeClient, CRect(0, 0, 300, 200));
    EXPECT_EQ(dialog.GetPaintManager().GetCaptionRect(), CRect(0, 0, 300, 200));

    dialog.SetCaptionRect(CRect(0, 0, 300, 30));
    dialog.MoveWindow(200, 150, 400, 250, TRUE);
    Pump(20);
    EXPECT_EQ(dialog.calls.back(), "UISize");
    EXPECT_EQ(dialog.sizeClient, CRect(0, 0, 400, 250));
    EXPECT_EQ(dialog.GetPaintManager().GetCaptionRect(), CRect(0, 0, 400, 250)) << "every resize resets the caption";
    for (const std::string& call : dialog.calls) EXPECT_NE(call, "UISize before InitUI");
    EXPECT_EQ(dialog.GetStyle() & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_EQ(dialog.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), DWORD(WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    dialog.DestroyWindow();
}

// Each case closes the dialog from inside its modal loop.
struct CloseCase {
    const char* name;
    std::function<void(SampleDialog&)> close;
    UINT result;
};

SampleDialog* g_running = nullptr;
std::function<void(SampleDialog&)> g_close;
bool g_ownerWasDisabled = false;

void CALLBACK CloseFromTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (!g_running) return;
    HWND owner = GetWindow(g_running->GetSafeHwnd(), GW_OWNER);
    g_ownerWasDisabled = owner && !IsWindowEnabled(owner);
    g_close(*g_running);
}

TEST(Dialog, ShowModalReturnsTheResultOfItsClose) {
    const CloseCase cases[] = {
        {"DoOK", [](SampleDialog& d) { d.DoOK(); }, IDOK},
        {"DoCancel", [](SampleDialog& d) { d.DoCancel(); }, IDCANCEL},
        {"DoClose", [](SampleDialog& d) { d.DoClose(); }, IDCANCEL},
        {"DoYes", [](SampleDialog& d) { d.DoYes(); }, IDYES},
        {"DoNo", [](SampleDialog& d) { d.DoNo(); }, IDNO},
        {"close request 42", [](SampleDialog& d) { d.PostMessageW(kUserCloseMessage, 42, 0); }, 42},
        {"destroyed directly", [](SampleDialog& d) { d.DestroyWindow(); }, 0},
    };
    OwnerWindow owner(CRect(100, 100, 700, 500));
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        SampleDialog dialog;
        ASSERT_NE(CreateSample(dialog, CRect(200, 150, 500, 350), owner.Handle()), nullptr);
        g_running = &dialog;
        g_close = c.close;
        g_ownerWasDisabled = false;
        dialog.SetTimer(1, 30, CloseFromTimer);
        EXPECT_EQ(dialog.ShowModal(), c.result);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
        EXPECT_TRUE(g_ownerWasDisabled);
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
        g_running = nullptr;
    }
}

TEST(Dialog, QuitEndsTheModalLoopAndReachesTheEnclosingLoop) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    PostQuitMessage(5);
    EXPECT_EQ(dialog.ShowModal(), 0u);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_NE(dialog.GetSafeHwnd(), nullptr) << "the window stays for its owner to close";
    dialog.DestroyWindow();
    EXPECT_EQ(SampleDialog().ShowModal(), 0xFFFFFFFFu) << "no window";
}

TEST(Dialog, ACreationThatFailsKeepsNothing) {
    struct Case {
        const char* name;
        bool refuse;
        HWND parent;
    };
    const Case cases[] = {
        {"WM_CREATE refused", true, nullptr},
        {"parent that is no window", false, reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SampleDialog dialog;
        dialog.refuseCreation = c.refuse;
        EXPECT_EQ(CreateSample(dialog, CRect(200, 150, 500, 350), c.parent), nullptr);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
        EXPECT_FALSE(Manager::HasWnd(&dialog));
        EXPECT_TRUE(dialog.calls.empty()) << "no InitUI without a window";
        EXPECT_TRUE(dialog.GetControls().empty());
        EXPECT_EQ(dialog.ShowModal(), 0xFFFFFFFFu);
        // The same object can make its window afterwards.
        dialog.refuseCreation = false;
        ASSERT_NE(CreateSample(dialog), nullptr);
        EXPECT_TRUE(Manager::HasWnd(&dialog));
        dialog.DestroyWindow();
        EXPECT_FALSE(Manager::HasWnd(&dialog));
    }
}

TEST(Dialog, ArrowEverywhereButOverAControlWithItsOwnCursor) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    dialog.ShowWindow(SW_SHOW);
    SetForegroundWindow(dialog.GetSafeHwnd());
    PaintNow(dialog.GetSafeHwnd());
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(dialog.GetSafeHwnd(), GCLP_HCURSOR)), arrow);
    dialog.item->SetCursorEx(L"hand");

    const struct {
        CPoint where;
        HCURSOR expected;
    } steps[] = {{{70, 35}, hand}, {{200, 150}, arrow}, {{70, 40}, hand}, {{70, 65}, arrow}};
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));  // brought in from elsewhere
    for (const auto& step : steps) {
        MoveTo(ScreenOf(dialog.GetSafeHwnd(), step.where));
        EXPECT_EQ(GetCursor(), step.expected) << step.where.x << "," << step.where.y;
    }
    dialog.DestroyWindow();
}

// The window asks for the cursor (WM_SETCURSOR) before every move reaches a control: a
// button that shows the hand must keep it through that request, inside a scrolled panel
// too, where the button's rectangle is in the panel's content coordinates.
TEST(Dialog, TheHandStaysOverButtonsThroughTheWindowsCursorRequests) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    // A panel at (150, 20) - (290, 120) whose content reaches 100 pixels below it,
    // scrolled to the end (90 pixels): its last button shows at (160, 90) - (260, 120).
    auto* panel = new MPanel(&dialog, 20, CRect(), 1);
    dialog.GetPaintManager().AttachControl(1, panel);
    panel->CreateControl(L"MButton", 21, CRect(160, 30, 260, 60), L"", 1, 1);
    panel->CreateControl(L"MButton", 22, CRect(160, 180, 260, 210), L"", 1, 1);
    panel->SetControlRect(CRect(150, 20, 290, 120));
    panel->GetVerticalBar()->SetScrollCurrentPos(panel->GetVerticalBar()->GetScrollMaxRange());
    MControl* disabled = dialog.CreateControl(L"MButton", 23, CRect(20, 130, 120, 160), L"", 1, 0);
    ASSERT_NE(disabled, nullptr);
    dialog.CreateControl(L"MButton", 24, CRect(20, 160, 120, 190), L"", 1, 1);
    dialog.ShowWindow(SW_SHOW);
    SetForegroundWindow(dialog.GetSafeHwnd());
    PaintNow(dialog.GetSafeHwnd());
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);

    const struct {
        const char* what;
        CPoint where;
        HCURSOR expected;
    } steps[] = {
        {"a button of the dialog", {70, 175}, hand},
        {"a disabled button", {70, 145}, arrow},
        {"the scrolled button", {200, 105}, hand},
        {"where the scrolled button lies unscrolled, now empty", {200, 45}, arrow},
        {"the dialog", {230, 170}, arrow},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        MoveTo(ScreenOf(dialog.GetSafeHwnd(), step.where));
        Pump(20);
        // What the system sends before the next move; no flicker to the arrow in between.
        SendMessageW(dialog.GetSafeHwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.GetSafeHwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), step.expected);
    }
    dialog.DestroyWindow();
}

TEST(Dialog, DraggingTheCaptionMovesTheWindowWhileEnabled) {
    const struct {
        const char* name;
        int enabled;
        CPoint press;
        CPoint moved;
    } cases[] = {
        {"empty caption", 1, {200, 150}, {60, 40}},
        {"dragging disabled", 0, {200, 150}, {0, 0}},
        {"press on a control", 1, {70, 35}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SampleDialog dialog;
        ASSERT_NE(CreateSample(dialog), nullptr);
        dialog.EnableWndDrag(c.enabled);
        dialog.ShowWindow(SW_SHOW);
        SetForegroundWindow(dialog.GetSafeHwnd());
        PaintNow(dialog.GetSafeHwnd());
        const CRect before = WindowRect(dialog.GetSafeHwnd());
        const POINT from = ScreenOf(dialog.GetSafeHwnd(), c.press);
        DragOnThread(from, POINT{from.x + 60, from.y + 40});
        const CRect after = WindowRect(dialog.GetSafeHwnd());
        EXPECT_EQ(after.left - before.left, c.moved.x);
        EXPECT_EQ(after.top - before.top, c.moved.y);
        EXPECT_EQ(after.Size(), before.Size());
        dialog.DestroyWindow();
    }
}

TEST(Dialog, TheUserResizesOnlyWithinTheLimits) {
    const struct {
        const char* name;
        CPoint drag;  // from the bottom-right corner
        CSize size;
    } cases[] = {
        {"grown past the largest size", {300, 300}, {420, 300}},
        {"shrunk past the smallest size", {-250, -180}, {200, 120}},
        {"within the limits", {50, 20}, {350, 220}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SampleDialog dialog;
        dialog.sizeGrip = true;
        ASSERT_NE(CreateSample(dialog), nullptr);
        dialog.SetWindowMinSize(200, 120);
        dialog.SetWindowMaxSize(420, 300);
        dialog.ShowWindow(SW_SHOW);
        SetForegroundWindow(dialog.GetSafeHwnd());
        PaintNow(dialog.GetSafeHwnd());
        const POINT corner = ScreenOf(dialog.GetSafeHwnd(), CPoint(296, 196));
        DragOnThread(corner, POINT{corner.x + c.drag.x, corner.y + c.drag.y});
        // Wine's sizing loop keeps the pointer inside a rectangle whose far edge is
        // exclusive, so it stops one pixel short of the largest size; never beyond it.
        const CSize size = WindowRect(dialog.GetSafeHwnd()).Size();
        EXPECT_LE(c.size.cx - size.cx, 1);
        EXPECT_LE(c.size.cy - size.cy, 1);
        EXPECT_LE(size.cx, c.size.cx);
        EXPECT_LE(size.cy, c.size.cy);
        EXPECT_EQ(dialog.sizeClient.Size(), size) << "laid out at the new size";
        dialog.DestroyWindow();
    }
}

TEST(Dialog, MaximisesToTheWorkAreaAndBack) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog), nullptr);
    dialog.ShowWindow(SW_SHOW);
    dialog.OnMaximize();
    Pump(50);
    EXPECT_EQ(WindowRect(dialog.GetSafeHwnd()), WorkArea());
    dialog.OnMaximize();
    Pump(50);
    EXPECT_EQ(WindowRect(dialog.GetSafeHwnd()), CRect(200, 150, 500, 350));
    dialog.DestroyWindow();
}

TEST(Dialog, CentresInTheWorkAreaWithoutAnOwner) {
    SampleDialog dialog;
    ASSERT_NE(CreateSample(dialog, CRect(0, 0, 300, 200)), nullptr);
    dialog.CenterWindow();
    const CRect work = WorkArea();
    const CRect rect = WindowRect(dialog.GetSafeHwnd());
    EXPECT_EQ(rect.left, (work.left + work.right) / 2 - 150);
    EXPECT_EQ(rect.top, (work.top + work.bottom) / 2 - 100);
    dialog.DestroyWindow();
}

}  // namespace
