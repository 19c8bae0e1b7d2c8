// Timer ticks of controls: the periodic tick runs on the window's thread at its cadence,
// reaches only controls that run, are visible and sit in visible parents, reaches a
// control once however often it registered, and never reaches a removed control; window
// timers of controls keep distinct IDs after the counter wraps.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "RecordingControl.h"
#include "TestWindow.h"

namespace {

using harness::EventLog;
using harness::RecordingControl;
using harness::TestWindow;

class ControlTimerTest : public ::testing::Test {
protected:
    RecordingControl* Make(const std::string& name, UINT id, Kelvo::MObject* parent = nullptr) {
        auto* control = new RecordingControl(parent ? parent : &window, log, name, id, CRect(10, 10, 60, 40));
        if (auto* box = dynamic_cast<Kelvo::MControl*>(parent))
            box->AttachControl(1, control);
        else
            window.Add(control);
        return control;
    }
    int Count(const std::string& entry) const { return static_cast<int>(std::count(log.entries.begin(), log.entries.end(), entry)); }

    EventLog log;  // outlives the window, whose controls write to it as they go
    TestWindow window;
};

TEST_F(ControlTimerTest, TicksArriveOnTheWindowThreadAtTheTimerCadence) {
    RecordingControl* a = Make("a", 10);
    a->AddMTimer();
    a->SetRunTimer(1);
    ASSERT_NE(window.Manager().SetMTimer(10), 0u);
    window.Pump(1000);
    window.Manager().KillMTimer();
    const size_t ticks = a->tickThreads.size();
    // 10 ms for a second: at most 100 (ticks never pile up), and well over a third of them
    // even on a busy machine.
    EXPECT_GE(ticks, 35u);
    EXPECT_LE(ticks, 101u);
    for (DWORD thread : a->tickThreads) EXPECT_EQ(thread, GetCurrentThreadId());
    std::vector<DWORD> gaps;
    for (size_t i = 1; i < a->tickTimes.size(); ++i) gaps.push_back(a->tickTimes[i] - a->tickTimes[i - 1]);
    ASSERT_FALSE(gaps.empty());
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    EXPECT_LE(gaps[gaps.size() / 2], 20u);  // the typical gap is the period, not a multiple of it

    window.Pump(100);
    EXPECT_EQ(a->tickThreads.size(), ticks);  // killed: no more
}

// With a tick period set, the tick runs only while a visible control animates and the
// window can be seen: it starts when a flag turns on or an animating control comes into
// view, stops after the tick that finds nothing animating, and at once when hidden.
TEST_F(ControlTimerTest, OnDemandTicksRunOnlyWhileSomethingAnimatesInAShownWindow) {
    Kelvo::PaintManager& manager = window.Manager();
    RecordingControl* a = Make("a", 10);
    a->AddMTimer();
    manager.SetTickPeriod(10);
    EXPECT_FALSE(manager.TicksRunning()) << "nothing animates";
    a->SetRunTimer(1);
    EXPECT_TRUE(manager.TicksRunning());
    window.Pump(100);
    EXPECT_FALSE(a->tickThreads.empty());
    a->SetRunTimer(0);
    window.Pump(100);
    EXPECT_FALSE(manager.TicksRunning()) << "stopped by the first tick that found nothing to move";

    a->SetVisible(0);
    a->SetRunTimer(1);
    EXPECT_FALSE(manager.TicksRunning()) << "an animation out of view needs no tick";
    a->SetVisible(1);
    EXPECT_TRUE(manager.TicksRunning()) << "coming into view wakes it";

    ShowWindow(window.Handle(), SW_HIDE);
    EXPECT_FALSE(manager.TicksRunning()) << "hidden: stopped at once";
    ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(manager.TicksRunning()) << "shown again: the animation goes on";
    manager.SetTickPeriod(0);
    manager.KillMTimer();
}

// A window has one periodic tick: asking again replaces it, so the tick list never runs
// on two timers and the one remembered is the one that runs.
TEST_F(ControlTimerTest, ASecondTickRequestStopsTheFirst) {
    Kelvo::PaintManager& manager = window.Manager();
    const UINT first = manager.SetMTimer(30000);
    ASSERT_NE(first, 0u);
    const UINT second = manager.SetMTimer(20000);
    ASSERT_NE(second, 0u);
    EXPECT_EQ(manager.GetTimerIsRun(first), 0);
    EXPECT_EQ(manager.GetTimerIsRun(second), 1);
    manager.KillMTimer(second);
    EXPECT_EQ(manager.GetTimerIsRun(first), 0);
    EXPECT_EQ(manager.GetTimerIsRun(second), 0);
}

TEST_F(ControlTimerTest, OnlyRunningVisibleControlsInVisibleParentsTick) {
    RecordingControl* running = Make("running", 10);
    RecordingControl* stopped = Make("stopped", 11);
    RecordingControl* hidden = Make("hidden", 12);
    RecordingControl* box = Make("box", 13);
    RecordingControl* inHiddenBox = Make("inHiddenBox", 14, box);
    RecordingControl* twice = Make("twice", 15);
    for (RecordingControl* control : {running, stopped, hidden, inHiddenBox, twice}) {
        control->AddMTimer();
        control->SetRunTimer(1);
    }
    twice->AddMTimer();  // registering again changes nothing
    stopped->SetRunTimer(0);
    hidden->SetVisible(0);
    box->SetVisible(0);
    window.Manager().SetMTimer(10);
    window.PumpUntil([&] { return Count("running:tick") >= 10; }, 3000);
    window.Manager().KillMTimer();
    window.Pump(30);
    EXPECT_GE(Count("running:tick"), 10);
    EXPECT_EQ(Count("twice:tick"), Count("running:tick"));
    EXPECT_EQ(Count("stopped:tick"), 0);
    EXPECT_EQ(Count("hidden:tick"), 0);
    EXPECT_EQ(Count("inHiddenBox:tick"), 0);
    EXPECT_EQ(Count("box:tick"), 0);  // never registered

    // One removal takes a twice-registered control off the list.
    log.Clear();
    twice->DeleteMTimer();
    window.Manager().SetMTimer(10);
    window.PumpUntil([&] { return Count("running:tick") >= 5; }, 3000);
    window.Manager().KillMTimer();
    EXPECT_EQ(Count("twice:tick"), 0);
}

TEST_F(ControlTimerTest, AControlRemovedWhileTickingIsNeverCalledAgain) {
    // Each round: eight ticking controls; every tick removes another one (sometimes the
    // ticking control itself, sometimes one the walk has yet to reach) until none is left.
    Kelvo::PaintManager& manager = window.Manager();
    manager.SetMTimer(1);
    int removals = 0;
    for (int round = 0; round < 25; ++round) {
        std::vector<RecordingControl*> alive;
        for (int i = 0; i < 8; ++i) {
            RecordingControl* control = Make("r" + std::to_string(round) + "c" + std::to_string(i), 100 + i);
            control->AddMTimer();
            control->SetRunTimer(1);
            // Every control also runs a window timer, which must die with it.
            manager.SetTimer(control, 7, 1);
            alive.push_back(control);
        }
        int turn = round;
        for (RecordingControl* control : alive) {
            control->onEvent = [&alive, &manager, &turn, &removals](RecordingControl& self, const std::string& event) {
                if (event != "tick" || alive.empty()) return;
                const size_t victim = static_cast<size_t>(turn++) % alive.size();
                RecordingControl* target = alive[victim] == &self && turn % 3 ? alive.back() : alive[victim];
                alive.erase(std::find(alive.begin(), alive.end(), target));
                manager.RemoveControl(target);
                ++removals;
            };
        }
        ASSERT_TRUE(window.PumpUntil([&] { return alive.empty(); }, 5000)) << "round " << round;
    }
    window.Pump(50);
    manager.KillMTimer();
    EXPECT_EQ(removals, 25 * 8);
    // Nothing was heard from a control after it was destroyed.
    std::map<std::string, bool> destroyed;
    for (const std::string& entry : log.entries) {
        const std::string name = entry.substr(0, entry.find(':'));
        EXPECT_FALSE(destroyed[name]) << entry << " after " << name << " was destroyed";
        if (entry == name + ":destroyed") destroyed[name] = true;
    }
    EXPECT_EQ(destroyed.size(), 25u * 8u);
    EXPECT_TRUE(manager.GetControls().empty());
}

TEST_F(ControlTimerTest, WindowTimersStartOncePerKeyAndRestartAfterAKill) {
    RecordingControl* a = Make("a", 10);
    Kelvo::PaintManager& manager = window.Manager();
    const struct {
        const char* step;
        int (*run)(Kelvo::PaintManager&, Kelvo::MControl*);
        int result;
    } steps[] = {
        {"start", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.SetTimer(c, 1, 10); }, 1},
        {"start again", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.SetTimer(c, 1, 10); }, 0},
        {"other key", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.SetTimer(c, 2, 10); }, 1},
        {"kill", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.KillTimer(c, 1); }, 1},
        {"kill again", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.KillTimer(c, 1); }, 0},
        {"restart", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.SetTimer(c, 1, 10); }, 1},
        {"kill all of it", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.KillTimer(c); }, 1},
        {"nothing left", [](Kelvo::PaintManager& m, Kelvo::MControl* c) { return m.KillTimer(c, 2); }, 0},
    };
    for (const auto& step : steps) EXPECT_EQ(step.run(manager, a), step.result) << step.step;

    manager.SetTimer(a, 1, 10);
    window.PumpUntil([&] { return Count("a:tick") >= 3; }, 2000);
    manager.KillTimer(a, 1);
    window.Pump(30);
    const int ticks = Count("a:tick");
    EXPECT_GE(ticks, 3);
    window.Pump(100);
    EXPECT_EQ(Count("a:tick"), ticks);
}

TEST_F(ControlTimerTest, WindowTimerIdsStayDistinctAfterTheCounterWraps) {
    Kelvo::PaintManager& manager = window.Manager();
    RecordingControl* old = Make("old", 10);
    ASSERT_EQ(manager.SetTimer(old, 1, 50), 1);  // takes the first ID, and keeps it
    // Go once round the whole cycle of IDs with short-lived timers. A timer that took the
    // old one's ID would replace it, and its removal would kill it.
    for (int i = 0; i < 239; ++i) {
        RecordingControl* passing = Make("passing", 11);
        ASSERT_EQ(manager.SetTimer(passing, 1, 5000), 1) << i;
        manager.RemoveControl(passing);
    }
    // The counter is back at the old timer's ID: the new timer must get another one.
    RecordingControl* fresh = Make("fresh", 12);
    ASSERT_EQ(manager.SetTimer(fresh, 1, 10), 1);
    window.Pump(600);
    // About 12 ticks of 50 ms and 60 of 10 ms; a shared ID would give both the same.
    EXPECT_GE(Count("old:tick"), 3);
    EXPECT_LE(Count("old:tick"), 20);
    EXPECT_GE(Count("fresh:tick"), 2 * Count("old:tick"));
}

}  // namespace
