#include "HidDeviceManager.h"

#include "DeviceModeEntry.h"

namespace {

// Preference among the interfaces of the current model: cable, Bluetooth, then the receivers.
constexpr int kChoiceOrder[] = {kModeWired, kModeBluetooth, kModeReceiver3, kModeReceiver, kModeReceiver2};


}  // namespace

HidDeviceManager::HidDeviceManager() { m_libraryReady = hid_init() == 0; }

HidDeviceManager::~HidDeviceManager() {
    CloseAll();
    if (m_libraryReady) hid_exit();
}

HidDeviceManager& HidDeviceManager::Instance() {
    static HidDeviceManager manager;
    return manager;
}

void HidDeviceManager::SetDescriptorReader(DescriptorReader reader) {
    LockGuard guard(m_lock);
    m_descriptorReader = reader;
}

void HidDeviceManager::ClearFilters() {
    LockGuard guard(m_lock);
    m_filters.clear();
}

void HidDeviceManager::AddFilter(int vid, int pid, const CString& label, int deviceType, int mode) {
    LockGuard guard(m_lock);
    m_filters.push_back(HidDeviceFilter{vid, pid, label, deviceType, mode});
}

std::vector<HidDeviceFilter> HidDeviceManager::Filters() {
    LockGuard guard(m_lock);
    return m_filters;
}

void HidDeviceManager::SetCurrentType(int deviceType) {
    LockGuard guard(m_lock);
    // What another model's mouse said must not reach this model's poll.
    if (deviceType != m_currentType) m_notifications.clear();
    m_currentType = deviceType;
    ForgetActive();
}

int HidDeviceManager::CurrentType() {
    LockGuard guard(m_lock);
    return m_currentType;
}

void HidDeviceManager::CloseAll() {
    LockGuard guard(m_lock);
    for (auto& entry : m_entries)
        if (entry->handle) hid_close(entry->handle);
    m_entries.clear();
    m_notifications.clear();
    m_opened = false;
    ForgetActive();
}

void HidDeviceManager::SetOpened(bool opened) {
    LockGuard guard(m_lock);
    m_opened = opened;
}

bool HidDeviceManager::IsOpened() {
    LockGuard guard(m_lock);
    return m_opened;
}

void HidDeviceManager::Reconnect(int deviceType, const std::vector<HidDeviceFilter>& filters) {
    LockGuard guard(m_lock);
    m_currentType = deviceType;
    m_filters = filters;
    CloseAll();  // also forgets the notifications of the interfaces it closes
    EnumerateDevice();
    m_opened = true;
}

// The one walk behind both ActiveInterface and ConnectMode, so the two always agree.
HidDeviceManager::OpenEntry* HidDeviceManager::Choose(bool skipOffline) {
    for (int mode : kChoiceOrder) {
        for (auto& entry : m_entries) {
            const HidDeviceEntry& e = entry->info;
            if (e.device_type != m_currentType || e.mode != mode) continue;
            if (skipOffline && IsReceiverMode(mode) && e.online != 1) continue;
            return entry.get();
        }
    }
    return nullptr;
}

HidDeviceManager::OpenEntry* HidDeviceManager::ActiveEntry() {
    if (!m_active) {
        m_active = Choose(true);
        m_activeMode = m_active ? m_active->info.mode : -1;
        Publish();
    }
    return m_active;
}

void HidDeviceManager::Publish() { m_publishedMode.store(m_active ? m_activeMode : -1); }

bool HidDeviceManager::ActiveInterface(HidDeviceEntry* chosen) {
    LockGuard guard(m_lock);
    OpenEntry* entry = ActiveEntry();
    if (entry && chosen) *chosen = entry->info;
    return entry != nullptr;
}

int HidDeviceManager::ConnectMode() {
    LockGuard guard(m_lock);
    OpenEntry* entry = Choose(true);
    return entry ? entry->info.mode : -1;
}

void HidDeviceManager::ForgetActive() {
    LockGuard guard(m_lock);
    m_active = nullptr;
    m_activeMode = -1;
    Publish();
}

void HidDeviceManager::ResetActive() {
    LockGuard guard(m_lock);
    ForgetActive();
    for (auto& entry : m_entries) {
        HidDeviceEntry& e = entry->info;
        if (e.device_type == m_currentType && IsReceiverMode(e.mode)) e.online = 0;
    }
}

void HidDeviceManager::SetOnline(int deviceType, int mode, int value) {
    LockGuard guard(m_lock);
    for (auto& entry : m_entries) {
        if (entry->info.device_type == deviceType && entry->info.mode == mode) {
            entry->info.online = value;
            return;
        }
    }
}

int HidDeviceManager::FindEntry(int vid, int pid, int mode) {
    LockGuard guard(m_lock);
    for (auto& entry : m_entries) {
        const HidDeviceEntry& e = entry->info;
        if (e.vid == vid && e.pid == pid && e.mode == mode) return e.index;
    }
    return -1;
}

std::vector<HidDeviceEntry> HidDeviceManager::ListEntries() {
    LockGuard guard(m_lock);
    std::vector<HidDeviceEntry> out;
    for (auto& entry : m_entries)
        if (m_currentType == 0 || entry->info.device_type == m_currentType) out.push_back(entry->info);
    return out;
}

std::vector<HidDeviceEntry> HidDeviceManager::ListOnlineEntries() {
    std::vector<HidDeviceEntry> out;
    for (const HidDeviceEntry& e : ListEntries())
        if (e.online == 1) out.push_back(e);
    return out;
}

int HidDeviceManager::WiredRelease() {
    LockGuard guard(m_lock);
    for (auto& entry : m_entries)
        if (entry->info.mode == kModeWired) return entry->info.release;
    return 0;
}
