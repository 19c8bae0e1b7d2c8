#pragma once
// The device worker: every exchange with the mouse happens on its thread. The
// UI thread writes a value into the store and queues a task; the worker takes
// one task per iteration and runs it in the dialect of the current model, and
// when nothing waits and a device is present it polls for notifications.
// Everything it has to show goes to the device-event listener, which the main
// window implements by posting to its own thread.
#include <atomic>
#include <functional>
#include <memory>

#include "CThreadBasic.h"
#include "ConnectionTracker.h"
#include "DeviceDialect.h"
#include "DeviceSession.h"
#include "DeviceTaskQueue.h"
#include "TimerResolution.h"

class SettingsDatabase;

// What the worker asks of its owner.
struct DeviceWorkerHooks {
    // Makes the dialect of a model; tests may record the calls.
    std::function<std::unique_ptr<DeviceDialect>(HidDeviceManager&, int deviceType)> makeDialect =
        [](HidDeviceManager& m, int type) { return MakeDialect(m, type); };
    // The model's lighting flag; none: no model has lighting.
    std::function<bool(int deviceType)> hasLighting;
    // The firmware version check, after a successful read and for task 18; none: no check.
    std::function<void(DeviceDialect&, DeviceSession&)> versionCheck;
};

class DeviceWorker final : public CThreadBasic {
public:
    using Hooks = DeviceWorkerHooks;

    // `store` is the store the tracker's model switch keeps open on the current model.
    DeviceWorker(HidDeviceManager& manager, ConnectionTracker& tracker, SettingsDatabase& store,
                 DeviceEventListener& listener, Hooks hooks = {},
                 TimerResolution& resolution = TimerResolution::System());
    ~DeviceWorker() override;

    // ---- UI thread ----
    // Queues a task with what it concerns. Profile 0 takes the profile current
    // now. False when it was not queued (a reconnect or model change that waits already).
    bool Queue(DeviceTask task);
    // A device-interface arrival or removal as the window's notification reports
    // it. Only queues it: matching it against the model's interfaces asks the HID
    // manager, which may be busy with a transfer for seconds; the worker matches
    // it, reconnects and tells the window through the listener.
    bool QueueDeviceChange(const CString& path, DeviceChange change);
    // The mouse's current profile, shared with the worker: a switch sets it
    // before it queues the apply-profile task; the worker changes it only when
    // the mouse reports another one, and tells the listener.
    void SetCurrentProfile(int profile);
    // While paused (an updater rewrites the mouse's firmware) the worker neither runs
    // tasks nor polls; what is queued meanwhile waits for the resume.
    void SetPaused(bool paused) { m_paused = paused; }
    bool Paused() const { return m_paused.load(); }
    int CurrentProfile() const;
    const DeviceTaskQueue& Tasks() const { return m_queue; }

    // ---- worker thread (tests call it directly instead of starting the thread) ----
    void Run() override;
    // Runs every waiting task on the calling thread, without polling
    // (mirevoctl). True when each of them succeeded.
    bool RunQueued();
    // True once the first read (task 1) succeeded; later task 1 requests do nothing.
    // The first task 1 also chooses the model to start with (the preferred one when it
    // is plugged in, else the first plugged-in one) and opens its store.
    bool FirstReadDone() const { return m_firstReadDone.load(); }
    // What the mouse last reported, for the pages: its connection mode (-1 none yet) and,
    // for the second chip family, the highest report-rate code it offers (0 none yet).
    int ReportedWorkMode() const { return m_session.workMode; }
    int ReportedHighestRate() const { return m_session.highestRate; }

private:
    bool Perform(const DeviceTask& task);
    bool Send(const DeviceTask& task);
    bool ReadEverything();
    // True for a reconnect asked for without a notification, or one whose
    // interface concerns the current model (the tracker then notes its mode).
    bool ConcernsTheModel(const DeviceTask& task, DeviceChange change);
    bool ChangeModel(int deviceType, unsigned generation);
    bool FactoryReset(unsigned generation);
    void ChooseModelAtStart();
    void Poll();
    // The dialect of the tracker's current model, made anew when the model changed.
    DeviceDialect& Dialect();

    HidDeviceManager& m_manager;
    ConnectionTracker& m_tracker;
    DeviceEventListener& m_listener;
    Hooks m_hooks;
    TimerResolution& m_resolution;
    DeviceTaskQueue m_queue;
    DeviceSession m_session;          // worker thread only, except its current profile
    std::unique_ptr<DeviceDialect> m_dialect;
    int m_dialectType = 0;
    std::atomic<bool> m_firstReadDone{false};
    std::atomic<bool> m_paused{false};
    bool m_modelChosen = false;  // worker thread only
};
