#pragma once
// A request to stop, bound to the thread that should heed it. While a thread
// is bound to a signal, its waits on the real clock end as soon as the signal
// is raised, and the device transfers it starts fail at once, so a worker
// asked to stop leaves even a long command sequence promptly and is joined.
#include <condition_variable>
#include <cstdint>
#include <mutex>

class StopSignal {
public:
    void Raise();
    // Clears the request, for a thread that starts again.
    void Clear();
    bool Raised() const;
    // Waits up to `ms`; true when the wait ended because the signal was raised.
    bool WaitFor(std::uint32_t ms);

    // The signal the calling thread heeds; null when it heeds none.
    static StopSignal* OfThisThread();
    // True when the calling thread heeds a signal that has been raised.
    static bool ThisThreadStopping();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_raised = false;
};

// Binds the calling thread to a signal for the life of a scope.
class StopSignalBinding {
public:
    explicit StopSignalBinding(StopSignal& signal);
    ~StopSignalBinding();
    StopSignalBinding(const StopSignalBinding&) = delete;
    StopSignalBinding& operator=(const StopSignalBinding&) = delete;

private:
    StopSignal* m_previous;
};
