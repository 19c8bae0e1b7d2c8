#include "BleBatteryService.h"

#include "BatteryServiceMatch.h"

namespace {

constexpr int kDischarging = 0;

}  // namespace

BleBatteryService::BleBatteryService(GattLayer& gatt, DeviceEventListener& ui)
    : m_gatt(gatt), m_ui(ui), m_delivery(std::make_shared<Delivery>()) {}

BleBatteryService::~BleBatteryService() { Release(); }

void BleBatteryService::Delivery::Post(std::span<const std::uint8_t> value) {
    if (value.empty() || !bluetooth || !bluetooth->load()) return;
    std::lock_guard<std::mutex> guard(lock);
    if (ui) ui->OnBattery(value.front(), kDischarging);
}

bool BleBatteryService::Refresh(const CString& deviceMatch) {
    std::lock_guard<std::mutex> guard(m_lock);
    ReleaseLocked();
    // A new delivery for the new registrations; the old one stays cut off.
    auto delivery = std::make_shared<Delivery>();
    delivery->bluetooth = m_bluetooth;
    delivery->ui = &m_ui;
    m_delivery = delivery;

    m_service = OpenMatchingService(deviceMatch);
    if (!m_service) return false;
    std::vector<GattCharacteristicInfo> characteristics;
    if (!m_gatt.Characteristics(m_service, characteristics) || characteristics.empty()) return false;
    for (const GattCharacteristicInfo& c : characteristics) {
        std::vector<std::uint8_t> value;
        if (c.readable && m_gatt.ReadValue(m_service, c.index, value)) {
            // Each byte is a percentage; with several, the last is what stays shown.
            for (std::uint8_t level : value) m_ui.OnBattery(level, kDischarging);
        }
        if (c.notifiable) {
            GattRegistration registration = m_gatt.Subscribe(
                m_service, c.index, [delivery](std::span<const std::uint8_t> changed) { delivery->Post(changed); });
            if (registration) m_registrations.push_back(registration);
        }
    }
    return true;
}

// The last matching interface is the one kept; one opened before it is closed at once.
GattServiceHandle BleBatteryService::OpenMatchingService(const CString& deviceMatch) {
    GattServiceHandle kept = 0;
    for (const CString& path : m_gatt.BatteryServicePaths()) {
        if (!PathMatches(path, deviceMatch)) continue;
        GattServiceHandle opened = m_gatt.Open(path);
        if (!opened) continue;
        if (kept) m_gatt.Close(kept);
        kept = opened;
    }
    return kept;
}

void BleBatteryService::Release() {
    std::lock_guard<std::mutex> guard(m_lock);
    ReleaseLocked();
}

void BleBatteryService::ReleaseLocked() {
    {
        std::lock_guard<std::mutex> cut(m_delivery->lock);
        m_delivery->ui = nullptr;
    }
    for (GattRegistration registration : m_registrations) m_gatt.Unsubscribe(registration);
    m_registrations.clear();
    if (m_service) m_gatt.Close(m_service);
    m_service = 0;
}

GattServiceHandle BleBatteryService::Service() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_service;
}

size_t BleBatteryService::Registrations() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_registrations.size();
}
