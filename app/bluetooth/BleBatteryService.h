#pragma once
// The battery of a mouse connected over Bluetooth LE, from its GATT Battery Service:
// read once when the connection is found, then followed through value-change events.
//
// Threads: Refresh and Release run on the device worker (GATT calls can block for
// seconds). Value changes arrive on the stack's threads; they read only the connection
// snapshot below and post the level through `ui`, which must be safe to call from any
// thread (the window's posting listener).
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "CString.h"
#include "DeviceEvents.h"
#include "GattLayer.h"

class BleBatteryService {
public:
    BleBatteryService(GattLayer& gatt, DeviceEventListener& ui);
    ~BleBatteryService();
    BleBatteryService(const BleBatteryService&) = delete;
    BleBatteryService& operator=(const BleBatteryService&) = delete;

    // Drops the previous service and its registrations, opens the Battery Service of the
    // device whose interface path contains `deviceMatch` (the last one listed), shows every
    // byte its readable characteristics hold (the last stays) and subscribes to its
    // notifiable ones. True when its characteristics could be listed.
    bool Refresh(const CString& deviceMatch);
    // Unsubscribes everything and closes the service; no level is posted afterwards.
    void Release();

    // The connection as the worker last learned it: a change that arrives once the mouse
    // has left Bluetooth (its receiver or cable took over) is not shown.
    void SetBluetoothConnected(bool connected) { m_bluetooth->store(connected); }

    GattServiceHandle Service() const;
    size_t Registrations() const;

private:
    // What the stack's callbacks hold: the target, cut off by Release before the
    // registrations go, so a late callback cannot reach a closed window.
    struct Delivery {
        std::mutex lock;
        DeviceEventListener* ui = nullptr;
        std::shared_ptr<const std::atomic<bool>> bluetooth;
        void Post(std::span<const std::uint8_t> value);
    };

    GattServiceHandle OpenMatchingService(const CString& deviceMatch);
    void ReleaseLocked();

    GattLayer& m_gatt;
    DeviceEventListener& m_ui;
    mutable std::mutex m_lock;
    std::shared_ptr<std::atomic<bool>> m_bluetooth = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<Delivery> m_delivery;
    GattServiceHandle m_service = 0;
    std::vector<GattRegistration> m_registrations;
};
