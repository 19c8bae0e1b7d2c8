#pragma once
// Everything behind the main window that talks to the mouse or keeps its settings: the
// catalogue, the HID manager, the connection tracker, the model's settings store and
// the device worker with its thread. The window owns one; the worker reports through
// the listener given here (the window's posting listener), never to a control.
//
// Threads: constructed, started and stopped on the UI thread. Between Start and Stop
// only the worker touches the manager and the tracker's interfaces; the UI thread
// queues tasks and reads and writes the store, which has its own lock.
#include <memory>

#include "CString.h"
#include "ConnectionTracker.h"
#include "DeviceCatalogue.h"
#include "DeviceWorker.h"
#include "HidDeviceManager.h"
#include "ProfileNaming.h"
#include "Registry.h"
#include "SettingsDatabase.h"

struct DeviceStackFolders {
    CString program;  // config.xml and device\ beside the program
    CString data;     // the per-user data folder; the stores live in its db folder
};

class DeviceStack {
public:
    DeviceStack(DeviceStackFolders folders, Registry& registry, DeviceEventListener& listener,
                const ProfileNaming* naming = nullptr);
    ~DeviceStack();
    DeviceStack(const DeviceStack&) = delete;
    DeviceStack& operator=(const DeviceStack&) = delete;

    // Reads config.xml; false when it is missing, malformed or lists no model.
    bool LoadCatalogue();
    const DeviceCatalogue& Catalogue() const { return m_catalogue; }
    const CString& ProgramFolder() const { return m_folders.program; }
    // The model to show first: the one the registry remembers, else the catalogue's first.
    int PreferredModel();
    // The model's description (pictures, buttons, lighting); empty when it does not load.
    ModelDescription Describe(int deviceType) const;

    // Queues the first read of `deviceType` (the worker may choose another model that
    // is plugged in, and says so through the listener) and starts the worker.
    void Start(int deviceType);
    // Stops the worker (its transfers end at once) and closes the store. Idempotent.
    void Stop();
    bool Running() const { return m_worker->Running(); }
    // While nobody can see the window the worker looks for the mouse's notifications less
    // often; they wait in the system's report queue meanwhile, so none is lost.
    void SetQuiet(bool quiet) { m_worker->SetPeriod(quiet ? kQuietPollPeriodMs : kPollPeriodMs); }

    DeviceWorker& Worker() { return *m_worker; }
    // For code that runs on the worker's thread (its listener); never from the UI thread.
    HidDeviceManager& Manager() { return m_manager; }
    SettingsDatabase& Store() { return m_store; }
    // The model the worker has made current (the selector's choice once its change ran).
    int CurrentModel() const { return m_tracker->CurrentType(); }

    static constexpr int kPollPeriodMs = 30;
    static constexpr int kQuietPollPeriodMs = 500;

private:
    // Where the tracker's model switch lands: the store of the model and the registry.
    class ModelSink : public ModelSwitchSink {
    public:
        ModelSink(DeviceStack& stack) : m_stack(stack) {}
        void OpenModelDatabase(int deviceType) override;
        void SetStoreDeviceType(int deviceType) override;
        void WriteDeviceType(int deviceType) override;

    private:
        DeviceStack& m_stack;
    };

    bool HasLighting(int deviceType) const;
    // The firmware check (the worker's hook): the versions go to the listener.
    void CheckVersions(DeviceDialect& dialect, DeviceSession& session);

    DeviceStackFolders m_folders;
    Registry& m_registry;
    DeviceCatalogue m_catalogue;
    HidDeviceManager m_manager;
    SettingsDatabase m_store;
    ModelSink m_sink;
    std::unique_ptr<ConnectionTracker> m_tracker;
    std::unique_ptr<DeviceWorker> m_worker;
};
