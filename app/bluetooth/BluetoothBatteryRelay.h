#pragma once
// Sits between the device worker and the window's posting listener: passes every event
// on, and acts on the worker's thread where the Bluetooth battery needs it. When the
// connection refresh finds the mouse on Bluetooth, the Battery Service is read here,
// before the window hears of it, so the seconds a GATT call can take are the worker's
// and never the window's; every connection text updates the snapshot the stack's
// callbacks read.
#include <functional>

#include "BleBatteryService.h"
#include "DeviceEvents.h"

class BluetoothBatteryRelay : public DeviceEventListener {
public:
    // `deviceMatch` names the current model's piece of the interface path
    // (BatteryServiceMatch). `onStatusText`, when set, lets the owner take other
    // snapshots of the worker's side at each connection text. Both run on the worker.
    BluetoothBatteryRelay(DeviceEventListener& next, BleBatteryService& battery, std::function<CString()> deviceMatch,
                          std::function<void(int textId)> onStatusText = {});

    void OnStatusText(int textId) override;
    void OnClearMessage() override { m_next.OnClearMessage(); }
    void OnBattery(int level, int state) override { m_next.OnBattery(level, state); }
    void OnPagesEnabled(bool enabled) override { m_next.OnPagesEnabled(enabled); }
    void OnReloadPage(DevicePage page) override { m_next.OnReloadPage(page); }
    void OnModelReadFinished(bool ok) override { m_next.OnModelReadFinished(ok); }
    void OnModelChangeFinished(unsigned generation, bool ok) override { m_next.OnModelChangeFinished(generation, ok); }
    void OnModelSelected(int deviceType) override { m_next.OnModelSelected(deviceType); }
    void OnBluetoothBatteryWanted() override;
    void OnCurrentProfileChanged(int profile) override { m_next.OnCurrentProfileChanged(profile); }
    void OnFirmwareVersions(const FirmwareVersions& versions) override { m_next.OnFirmwareVersions(versions); }

private:
    DeviceEventListener& m_next;
    BleBatteryService& m_battery;
    std::function<CString()> m_deviceMatch;
    std::function<void(int textId)> m_onStatusText;
};
