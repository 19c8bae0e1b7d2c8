#pragma once
// A thread that calls one operation, once or in a loop with a pause after each
// call. Stopping interrupts the pause and every device transfer and wait the
// thread is in (it heeds its stop signal), then joins it, so the object that
// owns the thread is never destroyed while the thread still runs.
#include <atomic>
#include <cstdint>
#include <thread>

#include "StopSignal.h"

class CThreadBasic {
public:
    CThreadBasic() = default;
    virtual ~CThreadBasic();
    CThreadBasic(const CThreadBasic&) = delete;
    CThreadBasic& operator=(const CThreadBasic&) = delete;

    // Starts the thread unless it runs already. The exit value is the start tick.
    void Start(int periodMs = 30, bool looping = true);
    // Asks the thread to stop, interrupts its waits and joins it. Safe to call
    // when the thread is not running, and more than once.
    void Stop();
    bool Running() const { return m_running.load(); }
    // The pause after each call from now on (a call already pausing finishes its pause).
    void SetPeriod(int periodMs) { m_periodMs = periodMs < 0 ? 0 : periodMs; }
    int Period() const { return m_periodMs.load(); }
    std::uint64_t ExitValue() const { return m_exitValue; }

protected:
    // One iteration of the thread's work.
    virtual void Run() = 0;
    // A derived class must call Stop in its own destructor, before its members go.
    bool StopRequested() const { return m_stop.Raised(); }

private:
    void ThreadMain();

    std::thread m_thread;
    std::atomic<bool> m_running{false};
    StopSignal m_stop;
    std::atomic<int> m_periodMs{30};
    bool m_looping = true;
    std::uint64_t m_exitValue = 0;
};
