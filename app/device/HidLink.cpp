#include "HidLink.h"

HidLink::HidLink(HidDeviceManager& manager) : m_guard(manager.m_lock), m_manager(manager) {
    if (!manager.m_opened) return;
    HidDeviceManager::OpenEntry* entry = manager.ActiveEntry();
    if (!entry) return;
    m_mode = entry->info.mode;
    m_port = HidPort(entry->handle);  // no handle for a Bluetooth record: unusable
}
