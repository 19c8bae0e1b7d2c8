// Mouse, wheel and key routing from real input through a paint manager to recording
// controls: hover, press and release, capture, double clicks, wheel, modifier codes,
// Tab traversal, scrolled containers and subtrees that must hear nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InputDriver.h"
#include "RecordingControl.h"
#include "TestWindow.h"

namespace {

using harness::EventLog;
using harness::InputDriver;
using harness::OffsetPanel;
using harness::RecordingControl;
using harness::TestWindow;
using Strings = std::vector<std::string>;

class RoutingTest : public ::testing::Test {
protected:
    RecordingControl* Make(const std::string& name, UINT id, CRect rect) {
        return window.Add(new RecordingControl(&window, log, name, id, rect));
    }
    // Log entries without the hover and focus bookkeeping, which most cases do not look at.
    static Strings Events(const Strings& entries) {
        Strings events;
        for (const std::string& entry : entries) {
            const std::string event = entry.substr(entry.find(':') + 1);
            if (event != "enter" && event != "leave" && event != "focus" && event != "blur") events.push_back(entry);
        }
        return events;
    }
    Strings Events() const { return Events(log.entries); }

    EventLog log;  // outlives the window, whose controls write to it as they go
    TestWindow window;
    InputDriver input{window};
};

TEST_F(RoutingTest, HoverFollowsThePointerAcrossControlsAndOutOfTheWindow) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    RecordingControl* b = Make("b", 11, CRect(150, 10, 250, 60));
    const struct {
        CPoint to;
        Strings logged;
        RecordingControl* hover;
    } steps[] = {
        {{50, 30}, {"a:enter"}, a},
        {{60, 40}, {}, a},
        {{120, 30}, {"a:leave"}, nullptr},
        {{200, 30}, {"b:enter"}, b},
        {{60, 30}, {"a:enter", "b:leave"}, a},  // every top-level control hears the move, in list order
    };
    for (const auto& step : steps) {
        log.Clear();
        input.MoveTo(step.to);
        EXPECT_EQ(log.entries, step.logged) << step.to.x << "," << step.to.y;
        EXPECT_EQ(window.Manager().GetHoverControl(), step.hover) << step.to.x << "," << step.to.y;
    }
    EXPECT_EQ(a->lastPoint, CPoint(60, 30));
    log.Clear();
    input.MoveToScreen(POINT{900, 900});  // out of the window: the leave message ends the hover
    window.PumpUntil([&] { return !log.entries.empty(); }, 2000);
    EXPECT_EQ(log.entries, Strings{"a:leave"});
    EXPECT_EQ(window.Manager().GetHoverControl(), nullptr);
}

// A window's background picture lies under its buttons: the pointer that came onto the
// background first and moves on over a button makes the button the hover, so that the
// click goes to it.
TEST_F(RoutingTest, AControlOnTopTakesTheHoverFromTheOneUnderIt) {
    RecordingControl* back = Make("back", 10, CRect(10, 10, 250, 100));
    RecordingControl* front = Make("front", 11, CRect(50, 30, 110, 60));
    const struct {
        CPoint to;
        RecordingControl* hover;
    } steps[] = {{{200, 80}, back}, {{80, 45}, front}, {{90, 50}, front}, {{200, 80}, back}};
    for (const auto& step : steps) {
        input.MoveTo(step.to);
        EXPECT_EQ(window.Manager().GetHoverControl(), step.hover) << step.to.x << "," << step.to.y;
    }
    input.Click({80, 45});
    EXPECT_EQ(Events(), (Strings{"front:ldown@80,45", "front:lup@80,45"}));
}

TEST_F(RoutingTest, PressFocusesAndCapturesAndReleaseEndsIt) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    Make("b", 11, CRect(150, 10, 250, 60));
    input.MoveTo({20, 20});
    log.Clear();
    input.LeftDown();
    EXPECT_EQ(log.entries, (Strings{"a:focus", "a:ldown@20,20"}));
    EXPECT_TRUE(a->IsFocused());
    EXPECT_EQ(window.Manager().GetFocusControl(), a);
    EXPECT_EQ(GetCapture(), window.Handle());
    EXPECT_EQ(window.Manager().IsCaptured(), 1);

    // While held, the pointer may wander over b: b hears nothing, a gets the release.
    log.Clear();
    input.MoveTo({200, 30});
    input.LeftUp();
    EXPECT_EQ(log.entries, Strings{"a:lup@200,30"});
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(window.Manager().IsCaptured(), 0);
    EXPECT_EQ(window.Manager().GetHoverControl(), nullptr);  // released outside it

    log.Clear();
    // The next move is the first that a hears since the press: it leaves a and enters b.
    // The press then goes to b, and a loses the focus.
    input.Click({200, 30});
    EXPECT_EQ(log.entries, (Strings{"a:leave", "b:enter", "a:blur", "b:focus", "b:ldown@200,30", "b:lup@200,30"}));
    EXPECT_FALSE(a->IsFocused());
}

TEST_F(RoutingTest, DoubleClicksArriveAsSuchOnlyWithTheDoubleClickFlag) {
    const struct {
        bool acceptDoubleClicks;
        bool notify;
        Strings left;
        Strings right;
        size_t notifications;
    } cases[] = {
        {false, false,
         {"a:ldown@30,30", "a:lup@30,30", "a:ldown@30,30", "a:lup@30,30"},
         {"a:rdown@30,30", "a:rup@30,30", "a:rdown@30,30", "a:rup@30,30"}, 0},
        {true, false,
         {"a:ldown@30,30", "a:lup@30,30", "a:ldbl@30,30", "a:lup@30,30"},
         {"a:rdown@30,30", "a:rup@30,30", "a:rdbl@30,30", "a:rup@30,30"}, 0},
        {true, true,
         {"a:ldown@30,30", "a:lup@30,30", "a:ldbl@30,30", "a:lup@30,30"},
         {"a:rdown@30,30", "a:rup@30,30", "a:rdbl@30,30", "a:rup@30,30"}, 2},
    };
    for (const auto& c : cases) {
        RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
        a->AcceptDoubleClicks(c.acceptDoubleClicks);
        a->NotifyDoubleClicks(c.notify);
        input.MoveTo({30, 30});
        log.Clear();
        window.notifications.clear();
        input.DoubleClick({30, 30});
        EXPECT_EQ(Events(), c.left) << c.acceptDoubleClicks;
        log.Clear();
        input.MoveTo({30, 30});
        input.RightClick({30, 30});
        input.RightClick({30, 30});
        EXPECT_EQ(Events(), c.right) << c.acceptDoubleClicks;
        ASSERT_EQ(window.notifications.size(), c.notifications);
        for (const auto& n : window.notifications) {
            EXPECT_EQ(n.id, 10u);
            EXPECT_EQ(n.code, Kelvo::kNotifyDoubleClicked);
        }
        window.Manager().ClearControls();
        input.MoveTo({300, 200});
        Sleep(GetDoubleClickTime() + 50);  // the next case's first click must not pair with this one
    }
}

TEST_F(RoutingTest, InsideAContainerTheChildsOwnFlagDecidesAboutDoubleClicks) {
    RecordingControl* box = Make("box", 10, CRect(10, 10, 210, 110));
    box->AcceptDoubleClicks(true);
    auto* child = new RecordingControl(box, log, "child", 20, CRect(20, 20, 100, 60));
    box->AttachControl(1, child);
    const struct {
        bool childAccepts;
        int childAnswer;
        Strings logged;
    } cases[] = {
        {true, 1, {"child:ldown@30,30", "child:lup@30,30", "child:ldbl@30,30", "child:lup@30,30"}},
        {false, 1, {"child:ldown@30,30", "child:lup@30,30", "child:ldown@30,30", "child:lup@30,30"}},
        // Unhandled presses stay single: the second click is one press, not two.
        {false, 0, {"child:ldown@30,30", "child:lup@30,30", "child:ldown@30,30", "child:lup@30,30"}},
    };
    for (const auto& c : cases) {
        child->AcceptDoubleClicks(c.childAccepts);
        child->answer = c.childAnswer;
        input.MoveTo({30, 30});
        log.Clear();
        input.DoubleClick({30, 30});
        EXPECT_EQ(Events(), c.logged) << c.childAccepts << c.childAnswer;
        input.MoveTo({300, 200});
        Sleep(GetDoubleClickTime() + 50);
    }
}

TEST_F(RoutingTest, WheelStepsGoToTheHoverControlAndCarryTheirRest) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    input.MoveTo({50, 30});
    const struct {
        int delta;
        Strings logged;
    } cases[] = {
        {-120, {"a:scroll1down@50,30"}},
        {-240, {"a:scroll1down@50,30", "a:scroll1down@50,30"}},
        {120, {"a:scroll1up@50,30"}},
        {60, {}},                      // half a notch scrolls nothing yet
        {60, {"a:scroll1up@50,30"}},   // the second half completes it
        {-30, {}},
    };
    for (const auto& c : cases) {
        log.Clear();
        input.Wheel(c.delta);
        EXPECT_EQ(log.entries, c.logged) << c.delta;
    }
    // A control that does not take the wheel lets it pass to the next top-level control.
    a->answer = 0;
    Make("b", 11, CRect(10, 10, 110, 60));
    log.Clear();
    input.Wheel(-120);
    EXPECT_EQ(log.entries, (Strings{"a:scroll1down@50,30", "b:scroll1down@50,30"}));
}

TEST_F(RoutingTest, KeysCarryTheModifierCodeOfEveryCombination) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    a->takesKeys = true;
    input.MoveTo({50, 30});
    const struct {
        std::vector<WORD> modifiers;
        int code;
    } cases[] = {
        {{}, 0},
        {{VK_SHIFT}, 16},
        {{VK_CONTROL}, 17},
        {{VK_MENU}, 18},
        {{VK_CONTROL, VK_SHIFT}, 17},
        {{VK_CONTROL, VK_MENU}, 19},
        {{VK_MENU, VK_SHIFT}, 18},
        {{VK_CONTROL, VK_MENU, VK_SHIFT}, 19},
    };
    for (const auto& c : cases) {
        log.Clear();
        input.Chord(c.modifiers, 'K');
        const std::string expected = "a:key" + std::to_string('K') + "/" + std::to_string(c.code);
        EXPECT_EQ(log.Starting("a:key" + std::to_string('K')), Strings{expected}) << c.code;
    }
}

TEST_F(RoutingTest, AHotKeyIsHandledAndNotifiedWithItsModifierCode) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    a->SetHotKey('S', 17);
    a->NotifyKeys(true);
    input.MoveTo({50, 30});
    const struct {
        std::vector<WORD> modifiers;
        WORD key;
        bool handled;
    } cases[] = {
        {{VK_CONTROL}, 'S', true},
        {{}, 'S', false},
        {{VK_CONTROL, VK_SHIFT}, 'S', true},  // Ctrl+Shift has the code of Ctrl alone
        {{VK_CONTROL, VK_MENU}, 'S', false},
        {{VK_CONTROL}, 'T', false},
    };
    for (const auto& c : cases) {
        window.notifications.clear();
        input.Chord(c.modifiers, c.key);
        // Notification 14 follows every key the control saw; the handled one carries its code.
        bool notifiedHandled = false;
        for (const auto& n : window.notifications)
            if (n.code == Kelvo::kNotifyKeyHandled && n.wparam == 'S' && n.lparam == 17) notifiedHandled = true;
        EXPECT_EQ(notifiedHandled, c.handled) << c.key << "/" << c.modifiers.size();
    }
}

TEST_F(RoutingTest, TabWalksTheVisibleEnabledTabStopsAndShiftTabGoesBack) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 60, 40));
    RecordingControl* b = Make("b", 11, CRect(70, 10, 120, 40));
    RecordingControl* c = Make("c", 12, CRect(130, 10, 180, 40));
    RecordingControl* d = Make("d", 13, CRect(190, 10, 240, 40));
    RecordingControl* e = Make("e", 14, CRect(250, 10, 300, 40));
    a->SetTabStop(1);
    c->SetTabStop(1);
    d->SetTabStop(1);
    d->SetVisible(0);
    e->SetTabStop(1);
    e->SetEnabled(0);
    (void)b;
    const struct {
        std::vector<WORD> modifiers;
        RecordingControl* focus;
    } steps[] = {
        {{}, a},
        {{}, c},
        {{}, a},  // d is hidden and e disabled: back to the first
        {{VK_SHIFT}, c},
        {{VK_SHIFT}, a},
        {{VK_CONTROL}, a},  // Ctrl+Tab is not traversal
    };
    for (const auto& step : steps) {
        input.Chord(step.modifiers, VK_TAB);
        EXPECT_EQ(window.Manager().GetFocusControl(), step.focus) << step.focus->Name();
        EXPECT_TRUE(step.focus->IsFocused()) << step.focus->Name();
    }
    EXPECT_FALSE(c->IsFocused());
    Strings focusChanges;
    for (const std::string& entry : log.Starting("c:"))
        if (entry == "c:focus" || entry == "c:blur") focusChanges.push_back(entry);
    EXPECT_EQ(focusChanges, (Strings{"c:focus", "c:blur", "c:focus", "c:blur"}));
}

TEST_F(RoutingTest, InsideAScrolledContainerOnlyIdsOneAndTwoGetWindowPoints) {
    auto* panel = window.Add(new OffsetPanel(&window, log, "panel", 50, CRect(0, 0, 300, 250)));
    panel->offset = CPoint(0, 100);
    // Child rectangles are in content coordinates, except the container's own bars.
    const struct {
        UINT id;
        CRect rect;
        CPoint press;
        Strings logged;
    } cases[] = {
        {1, CRect(280, 0, 300, 100), {290, 20}, {"bar:ldown@290,20"}},     // vertical bar: window point
        {2, CRect(0, 230, 280, 250), {100, 240}, {"bar:ldown@100,240"}},   // horizontal bar: window point
        {5, CRect(280, 0, 300, 100), {290, 20}, {"panel:ldown@290,120"}},  // any other ID: content point, so it misses
        {5, CRect(280, 100, 300, 200), {290, 20}, {"bar:ldown@290,120"}},
    };
    for (const auto& c : cases) {
        auto* child = new RecordingControl(panel, log, "bar", c.id, c.rect);
        panel->AttachControl(1, child);
        input.MoveTo(c.press);
        log.Clear();
        input.LeftDown();
        input.LeftUp();
        const Strings presses = [&] {
            Strings found;
            for (const std::string& entry : log.entries)
                if (entry.find(":ldown") != std::string::npos) found.push_back(entry);
            return found;
        }();
        EXPECT_EQ(presses, c.logged) << c.id;
        panel->RemoveControl(child);
    }
}

// A key no one takes is offered to each control once: the child under the pointer
// first, then its container, then the container's other children, not the first again.
TEST_F(RoutingTest, AKeyNoOneTakesReachesEachControlOnce) {
    RecordingControl* box = Make("box", 10, CRect(10, 10, 210, 110));
    auto* child = new RecordingControl(box, log, "child", 20, CRect(20, 20, 120, 80));
    auto* sibling = new RecordingControl(box, log, "sibling", 21, CRect(130, 20, 200, 80));
    box->AttachControl(1, child);
    box->AttachControl(1, sibling);
    input.MoveTo({50, 50});
    log.Clear();
    input.Key('Q');
    EXPECT_EQ(Events(), (Strings{"child:key81/0", "box:key81/0", "sibling:key81/0"}));
}

TEST_F(RoutingTest, HiddenAndUnresponsiveSubtreesHearNothing) {
    const struct {
        int boxVisible, boxResponsive, childVisible, childResponsive;
        bool boxHears, childHears;
    } cases[] = {
        {1, 1, 1, 1, false, true},  // the child under the pointer takes it all
        {0, 1, 1, 1, false, false},
        {1, 0, 1, 1, false, false},
        {1, 1, 0, 1, true, false},
        {1, 1, 1, 0, true, false},
    };
    for (const auto& c : cases) {
        auto* box = new RecordingControl(&window, log, "box", 10, CRect(10, 10, 210, 110), c.boxVisible, 1,
                                         c.boxResponsive);
        box->takesKeys = true;
        auto* child = new RecordingControl(box, log, "child", 20, CRect(20, 20, 120, 80), c.childVisible, 1,
                                           c.childResponsive);
        child->takesKeys = true;
        box->AttachControl(1, child);
        window.Add(box);
        log.Clear();
        input.MoveTo({50, 50});
        input.Click({50, 50});
        input.Wheel(-120);
        input.Key('Q');
        const std::string description = std::to_string(c.boxVisible) + std::to_string(c.boxResponsive) +
                                        std::to_string(c.childVisible) + std::to_string(c.childResponsive);
        EXPECT_EQ(!log.Starting("child:").empty(), c.childHears) << description;
        // The box hears moves over its children (it is under the pointer too); presses,
        // wheel and keys it hears only when no child takes them.
        EXPECT_EQ(!Events(log.Starting("box:")).empty(), c.boxHears) << description;
        if (!c.childHears) {
            EXPECT_FALSE(child->IsHovered()) << description;
        }
        window.Manager().ClearControls();
        input.MoveTo({350, 250});
    }
}

TEST_F(RoutingTest, APressOutsideEveryControlInTheCaptionMovesTheWindowOnlyWhenAllowed) {
    Make("a", 10, CRect(10, 10, 60, 40));
    window.Manager().SetCaptionRect(CRect(0, 0, 400, 300));
    for (int allowed : {0, 1}) {
        window.Manager().EnableWndDrag(allowed);
        RECT before{};
        GetWindowRect(window.Handle(), &before);
        Sleep(GetDoubleClickTime() + 50);  // a single press each time, not a double click
        input.MoveTo({200, 200});
        // The system's move loop runs inside the press: the rest of the gesture comes from
        // another thread.
        HANDLE finisher = CreateThread(
            nullptr, 0,
            [](void*) -> DWORD {
                Sleep(150);
                POINT p;
                GetCursorPos(&p);
                SetCursorPos(p.x + 40, p.y + 25);
                INPUT move{};
                move.type = INPUT_MOUSE;
                move.mi.dwFlags = MOUSEEVENTF_MOVE;
                SendInput(1, &move, sizeof move);
                Sleep(150);
                INPUT up{};
                up.type = INPUT_MOUSE;
                up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
                SendInput(1, &up, sizeof up);
                return 0;
            },
            nullptr, 0, nullptr);
        input.LeftDown();
        window.PumpUntil([&] { return WaitForSingleObject(finisher, 0) == WAIT_OBJECT_0; }, 3000);
        window.Pump(50);
        CloseHandle(finisher);
        RECT after{};
        GetWindowRect(window.Handle(), &after);
        if (allowed) {
            EXPECT_EQ(after.left - before.left, 40);
            EXPECT_EQ(after.top - before.top, 25);
        } else {
            EXPECT_EQ(after.left, before.left);
            EXPECT_EQ(after.top, before.top);
        }
    }
}

}  // namespace
