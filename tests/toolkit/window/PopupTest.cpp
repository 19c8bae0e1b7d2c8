// Popup windows: their controls' choices reach the parent, a control through its
// OnMessage; they close on Escape and when they lose activation, and can open again.
#include <gtest/gtest.h>

#include <vector>

#include "MPopupWnd.h"
#include "MenuItem.h"
#include "WindowTestSupport.h"

using namespace Kelvo;
using namespace wintest;

namespace {

struct Heard {
    UINT id, code;
    WPARAM wparam;
};

// A control that owns a popup, as a combo box owns its drop-down.
class OwningControl : public MControl {
public:
    OwningControl() : MControl(nullptr, 50, CRect(0, 0, 10, 10), 1, 1, 1) {}
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        heard.push_back({id, code, wparam});
        return 77;
    }
    std::vector<Heard> heard;
};

// Any other parent hears through OnBaseMessage.
class ListeningObject : public MObject {
public:
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        heard.push_back({id, code, wparam});
        return 88;
    }
    std::vector<Heard> heard;
};

// Two choices; a click reports the chosen ID as wparam of notification 2.
class ChoicePopup : public MPopupWnd {
public:
    void InitUI(CRect) override {
        ++initialised;
        for (UINT id : {11u, 12u}) {
            auto* item = static_cast<MenuItem*>(
                CreateControl(L"MenuItem", id, CRect(4, 4 + 30 * static_cast<int>(id - 11), 156, 32 + 30 * static_cast<int>(id - 11)), L"", 1, 1));
            item->SetHighlightColor(0xFF3768FA);
        }
    }
    LRESULT OnMessage(UINT id, UINT code, WPARAM, LPARAM) override {
        const LRESULT answer = SendMessageToParent(code, id, 0);
        answers.push_back(answer);
        CloseWindow();
        return 0;
    }
    HWND Open(HWND owner) {
        HWND window = Create(owner, L"Popup", WS_POPUP, WS_EX_TOOLWINDOW, CRect(300, 300, 460, 370));
        ShowWindow(SW_SHOWNORMAL);
        SetForegroundWindow(window);
        PaintNow(window);
        return window;
    }
    int initialised = 0;
    std::vector<LRESULT> answers;
};

class PopupTest : public ::testing::Test {
protected:
    OwnerWindow owner{CRect(50, 50, 750, 550)};
};

TEST_F(PopupTest, AChoiceReachesAParentControlThroughItsOnMessage) {
    OwningControl control;
    ChoicePopup popup;
    popup.SetParent(&control);
    HWND window = popup.Open(owner.Handle());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(popup.GetExStyle() & WS_EX_TOOLWINDOW, DWORD(WS_EX_TOOLWINDOW));
    Click(ScreenOf(window, CPoint(80, 48)));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    ASSERT_EQ(control.heard.size(), 1u);
    EXPECT_EQ(control.heard[0].id, 0u);
    EXPECT_EQ(control.heard[0].code, kNotifyActivated);
    EXPECT_EQ(control.heard[0].wparam, 12u);
    ASSERT_EQ(popup.answers.size(), 1u);
    EXPECT_EQ(popup.answers[0], 77);
}

TEST_F(PopupTest, OtherParentsHearThroughOnBaseMessage) {
    const struct {
        const char* name;
        bool withParent;
        LRESULT answer;
    } cases[] = {{"an object", true, 88}, {"no parent", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ListeningObject listener;
        ChoicePopup popup;
        if (c.withParent) popup.SetParent(&listener);
        HWND window = popup.Open(owner.Handle());
        Click(ScreenOf(window, CPoint(80, 18)));
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
        ASSERT_EQ(popup.answers.size(), 1u);
        EXPECT_EQ(popup.answers[0], c.answer);
        EXPECT_EQ(listener.heard.size(), c.withParent ? 1u : 0u);
        if (c.withParent) {
            EXPECT_EQ(listener.heard[0].wparam, 11u);
        }
    }
}

TEST_F(PopupTest, ClosesOnEscapeAndDeactivationAndOpensAgain) {
    const struct {
        const char* name;
        void (*act)(HWND owner);
    } cases[] = {
        {"Escape", [](HWND) { Key(VK_ESCAPE); }},
        {"a click elsewhere", [](HWND ownerWindow) { Click(ScreenOf(ownerWindow, CPoint(600, 450))); }},
    };
    OwningControl control;
    ChoicePopup popup;
    popup.SetParent(&control);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = popup.Open(owner.Handle());
        ASSERT_NE(window, nullptr);
        c.act(owner.Handle());
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
        EXPECT_EQ(popup.GetSafeHwnd(), nullptr);
        EXPECT_TRUE(popup.GetControls().empty()) << "its controls went with the window";
    }
    EXPECT_EQ(popup.initialised, 2);
    EXPECT_TRUE(control.heard.empty());
}

}  // namespace
