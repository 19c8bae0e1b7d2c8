#include "BluetoothBatteryRelay.h"

#include <utility>

BluetoothBatteryRelay::BluetoothBatteryRelay(DeviceEventListener& next, BleBatteryService& battery,
                                             std::function<CString()> deviceMatch,
                                             std::function<void(int textId)> onStatusText)
    : m_next(next),
      m_battery(battery),
      m_deviceMatch(std::move(deviceMatch)),
      m_onStatusText(std::move(onStatusText)) {}

void BluetoothBatteryRelay::OnStatusText(int textId) {
    m_battery.SetBluetoothConnected(textId == kTextBluetoothConnected || textId == kTextBluetoothNotConnected);
    if (m_onStatusText) m_onStatusText(textId);
    m_next.OnStatusText(textId);
}

void BluetoothBatteryRelay::OnBluetoothBatteryWanted() {
    m_battery.Refresh(m_deviceMatch ? m_deviceMatch() : CString());
    m_next.OnBluetoothBatteryWanted();
}
