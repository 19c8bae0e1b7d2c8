#include "DeviceWorker.h"

#include "Waits.h"
#include "DebugTrace.h"
#include "SettingsDatabase.h"

DeviceWorker::DeviceWorker(HidDeviceManager& manager, ConnectionTracker& tracker, SettingsDatabase& store,
                           DeviceEventListener& listener, Hooks hooks, TimerResolution& resolution)
    : m_manager(manager), m_tracker(tracker), m_listener(listener), m_hooks(std::move(hooks)),
      m_resolution(resolution) {
    m_session.store = &store;
    m_session.listener = &listener;
}

// The thread uses every member; it must end before they do.
DeviceWorker::~DeviceWorker() { Stop(); }

bool DeviceWorker::Queue(DeviceTask task) {
    if (task.profile < 1 || task.profile > 5) task.profile = CurrentProfile();
    return m_queue.Push(task);
}

bool DeviceWorker::QueueDeviceChange(const CString& path, DeviceChange change) {
    DeviceTask task{change == DeviceChange::kArrival ? kTaskReconnectArrival : kTaskReconnectRemoval};
    task.devicePath = path;
    return Queue(task);
}

void DeviceWorker::SetCurrentProfile(int profile) { m_session.currentProfile.Change(profile); }

int DeviceWorker::CurrentProfile() const { return m_session.currentProfile; }

// The fine timer resolution is asked for only around transfers: an iteration with
// nothing to do leaves the system timer alone.
void DeviceWorker::Run() {
    if (m_paused) return;
    if (std::optional<DeviceTask> task = m_queue.Pop()) {
        RaisedTimerResolution raised(m_resolution);
        if (!Perform(*task)) DebugTrace("device task %d abandoned: a transfer failed", task->number);
        return;
    }
    if (!m_tracker.DevicePresent()) return;
    RaisedTimerResolution raised(m_resolution);
    Poll();
}

bool DeviceWorker::RunQueued() {
    RaisedTimerResolution raised(m_resolution);
    bool ok = true;
    while (std::optional<DeviceTask> task = m_queue.Pop()) {
        if (Perform(*task)) continue;
        DebugTrace("device task %d abandoned: a transfer failed", task->number);
        ok = false;
    }
    return ok;
}

DeviceDialect& DeviceWorker::Dialect() {
    int type = m_tracker.CurrentType();
    if (!m_dialect || type != m_dialectType) {
        m_dialect = m_hooks.makeDialect(m_manager, type);
        m_dialectType = type;
    }
    m_session.deviceType = type;
    m_session.hasLighting = m_hooks.hasLighting && m_hooks.hasLighting(type);
    m_session.store->SetHasLighting(m_session.hasLighting);
    return *m_dialect;
}

// Refreshes the connection first, as every read-all does; nothing is read
// when no interface of the model is there.
bool DeviceWorker::ReadEverything() {
    m_tracker.Refresh();
    if (!m_tracker.DevicePresent()) return false;
    DeviceDialect& dialect = Dialect();
    bool ok = dialect.ReadEverything(m_session);
    if (ok && m_hooks.versionCheck) m_hooks.versionCheck(dialect, m_session);
    return ok;
}

bool DeviceWorker::ConcernsTheModel(const DeviceTask& task, DeviceChange change) {
    return task.devicePath.IsEmpty() || m_tracker.UpdateUSBDevice(task.devicePath, change) != kTaskNone;
}

bool DeviceWorker::ChangeModel(int deviceType, unsigned generation) {
    // Closing and opening the store, the manager's new filters and the connection
    // refresh all happen here, so the UI thread never waits on them.
    if (deviceType > 0) m_tracker.ChangeModel(deviceType);
    m_session.workMode = -1;
    m_session.mouseConnected = false;
    bool ok = ReadEverything();
    m_listener.OnModelReadFinished(ok);
    m_listener.OnModelChangeFinished(generation, ok);
    WaitMs(100);
    return ok;
}

// One task, so that nothing runs between its steps: the mouse goes back to its factory
// settings, the store to its defaults, and the mouse is read again in full (buttons and
// lighting too). The window's busy dialog waits for the end of that read.
bool DeviceWorker::FactoryReset(unsigned generation) {
    bool ok = Dialect().FactoryReset(m_session);
    SettingsDatabase& store = *m_session.store;
    if (store.IsOpen()) {
        ok = store.ResetAllTables() && ok;
        ok = store.EnsureProfiles() > 0 && ok;
        const int profile = store.GetActiveProfile();
        if (profile >= 1 && profile != m_session.currentProfile) {
            m_session.currentProfile = profile;
            m_listener.OnCurrentProfileChanged(profile);
        }
    }
    m_session.modelsRead.erase(m_session.deviceType);
    ok = ReadEverything() && ok;
    m_listener.OnModelReadFinished(ok);
    m_listener.OnModelChangeFinished(generation, ok);
    return ok;
}

// The model the program starts with is the preferred one when it is plugged in, else the
// first plugged-in one; its store opens here, on this thread, since choosing enumerates.
void DeviceWorker::ChooseModelAtStart() {
    m_modelChosen = true;
    int type = m_tracker.GetConnectDeviceInfo();
    if (type > 0) m_tracker.ChangeModel(type);
}

void DeviceWorker::Poll() {
    m_session.reconnectWanted = false;
    Dialect().PollNotifications(m_session);
    if (m_session.reconnectWanted && m_queue.PushIfEmpty(DeviceTask{kTaskReconnectArrival}))
        DebugTrace("re-read after a notification failed: reconnecting");
}

bool DeviceWorker::Perform(const DeviceTask& task) {
    m_session.lightMode = task.lightMode;
    switch (task.number) {
    case kTaskFirstRead:
        if (m_firstReadDone) return true;
        if (!m_modelChosen) ChooseModelAtStart();
        m_firstReadDone = ReadEverything();
        return m_firstReadDone;
    case kTaskReconnectArrival:
        if (!ConcernsTheModel(task, DeviceChange::kArrival)) return true;
        WaitMs(1000);
        return ReadEverything();
    case kTaskReconnectRemoval:
        // Reads what is still reachable; a mouse that went away entirely is no failure.
        if (!ConcernsTheModel(task, DeviceChange::kRemoval)) return true;
        WaitMs(500);
        return ReadEverything() || !m_tracker.DevicePresent();
    case kTaskModelChange: return ChangeModel(task.deviceType, task.generation);
    case kTaskFactoryReset: return FactoryReset(task.generation);
    case kTaskVersionCheck:
        if (m_hooks.versionCheck) m_hooks.versionCheck(Dialect(), m_session);
        return true;
    default: break;
    }
    // The commands below carry no profile number: the mouse puts what they send
    // into its current profile. A task queued for another profile (the user
    // switched meanwhile) stays in the store, and goes out when that profile is
    // applied.
    if (task.profile >= 1 && task.profile <= 5 && task.profile != m_session.currentProfile) {
        DebugTrace("device task %d for profile %d not sent: profile %d is current", task.number, task.profile,
                   static_cast<int>(m_session.currentProfile));
        return true;
    }
    return Send(task);
}

bool DeviceWorker::Send(const DeviceTask& task) {
    switch (task.number) {
    case kTaskApplyProfile: return Dialect().ApplyProfile(m_session);
    case kTaskWriteButton: return Dialect().WriteButton(m_session, task.button);
    case kTaskRestoreButton: return Dialect().RestoreButton(m_session, task.button);
    case kTaskLighting: return Dialect().WriteLighting(m_session);
    case kTaskDpi: return Dialect().WriteDpi(m_session);
    case kTaskReportRate: return Dialect().WriteReportRate(m_session);
    case kTaskSensor: return Dialect().WriteSensor(m_session);
    case kTaskSleepTime: return Dialect().WriteSleepTime(m_session);
    case kTaskResponseTime: return Dialect().WriteResponseTime(m_session);
    case kTaskResetParts: return Dialect().ResetParts(m_session, task.resetMask);
    case kTaskApplyEverything: return Dialect().ApplyEverything(m_session);
    default: return true;  // numbers without a task do nothing
    }
}
