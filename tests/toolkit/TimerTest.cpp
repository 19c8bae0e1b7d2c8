// CMTimer against the real multimedia timer and a real window's message loop: ticks reach
// OnMTimer on the window's thread only, at the timer's cadence, folded while the window is
// busy, never after KillTimer; the process's resolution requests stay balanced.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "CMTimer.h"

namespace {

// Counting wrappers around WINMM, installed as the timers' platform.
struct Counts {
    std::atomic<int> begins{0}, ends{0}, kills{0};
    std::atomic<UINT> lastBegin{0}, lastEnd{0};
    bool capsFail = false, setFail = false;
    int minPeriod = -1;  // -1: the system's own
} g_counts;

MMRESULT WINAPI CountingCaps(LPTIMECAPS caps, UINT size) {
    if (g_counts.capsFail) return TIMERR_NOCANDO;
    const MMRESULT result = timeGetDevCaps(caps, size);
    if (g_counts.minPeriod >= 0) caps->wPeriodMin = static_cast<UINT>(g_counts.minPeriod);
    return result;
}
MMRESULT WINAPI CountingBegin(UINT period) {
    ++g_counts.begins;
    g_counts.lastBegin = period;
    return timeBeginPeriod(period);
}
MMRESULT WINAPI CountingEnd(UINT period) {
    ++g_counts.ends;
    g_counts.lastEnd = period;
    return timeEndPeriod(period);
}
MMRESULT WINAPI CountingSet(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags) {
    return g_counts.setFail ? 0 : timeSetEvent(delay, resolution, callback, user, flags);
}
MMRESULT WINAPI CountingKill(UINT id) {
    ++g_counts.kills;
    return timeKillEvent(id);
}
const MTimerPlatform kCounting = {CountingCaps, CountingBegin, CountingEnd, CountingSet, CountingKill};

class RecordingTimer : public CMTimer {
public:
    void OnMTimer(UINT id) override {
        if (GetCurrentThreadId() != m_uiThread) ++offThread;
        ticks.push_back(id);
        if (onTick) onTick(id);
    }
    void OnMTimer(UINT id, CString name) override { named.push_back(name); (void)id; }

    std::vector<UINT> ticks;
    std::vector<CString> named;
    int offThread = 0;
    std::function<void(UINT)> onTick;

private:
    DWORD m_uiThread = GetCurrentThreadId();
};

// The window a paint manager would be: it hands tick messages to the timer that owns the ID.
LRESULT CALLBACK TickWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == CMTimer::GetTickMessage()) {
        CMTimer* timer = CMTimer::GetMTimer(static_cast<UINT>(wparam));
        return timer ? timer->OnTickMessage(wparam, lparam) : 0;
    }
    return DefWindowProcW(window, msg, wparam, lparam);
}

HWND CreateTickWindow() {
    static const ATOM atom = [] {
        WNDCLASSW cls{};
        cls.lpfnWndProc = TickWindowProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KelvoTimerTestWindow";
        return RegisterClassW(&cls);
    }();
    (void)atom;
    return CreateWindowExW(0, L"KelvoTimerTestWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Runs the window's message loop for `ms` milliseconds (0: only what is queued now).
void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMTimer::SetPlatform(&kCounting);
        g_counts.begins = g_counts.ends = g_counts.kills = 0;
        g_counts.capsFail = g_counts.setFail = false;
        g_counts.minPeriod = -1;
        CMTimer::m_uAccuracy = 1;
        ASSERT_EQ(CMTimer::m_bIsTmierOK, 0);  // every earlier test gave its resolution back
        m_window = CreateTickWindow();
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(m_window);
        Pump(0);
        CMTimer::SetPlatform(nullptr);
    }
    HWND m_window = nullptr;
};

TEST_F(TimerTest, TicksArriveOnTheWindowThreadAtTheTimersCadence) {
    RecordingTimer timer;
    timer.SetTickWindow(m_window);
    const UINT id = timer.SetTimer(20, L"", 0);
    ASSERT_NE(id, 0u);
    Pump(1000);
    // 50 ticks are due; the loose bounds only catch a timer that is off by a large factor.
    EXPECT_GE(timer.ticks.size(), 30u);
    EXPECT_LE(timer.ticks.size(), 60u);
    EXPECT_EQ(timer.offThread, 0);
    for (UINT tick : timer.ticks) EXPECT_EQ(tick, id);
    EXPECT_TRUE(timer.named.empty());  // not an application timer

    EXPECT_EQ(timer.KillTimer(id), 0);
    const size_t stopped = timer.ticks.size();
    Pump(100);
    EXPECT_EQ(timer.ticks.size(), stopped);
}

TEST_F(TimerTest, ApplicationTimersAlsoGetTheirNamedTick) {
    RecordingTimer timer;
    timer.SetTickWindow(m_window);
    timer.SetTimer(10, L"blink", 1);
    Pump(100);
    ASSERT_FALSE(timer.named.empty());
    EXPECT_EQ(timer.named.size(), timer.ticks.size());
    EXPECT_EQ(timer.named.front(), L"blink");
}

TEST_F(TimerTest, TicksOfABusyWindowFoldIntoOne) {
    RecordingTimer timer;
    timer.SetTickWindow(m_window);
    timer.SetTimer(5, L"", 0);
    Sleep(200);  // about 40 periods pass while the window does not pump
    Pump(0);
    EXPECT_EQ(timer.ticks.size(), 1u);
    Pump(100);
    EXPECT_GT(timer.ticks.size(), 5u);  // and ticking goes on
}

TEST_F(TimerTest, NoTickAfterKillNotEvenOneAlreadyQueued) {
    RecordingTimer timer;
    timer.SetTickWindow(m_window);
    const UINT id = timer.SetTimer(5, L"", 0);
    Sleep(50);  // a tick waits in the queue
    timer.KillTimer(id);
    Pump(50);
    EXPECT_TRUE(timer.ticks.empty());

    // Stopping from inside a tick handler.
    const UINT second = timer.SetTimer(5, L"", 0);
    timer.onTick = [&timer](UINT tick) { timer.KillTimer(tick); };
    Pump(150);
    ASSERT_EQ(timer.ticks.size(), 1u);
    EXPECT_EQ(timer.ticks[0], second);
}

TEST_F(TimerTest, StoppingAndDestroyingWhileTickingUnderStress) {
    for (int round = 0; round < 100; ++round) {
        auto doomed = std::make_unique<RecordingTimer>();
        RecordingTimer steady;
        doomed->SetTickWindow(m_window);
        steady.SetTickWindow(m_window);
        const UINT a = doomed->SetTimer(1, L"a", 1);
        const UINT b = steady.SetTimer(1, L"", 0);
        ASSERT_NE(a, 0u);
        ASSERT_NE(b, 0u);
        Pump(round % 3);
        doomed.reset();  // its queued ticks must find nobody
        Pump(2);
        steady.KillTimer(b);
        const size_t seen = steady.ticks.size();
        Pump(3);
        ASSERT_EQ(steady.ticks.size(), seen) << "round " << round;
        ASSERT_EQ(steady.offThread, 0);
    }
    EXPECT_EQ(g_counts.begins, 100);
    EXPECT_EQ(g_counts.ends, 100);
}

TEST_F(TimerTest, ResolutionIsRaisedOnceAndGivenBackByTheLastTimerObject) {
    {
        RecordingTimer first;
        {
            RecordingTimer second;
            first.SetTimer(10, L"", 0);
            second.SetTimer(10, L"", 0);
            first.SetTimer(30, L"x", 1);
            EXPECT_EQ(g_counts.begins, 1);
            EXPECT_EQ(CMTimer::m_bIsTmierOK, 1);
        }
        EXPECT_EQ(g_counts.ends, 0);  // one timer object is still alive
    }
    EXPECT_EQ(g_counts.ends, 1);
    EXPECT_EQ(g_counts.lastEnd.load(), g_counts.lastBegin.load());
    EXPECT_EQ(CMTimer::m_bIsTmierOK, 0);

    RecordingTimer again;
    again.SetTimer(10, L"", 0);
    EXPECT_EQ(g_counts.begins, 2);
}

TEST_F(TimerTest, ResolutionFollowsTheDevicesMinimumPeriod) {
    const struct {
        int minimum;
        UINT accuracy;
    } cases[] = {{0, 1}, {1, 1}, {5, 5}};
    for (const auto& c : cases) {
        g_counts.minPeriod = c.minimum;
        {
            RecordingTimer timer;
            ASSERT_NE(timer.SetTimer(10, L"", 0), 0u);
            EXPECT_EQ(CMTimer::m_uAccuracy, c.accuracy) << c.minimum;
            EXPECT_EQ(g_counts.lastBegin.load(), c.accuracy) << c.minimum;
        }
        EXPECT_EQ(g_counts.lastEnd.load(), c.accuracy) << c.minimum;
    }
    EXPECT_EQ(g_counts.begins, 3);
    EXPECT_EQ(g_counts.ends, 3);
}

TEST_F(TimerTest, FailuresOfTheSystemLeaveNothingToGiveBack) {
    g_counts.capsFail = true;
    {
        RecordingTimer timer;
        EXPECT_NE(timer.SetTimer(10, L"", 0), 0u);  // the timer runs at the old resolution
        EXPECT_EQ(CMTimer::m_uAccuracy, 1u);
        EXPECT_EQ(CMTimer::m_bIsTmierOK, 0);
        g_counts.capsFail = false;
        timer.SetTimer(10, L"", 0);  // the next start tries again
        EXPECT_EQ(g_counts.begins, 1);
        g_counts.setFail = true;
        EXPECT_EQ(timer.SetTimer(10, L"", 0), 0u);
        EXPECT_FALSE(timer.GetTimerIsRun(0u));
    }
    EXPECT_EQ(g_counts.ends, 1);
}

TEST_F(TimerTest, BookkeepingOfRunningTimers) {
    RecordingTimer timer, other;
    const UINT a = timer.SetTimer(50, L"alpha", 1);
    const UINT b = timer.SetTimer(50, L"beta", 0);
    const UINT c = timer.SetTimer(50, L"alpha", 0);
    const UINT d = other.SetTimer(50, L"delta", 0);
    EXPECT_EQ(timer.GetTimerIsRun(a), 1);
    EXPECT_EQ(timer.GetTimerIsRun(d), 0);
    EXPECT_EQ(timer.GetTimerIsRun(CString(L"beta")), 1);
    EXPECT_EQ(timer.GetTimerIsRun(CString(L"Beta")), 0);  // names are case-sensitive
    EXPECT_EQ(timer.GetTimerName(b), L"beta");
    EXPECT_TRUE(timer.GetTimerName(d).IsEmpty());
    EXPECT_EQ(timer.IsAppTimer(a), 1);
    EXPECT_EQ(timer.IsAppTimer(b), 0);
    EXPECT_EQ(CMTimer::GetMTimer(a), &timer);
    EXPECT_EQ(CMTimer::GetMTimer(d), &other);

    EXPECT_EQ(timer.KillTimer(0xFFFFu), 3);  // unknown: nothing changes
    EXPECT_EQ(timer.KillTimer(CString(L"alpha")), 2);  // the first of that name
    EXPECT_EQ(timer.GetTimerIsRun(a), 0);
    EXPECT_EQ(timer.GetTimerIsRun(c), 1);
    EXPECT_EQ(CMTimer::GetMTimer(a), nullptr);
    const int killsBefore = g_counts.kills;
    timer.KillTimer();
    EXPECT_EQ(g_counts.kills, killsBefore + 2);
    EXPECT_EQ(timer.GetTimerIsRun(b), 0);
    EXPECT_EQ(other.GetTimerIsRun(d), 1);
}

TEST_F(TimerTest, WithoutATickWindowTimersRunButDeliverNothing) {
    RecordingTimer timer;
    EXPECT_EQ(timer.GetTickWindow(), nullptr);
    const UINT id = timer.SetTimer(5, L"", 0);
    Pump(60);
    EXPECT_TRUE(timer.ticks.empty());
    EXPECT_EQ(timer.GetTimerIsRun(id), 1);
    EXPECT_EQ(timer.OnTickMessage(id + 1000, 0), 0);  // an ID of nobody's
    EXPECT_EQ(timer.OnTickMessage(id, 0), 1);         // delivered by hand, it runs here
    EXPECT_EQ(timer.ticks.size(), 1u);
}

}  // namespace
