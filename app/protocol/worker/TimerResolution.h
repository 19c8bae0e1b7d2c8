#pragma once
// The system timer resolution the worker raises to 1 ms for each iteration, so
// its short waits between packets are kept. Every Raise has exactly one Release.
class TimerResolution {
public:
    virtual ~TimerResolution() = default;
    virtual void Raise() = 0;
    virtual void Release() = 0;

    // The platform's: timeBeginPeriod/timeEndPeriod on Windows; elsewhere the
    // timers are fine-grained already and there is nothing to request.
    static TimerResolution& System();
};

// Holds a raised resolution for a scope.
class RaisedTimerResolution {
public:
    explicit RaisedTimerResolution(TimerResolution& resolution) : m_resolution(resolution) { m_resolution.Raise(); }
    ~RaisedTimerResolution() { m_resolution.Release(); }
    RaisedTimerResolution(const RaisedTimerResolution&) = delete;
    RaisedTimerResolution& operator=(const RaisedTimerResolution&) = delete;

private:
    TimerResolution& m_resolution;
};
