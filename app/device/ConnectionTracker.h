#pragma once
// Which catalogue model is current, and whether and how it is connected. Keeps
// the HID manager filtered to that model, rebuilds the open interfaces when
// devices come and go, and reports the connection through the listener. Its
// effects on the settings store and the registry go through ModelSwitchSink, so
// it runs the same in the program, in mirevoctl and in tests.
//
// Threads: every operation may be called from any thread at any time; the UI
// thread calls SetCurrentType while the worker calls Refresh, ChangeModel and
// UpdateUSBDevice (which asks the manager whether an interface is open, and so
// waits for a running transfer: the UI thread only queues notifications). One
// lock guards the tracker's own state and is never held while the manager, the
// listener or the sink run. Refresh and GetConnectDeviceInfo are serialised among
// themselves. A model change that overtakes a running Refresh wins: that Refresh
// reports nothing and puts the manager back on the new model, whose own read (the
// task ChangeModel returns) refreshes again.
#include <mutex>
#include <string>
#include <vector>

#include "CString.h"
#include "DeviceCatalogue.h"
#include "DeviceEvents.h"
#include "HidDeviceManager.h"

class ModelSwitchSink {
public:
    virtual ~ModelSwitchSink() = default;
    // Opens db\<device_attr>_data7.db of the model (closing the previous one).
    virtual void OpenModelDatabase(int deviceType) = 0;
    virtual void SetStoreDeviceType(int deviceType) = 0;
    // The registry value DeviceType.
    virtual void WriteDeviceType(int deviceType) = 0;
};

enum class DeviceChange { kArrival, kRemoval };

// Device tasks the tracker asks for (the worker's numbering).
constexpr int kTaskNone = 0;
constexpr int kTaskReconnectAfterArrival = 2;
constexpr int kTaskReconnectAfterRemoval = 3;
constexpr int kTaskReadAfterModelChange = 4;

class ConnectionTracker {
public:
    ConnectionTracker(HidDeviceManager& manager, const DeviceCatalogue& catalogue, DeviceEventListener& listener,
                      ModelSwitchSink& sink);

    // The model the selector holds; does not touch the interfaces.
    void SetCurrentType(int deviceType);
    int CurrentType() const;
    // The catalogue entries of the current model as of the last Refresh.
    std::vector<DeviceModeEntry> CurrentModes() const;

    // Start-up: keep the selected model if it has an online interface, else take the
    // first model (in selector order) that has one. Returns the current type.
    int GetConnectDeviceInfo();
    // Rebuilds filters and interfaces for the current model and reports the connection.
    void Refresh();
    // The user picked another model: returns the task to queue (read after the change).
    int ChangeModel(int deviceType);
    // One device-interface notification (WM_DEVICECHANGE arrival or removal of a HID
    // interface); returns the task to queue, or kTaskNone. A wired mouse shows several
    // collections, so the caller queues the task only when the same one is not already waiting.
    int UpdateUSBDevice(const CString& path, DeviceChange change);

    bool DevicePresent() const;
    bool Connected() const;
    int LastArrivalMode() const;

private:
    std::vector<HidDeviceFilter> FiltersOf(int deviceType) const;
    bool HasOnlineInterface(int deviceType);

    HidDeviceManager& m_manager;
    const DeviceCatalogue& m_catalogue;
    DeviceEventListener& m_listener;
    ModelSwitchSink& m_sink;
    std::mutex m_refreshing;  // one enumeration at a time
    mutable std::mutex m_lock;  // the state below
    int m_currentType = 0;
    std::vector<DeviceModeEntry> m_currentModes;
    bool m_present = false;
    bool m_connected = false;
    int m_lastArrivalMode = -1;
};
