#include "Clock.h"

#include <chrono>
#include <thread>

#include "StopSignal.h"

namespace {
std::atomic<Clock*> g_installed{nullptr};
}

Clock& Clock::Get() {
    static RealClock real;
    Clock* c = g_installed.load(std::memory_order_acquire);
    return c ? *c : real;
}

void Clock::Install(Clock* clock) { g_installed.store(clock, std::memory_order_release); }

std::uint64_t RealClock::NowMs() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// A thread that heeds a stop signal stops waiting the moment it is raised.
void RealClock::SleepMs(std::uint32_t ms) {
    if (StopSignal* stop = StopSignal::OfThisThread()) {
        stop->WaitFor(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void VirtualClock::SleepMs(std::uint32_t ms) {
    m_now += ms;
    m_slept += ms;
}
