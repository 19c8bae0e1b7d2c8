// Timers of the paint manager: window timers that controls ask for under their own keys,
// the periodic tick of the tick list, and the manager's own reserved window timers.
#include <algorithm>

#include "ControlRetirement.h"
#include "MControl.h"
#include "PaintManager.h"

namespace Kelvo {

int PaintManager::SetTimer(MControl* control, UINT key, UINT elapse) {
    if (!control || !IsLive()) return 0;
    LockGuard guard(m_timerLock);
    for (ControlTimer& timer : m_timers) {
        if (timer.window != m_hWnd || timer.control != control || timer.key != key) continue;
        if (!timer.killed) return 0;  // already running: not restarted
        if (!::SetTimer(m_hWnd, timer.id, elapse, nullptr)) return 0;
        timer.killed = false;
        return 1;
    }
    // Killed entries keep their IDs for a restart, so they count as taken too.
    const UINT id = m_timerIds.Next([this](unsigned candidate) {
        return std::any_of(m_timers.begin(), m_timers.end(),
                           [candidate](const ControlTimer& timer) { return timer.id == candidate; });
    });
    if (id == 0 || !::SetTimer(m_hWnd, id, elapse, nullptr)) return 0;
    m_timers.push_back({m_hWnd, control, key, id, false});
    return 1;
}

int PaintManager::KillTimer(MControl* control, UINT key) {
    LockGuard guard(m_timerLock);
    for (ControlTimer& timer : m_timers) {
        if (timer.control != control || timer.key != key || timer.killed) continue;
        if (::IsWindow(timer.window)) ::KillTimer(timer.window, timer.id);
        timer.killed = true;
        return 1;
    }
    return 0;
}

int PaintManager::KillTimer(MControl* control) {
    LockGuard guard(m_timerLock);
    int killed = 0;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->control != control) {
            ++it;
            continue;
        }
        if (!it->killed && ::IsWindow(it->window)) ::KillTimer(it->window, it->id);
        it = m_timers.erase(it);
        ++killed;
    }
    return killed ? 1 : 0;
}

void PaintManager::ClearTimers() {
    LockGuard guard(m_timerLock);
    for (const ControlTimer& timer : m_timers)
        if (!timer.killed && ::IsWindow(timer.window)) ::KillTimer(timer.window, timer.id);
    m_timers.clear();
}

UINT PaintManager::SetMTimer(UINT milliseconds) {
    // One periodic tick per window: a second one would run the tick list twice as often
    // and could never be stopped through the remembered ID.
    m_bTicksOnDemand = false;
    const UINT previous = m_uMTimerID;
    m_uMTimerID = CMTimer::SetTimer(milliseconds, CString(), 0);
    if (previous && previous != m_uMTimerID) CMTimer::KillTimer(previous);
    return m_uMTimerID;
}

int PaintManager::KillMTimer(UINT id) {
    if (id == m_uMTimerID) m_uMTimerID = 0;
    return CMTimer::KillTimer(id);
}

void PaintManager::KillMTimer() {
    CMTimer::KillTimer();
    m_uMTimerID = 0;
    m_bTicksOnDemand = false;
}

void PaintManager::SetTickPeriod(UINT milliseconds) {
    m_uTickPeriod = milliseconds;
    WakeTicks();
}

void PaintManager::WakeTicks() {
    if (m_uMTimerID || m_uTickPeriod == 0 || !IsLive() || !::IsWindowVisible(m_hWnd) || ::IsIconic(m_hWnd)) return;
    if (!AnyControlAnimates()) return;
    if (SetMTimer(m_uTickPeriod)) m_bTicksOnDemand = true;
}

bool PaintManager::AnyControlAnimates() {
    LockGuard guard(m_tickLock);
    return std::any_of(m_tickControls.begin(), m_tickControls.end(), [](MControl* control) {
        return control->IsRunTimer() && control->IsVisible() && control->IsParentVisible();
    });
}

int PaintManager::AddMTimer(MControl* control) {
    if (!control) return 0;
    {
        LockGuard guard(m_tickLock);
        if (std::find(m_tickControls.begin(), m_tickControls.end(), control) != m_tickControls.end()) return 0;
        m_tickControls.push_back(control);
    }
    WakeTicks();
    return 1;
}

int PaintManager::DeleteTimer(MControl* control) {
    LockGuard guard(m_tickLock);
    auto it = std::find(m_tickControls.begin(), m_tickControls.end(), control);
    if (it == m_tickControls.end()) return 0;
    m_tickControls.erase(it);
    return 1;
}

void PaintManager::OnMTimer(UINT id) {
    if (!GetTimerIsRun(id)) return;
    ControlRetirement::Scope scope;
    std::vector<MControl*> ticking;
    {
        LockGuard guard(m_tickLock);
        ticking = m_tickControls;
    }
    for (MControl* control : ticking) {
        {
            // A tick handler may have taken a later control off the list (or destroyed it).
            LockGuard guard(m_tickLock);
            if (std::find(m_tickControls.begin(), m_tickControls.end(), control) == m_tickControls.end()) continue;
        }
        if (control->IsRunTimer() && control->IsVisible() && control->IsParentVisible()) control->OnTimer();
    }
    // Nothing left to move, or nobody to see it: the tick sleeps until a control wakes it.
    if (m_bTicksOnDemand && (!IsLive() || !::IsWindowVisible(m_hWnd) || ::IsIconic(m_hWnd) || !AnyControlAnimates()))
        KillMTimer();
}

void PaintManager::OnWindowTimer(UINT id) {
    switch (id) {
    case ControlTimerIds::kCaretBlink:
        OnCaretBlink();
        return;
    case ControlTimerIds::kKillAtOnce:
        if (IsLive()) ::KillTimer(m_hWnd, id);
        return;
    case ControlTimerIds::kOverlayFade:
        OnOverlayFade();
        return;
    case ControlTimerIds::kProgress:
        OnProgressStep();
        return;
    default:
        break;
    }
    MControl* target = nullptr;
    {
        LockGuard guard(m_timerLock);
        for (const ControlTimer& timer : m_timers)
            if (timer.id == id && timer.window == m_hWnd && !timer.killed) target = timer.control;
    }
    if (target && !target->IsDetached()) target->OnTimer();
}

}  // namespace Kelvo
