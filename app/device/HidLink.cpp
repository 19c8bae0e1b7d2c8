#include "HidLink.h"

#include "StopSignal.h"

HidLink::HidLink(HidDeviceManager& manager) : m_guard(manager.m_lock), m_manager(manager) {
    // A thread asked to stop starts no transfer: its sequence fails through at once.
    if (!manager.m_opened || StopSignal::ThisThreadStopping()) return;
    HidDeviceManager::OpenEntry* entry = manager.ActiveEntry();
    if (!entry) return;
    m_mode = entry->info.mode;
    m_port = HidPort(entry->handle);  // no handle for a Bluetooth record: unusable
}
