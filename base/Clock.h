#pragma once
// Every wait and every tick read in the core goes through the process clock, so
// tests can install a virtual clock on which a sleep of seconds takes no time.
#include <atomic>
#include <cstdint>
#include <mutex>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards.
    virtual std::uint64_t NowMs() = 0;
    virtual void SleepMs(std::uint32_t ms) = 0;
    // True for clocks on which a sleep only advances time (tests).
    virtual bool IsVirtual() const { return false; }

    // The clock of the process: the real clock unless a test installed another.
    static Clock& Get();
    // Installs a clock (nullptr restores the real one). The caller keeps it alive.
    static void Install(Clock* clock);
};

class RealClock : public Clock {
public:
    std::uint64_t NowMs() override;
    void SleepMs(std::uint32_t ms) override;
};

// Time moves only when someone sleeps on it or advances it.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(std::uint64_t startMs = 1000) : m_now(startMs) {}
    std::uint64_t NowMs() override { return m_now.load(); }
    void SleepMs(std::uint32_t ms) override;
    bool IsVirtual() const override { return true; }
    void Advance(std::uint64_t ms) { m_now += ms; }
    // Total of all sleeps, for tests that check how long a sequence would have waited.
    std::uint64_t SleptMs() const { return m_slept.load(); }

private:
    std::atomic<std::uint64_t> m_now;
    std::atomic<std::uint64_t> m_slept{0};
};

// Installs a clock for the life of a scope (tests).
class ScopedClock {
public:
    explicit ScopedClock(Clock& clock) { Clock::Install(&clock); }
    ~ScopedClock() { Clock::Install(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};
