#pragma once
// Periodic high-resolution timers over the Windows multimedia timer.
//
// Ticks never run toolkit code on the multimedia-timer thread. The callback only posts
// the registered message GetTickMessage() (wparam = timer ID, lparam = 0) to the
// object's tick window, at most one at a time per timer: while a tick of a timer waits
// in the queue, further ticks of that timer are folded into it. The window procedure
// hands that message to OnTickMessage, which runs OnMTimer on the window's own thread:
//
//     if (msg == CMTimer::GetTickMessage()) return timer->OnTickMessage(wparam, lparam);
//
// A timer object without a tick window lets its timers run but delivers no ticks.
// KillTimer waits for a callback that is already running, so once it returns no further
// tick of that timer is posted, and a tick still queued for it is dropped on arrival.
// A class deriving from CMTimer stops its timers (KillTimer()) before its own members go,
// since the base destructor runs only after them.
//
// The process raises the system timer resolution once, with its first timer, and lowers
// it again when the last timer object is destroyed: every timeBeginPeriod has exactly one
// timeEndPeriod.
#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <vector>

#include "CString.h"
#include "KelvoApi.h"
#include "Lock.h"

// The multimedia functions the timers call. Production uses WINMM's; a test may install
// wrappers (for example to count the resolution requests) with CMTimer::SetPlatform.
struct MTimerPlatform {
    MMRESULT(WINAPI* getDevCaps)(LPTIMECAPS caps, UINT size);
    MMRESULT(WINAPI* beginPeriod)(UINT period);
    MMRESULT(WINAPI* endPeriod)(UINT period);
    MMRESULT(WINAPI* setEvent)(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags);
    MMRESULT(WINAPI* killEvent)(UINT id);
};

class KELVO_API CMTimer {
public:
    CMTimer();
    virtual ~CMTimer();
    CMTimer(const CMTimer&) = delete;
    CMTimer& operator=(const CMTimer&) = delete;

    // Tick of an application timer (SetTimer with appTimer set), after OnMTimer(id).
    virtual void OnMTimer(UINT id, CString name);
    // Tick of any timer of this object.
    virtual void OnMTimer(UINT id) = 0;

    // Starts a periodic timer of `elapse` ms; returns its ID, 0 when the system refused.
    UINT SetTimer(UINT elapse, CString name, int appTimer);
    // Stops one timer; returns the number of timers left. Unknown IDs change nothing.
    int KillTimer(UINT id);
    // Stops the first timer with exactly that name; returns the number left.
    int KillTimer(CString name);
    // Stops every timer of this object.
    void KillTimer();

    int GetTimerIsRun(UINT id);
    int GetTimerIsRun(CString name);
    CString GetTimerName(UINT id);
    int IsAppTimer(UINT id);
    // The live timer object that owns the timer ID, or null.
    static CMTimer* GetMTimer(UINT id);

    // The callback given to timeSetEvent; `user` is the CMTimer*. Posts only.
    static void CALLBACK TimerCallProc(UINT id, UINT msg, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

    // Where ticks are posted; null stops delivery. Set it before starting timers.
    void SetTickWindow(HWND window);
    HWND GetTickWindow() const;
    // The registered window message that carries ticks (the same value in every window).
    static UINT GetTickMessage();
    // Runs one posted tick on the calling (window) thread. Returns 1 when wparam named a
    // running timer of this object and it was dispatched, else 0.
    int OnTickMessage(WPARAM wparam, LPARAM lparam);

    // Replaces the multimedia functions (null restores WINMM's). Only while no timer runs.
    static void SetPlatform(const MTimerPlatform* platform);

    // The resolution (ms) used for every timer of the process; 1 until the first SetTimer.
    static UINT m_uAccuracy;
    // 1 while the process holds a raised system timer resolution.
    static int m_bIsTmierOK;

private:
    struct Entry;

    Entry* FindLocked(UINT id) const;
    void StopEntries(std::vector<std::unique_ptr<Entry>>& stopped);

    mutable Lock m_lock;  // guards m_entries and m_tickWindow; never held across timeKillEvent
    std::vector<std::unique_ptr<Entry>> m_entries;
    HWND m_tickWindow = nullptr;
};
