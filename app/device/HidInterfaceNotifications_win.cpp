#include "HidInterfaceNotifications.h"

#include <dbt.h>

#include "DeviceInterfaceChange.h"

namespace {

// GUID_DEVINTERFACE_HID, written out so that no extra SDK library is needed for it.
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace

HidInterfaceNotifications::HidInterfaceNotifications(Handler handler) : m_handler(std::move(handler)) {}

HidInterfaceNotifications::~HidInterfaceNotifications() { Unregister(); }

bool HidInterfaceNotifications::Register(HWND window) {
    Unregister();
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    m_registration = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    return m_registration != nullptr;
}

void HidInterfaceNotifications::Unregister() {
    if (!m_registration) return;
    UnregisterDeviceNotification(m_registration);
    m_registration = nullptr;
}

bool HidInterfaceNotifications::OnDeviceChange(WPARAM event, LPARAM record) const {
    std::optional<DeviceInterfaceChange> change =
        ReadDeviceInterfaceChange(static_cast<std::uintptr_t>(event), reinterpret_cast<const void*>(record));
    if (!change || !m_handler) return false;
    m_handler(change->path, change->change);
    return true;
}
