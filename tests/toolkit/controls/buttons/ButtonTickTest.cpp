// Buttons that measure time on the window's periodic tick, with the toolkit on a virtual
// clock: a held long-press button repeats 32 every 300 ms and stops on release, the
// countdown shows the seconds left and sends 2 once when ten seconds are up, and either
// button removed while its time runs is never heard from again.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "CTimerButton.h"
#include "Clock.h"
#include "InputDriver.h"
#include "LongPressButton.h"
#include "ToolkitClock.h"

namespace {

using buttons_test::RecordingWindow;

constexpr UINT kRepeat = 32;
constexpr UINT kClicked = 2;

class ButtonTickTest : public ::testing::Test {
protected:
    ButtonTickTest() {
        Kelvo::InstallToolkitClock(&clock);
        window.Manager().SetMTimer(5);
    }
    ~ButtonTickTest() override {
        window.Manager().KillMTimer();
        Kelvo::InstallToolkitClock(nullptr);
    }
    // Advances the clock and lets several ticks run.
    void Advance(int ms) {
        clock.Advance(ms);
        window.Pump(60);
    }

    VirtualClock clock;
    RecordingWindow window;
    harness::InputDriver input{window};
};

TEST_F(ButtonTickTest, AHeldButtonRepeatsEveryThreeHundredMilliseconds) {
    auto* button = window.Add(new Kelvo::LongPressButton(&window, 5, CRect(20, 20, 120, 60), L"+", 1, 1));
    button->AddMTimer();  // registering again changes nothing
    input.MoveTo(CPoint(70, 40));
    input.LeftDown();
    const struct {
        int advance;
        int repeats;
    } steps[] = {
        {200, 0}, {100, 0},  // exactly 300 ms is not more than 300
        {1, 1},   {299, 1}, {2, 2}, {500, 3},  // a late tick repeats once and starts again from there
        {301, 4},
    };
    for (const auto& step : steps) {
        Advance(step.advance);
        EXPECT_EQ(window.Count(kRepeat), step.repeats) << "after +" << step.advance;
    }
    input.LeftUp();
    Advance(1000);
    EXPECT_EQ(window.Count(kRepeat), 4);
    // A press dragged out and released there stops the repeats too.
    input.LeftDown();
    Advance(301);
    EXPECT_EQ(window.Count(kRepeat), 5);
    input.MoveTo(CPoint(200, 200));
    input.LeftUp();
    Advance(1000);
    EXPECT_EQ(window.Count(kRepeat), 5);
    for (DWORD thread : window.threads) EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST_F(ButtonTickTest, TheCountdownShowsTheSecondsLeftAndEndsOnce) {
    auto* button = window.Add(new Kelvo::CTimerButton(&window, 6, CRect(20, 20, 160, 60), L"Send", 1, 1));
    EXPECT_EQ(button->GetShownText(), CString(L"Send"));
    EXPECT_EQ(button->SetRun(1), 1);
    const struct {
        int advance;
        const wchar_t* text;
        int ended;
    } steps[] = {
        {0, L"Send(10s)", 0},  {999, L"Send(10s)", 0}, {1, L"Send(9s)", 0},
        {8500, L"Send(1s)", 0}, {500, L"Send(0s)", 0},  // exactly ten seconds: not yet over
        {1, L"Send", 1},       {20000, L"Send", 1},
    };
    for (const auto& step : steps) {
        Advance(step.advance);
        EXPECT_EQ(button->GetShownText(), CString(step.text)) << "after +" << step.advance;
        EXPECT_EQ(window.Count(kClicked), step.ended);
    }
    EXPECT_EQ(button->IsRun(), 0);
    for (DWORD thread : window.threads) EXPECT_EQ(thread, GetCurrentThreadId());

    // Disabled, it neither starts nor stops.
    button->SetEnabled(0);
    EXPECT_EQ(button->SetRun(1), 0);
    EXPECT_EQ(button->IsRun(), 0);
    button->SetEnabled(1);
    EXPECT_EQ(button->SetRun(1), 1);
    button->SetEnabled(0);
    EXPECT_EQ(button->SetRun(0), 1);
    Advance(10001);
    EXPECT_EQ(window.Count(kClicked), 2);  // disabled buttons still finish their countdown
}

TEST_F(ButtonTickTest, ButtonsRemovedWhileTheirTimeRunsAreNeverHeardFromAgain) {
    for (int round = 0; round < 5; ++round) {
        auto* held = window.Add(new Kelvo::LongPressButton(&window, 5, CRect(20, 20, 120, 60), L"+", 1, 1));
        auto* counting = window.Add(new Kelvo::CTimerButton(&window, 6, CRect(20, 80, 160, 120), L"Send", 1, 1));
        counting->SetRun(1);
        input.MoveTo(CPoint(70, 40));
        input.LeftDown();
        Advance(301);
        window.notifications.clear();
        window.Manager().RemoveControl(round % 2 ? held : static_cast<Kelvo::MControl*>(counting));
        window.Manager().RemoveControl(round % 2 ? static_cast<Kelvo::MControl*>(counting) : held);
        Advance(10001);
        input.LeftUp();
        Advance(400);
        EXPECT_TRUE(window.notifications.empty()) << "round " << round;
    }
}

}  // namespace
