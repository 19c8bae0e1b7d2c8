#include "CMTimer.h"

#include <algorithm>
#include <new>

UINT CMTimer::m_uAccuracy = 1;
int CMTimer::m_bIsTmierOK = 0;

struct CMTimer::Entry {
    UINT id = 0;
    CString name;
    int appTimer = 0;
    bool pending = false;  // a tick of this timer waits in the window's queue
};

namespace {

const MTimerPlatform kWinmm = {timeGetDevCaps, timeBeginPeriod, timeEndPeriod, timeSetEvent, timeKillEvent};

// Every live timer object, the multimedia functions in use and the process's resolution
// request. The multimedia-timer thread never takes this lock.
struct Registry {
    Lock lock;
    std::vector<CMTimer*> timers;
    const MTimerPlatform* platform = &kWinmm;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

MTimerPlatform Platform() {
    Registry& registry = TheRegistry();
    LockGuard guard(registry.lock);
    return *registry.platform;
}

// The resolution for a device's period range: its minimum, but at least 1 ms and at most
// its maximum.
UINT AccuracyFor(const TIMECAPS& caps) {
    UINT accuracy = caps.wPeriodMin < 2 ? 1 : caps.wPeriodMin;
    if (accuracy > caps.wPeriodMax && caps.wPeriodMax > 0) accuracy = caps.wPeriodMax;
    return accuracy;
}

}  // namespace

CMTimer::CMTimer() {
    Registry& registry = TheRegistry();
    LockGuard guard(registry.lock);
    registry.timers.push_back(this);
}

CMTimer::~CMTimer() {
    KillTimer();
    Registry& registry = TheRegistry();
    LockGuard guard(registry.lock);
    registry.timers.erase(std::remove(registry.timers.begin(), registry.timers.end(), this), registry.timers.end());
    // The last timer object gives back the resolution the process asked for.
    if (registry.timers.empty() && m_bIsTmierOK) {
        registry.platform->endPeriod(m_uAccuracy);
        m_bIsTmierOK = 0;
    }
}

void CMTimer::OnMTimer(UINT, CString) {}

UINT CMTimer::SetTimer(UINT elapse, CString name, int appTimer) {
    MTimerPlatform platform;
    UINT accuracy;
    {
        Registry& registry = TheRegistry();
        LockGuard guard(registry.lock);
        platform = *registry.platform;
        if (!m_bIsTmierOK) {
            TIMECAPS caps{};
            if (platform.getDevCaps(&caps, sizeof(caps)) == TIMERR_NOERROR) {
                m_uAccuracy = AccuracyFor(caps);
                // Only a granted request is remembered, so that only it is given back.
                if (platform.beginPeriod(m_uAccuracy) == TIMERR_NOERROR) m_bIsTmierOK = 1;
            }
        }
        accuracy = m_uAccuracy;
    }

    // The entry list stays locked until the entry exists, so an early callback waits for it.
    // Everything that allocates happens before the timer starts, so that nothing can fail
    // (or throw) once it runs.
    LockGuard guard(m_lock);
    std::unique_ptr<Entry> entry;
    try {
        entry = std::make_unique<Entry>();
        entry->name = name;
        m_entries.reserve(m_entries.size() + 1);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    const UINT id = platform.setEvent(elapse, accuracy, TimerCallProc, reinterpret_cast<DWORD_PTR>(this),
                                      TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    if (id == 0) return 0;
    entry->id = id;
    entry->appTimer = appTimer;
    m_entries.push_back(std::move(entry));
    return id;
}

CMTimer::Entry* CMTimer::FindLocked(UINT id) const {
    for (const auto& entry : m_entries)
        if (entry->id == id) return entry.get();
    return nullptr;
}

// Kills the timers of entries already taken out of the list. This runs without the list
// lock: a synchronous kill waits for a running callback, and the callback takes that lock.
void CMTimer::StopEntries(std::vector<std::unique_ptr<Entry>>& stopped) {
    if (stopped.empty()) return;
    const MTimerPlatform platform = Platform();
    for (const auto& entry : stopped) platform.killEvent(entry->id);
    stopped.clear();
}

int CMTimer::KillTimer(UINT id) {
    std::vector<std::unique_ptr<Entry>> stopped;
    int left;
    {
        LockGuard guard(m_lock);
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const auto& e) { return e->id == id; });
        if (it != m_entries.end()) {
            stopped.push_back(std::move(*it));
            m_entries.erase(it);
        }
        left = static_cast<int>(m_entries.size());
    }
    StopEntries(stopped);
    return left;
}

int CMTimer::KillTimer(CString name) {
    std::vector<std::unique_ptr<Entry>> stopped;
    int left;
    {
        LockGuard guard(m_lock);
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [&name](const auto& e) { return e->name == name; });
        if (it != m_entries.end()) {
            stopped.push_back(std::move(*it));
            m_entries.erase(it);
        }
        left = static_cast<int>(m_entries.size());
    }
    StopEntries(stopped);
    return left;
}

void CMTimer::KillTimer() {
    std::vector<std::unique_ptr<Entry>> stopped;
    {
        LockGuard guard(m_lock);
        stopped.swap(m_entries);
    }
    StopEntries(stopped);
}

int CMTimer::GetTimerIsRun(UINT id) {
    LockGuard guard(m_lock);
    return FindLocked(id) ? 1 : 0;
}

int CMTimer::GetTimerIsRun(CString name) {
    LockGuard guard(m_lock);
    for (const auto& entry : m_entries)
        if (entry->name == name) return 1;
    return 0;
}

CString CMTimer::GetTimerName(UINT id) {
    LockGuard guard(m_lock);
    const Entry* entry = FindLocked(id);
    return entry ? entry->name : CString();
}

int CMTimer::IsAppTimer(UINT id) {
    LockGuard guard(m_lock);
    const Entry* entry = FindLocked(id);
    return entry ? entry->appTimer : 0;
}

CMTimer* CMTimer::GetMTimer(UINT id) {
    Registry& registry = TheRegistry();
    LockGuard guard(registry.lock);
    for (CMTimer* timer : registry.timers)
        if (timer->GetTimerIsRun(id)) return timer;
    return nullptr;
}

void CALLBACK CMTimer::TimerCallProc(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    auto* self = reinterpret_cast<CMTimer*>(user);
    if (!self) return;
    LockGuard guard(self->m_lock);
    Entry* entry = self->FindLocked(id);
    if (!entry || !self->m_tickWindow || entry->pending) return;
    entry->pending = ::PostMessageW(self->m_tickWindow, GetTickMessage(), id, 0) != FALSE;
}

void CMTimer::SetTickWindow(HWND window) {
    LockGuard guard(m_lock);
    m_tickWindow = window;
    for (const auto& entry : m_entries) entry->pending = false;
}

HWND CMTimer::GetTickWindow() const {
    LockGuard guard(m_lock);
    return m_tickWindow;
}

UINT CMTimer::GetTickMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Kelvo.CMTimer.Tick");
    return message;
}

int CMTimer::OnTickMessage(WPARAM wparam, LPARAM) {
    const UINT id = static_cast<UINT>(wparam);
    {
        LockGuard guard(m_lock);
        Entry* entry = FindLocked(id);
        if (!entry) return 0;  // killed after the tick was posted
        entry->pending = false;
    }
    OnMTimer(id);
    if (IsAppTimer(id)) OnMTimer(id, GetTimerName(id));
    return 1;
}

void CMTimer::SetPlatform(const MTimerPlatform* platform) {
    Registry& registry = TheRegistry();
    LockGuard guard(registry.lock);
    registry.platform = platform ? platform : &kWinmm;
}
