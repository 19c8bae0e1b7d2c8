// What the mice say unasked: the first family's notifications set aside by transfers
// and read by the poll, and the second family's frames read by its poll.
#include <algorithm>
#include <cstring>

#include "DeviceModeEntry.h"
#include "HidDeviceManager.h"
#include "NodicExchange.h"

namespace {

// A poll that stops for a while must not let the set-aside list grow without end.
constexpr std::size_t kMaxSetAside = 16;

}  // namespace

void HidDeviceManager::HandOnNotification(const std::uint8_t* report, int length) {
    LockGuard guard(m_lock);
    if (!report || length <= 0) return;
    if (m_notifications.size() >= kMaxSetAside) m_notifications.pop_front();
    m_notifications.emplace_back(report, report + length);
}

void HidDeviceManager::HandOnIfNotification(const Report& report, int length, std::uint8_t reportId) {
    // 0xE4 acknowledgements belong to the transfer that waits for them, never to the poll.
    if (IsNotificationReport(report.data(), length, reportId) && report[1] != 0xE4)
        HandOnNotification(report.data(), length);
}

bool HidDeviceManager::TakeNotification(std::span<std::uint8_t> into) {
    LockGuard guard(m_lock);
    if (m_notifications.empty() || into.empty()) return false;
    const auto& report = m_notifications.front();
    std::fill(into.begin(), into.end(), 0);
    std::memcpy(into.data(), report.data(), std::min(report.size(), into.size()));
    m_notifications.pop_front();
    return true;
}

std::vector<HidDeviceManager::OpenEntry*> HidDeviceManager::FallbackReceivers(bool includeMode4) {
    std::vector<OpenEntry*> out;
    for (auto& entry : m_entries) {
        const HidDeviceEntry& e = entry->info;
        bool receiver = e.mode == kModeReceiver || e.mode == kModeReceiver2 || (includeMode4 && e.mode == kModeReceiver3);
        if (e.device_type == m_currentType && receiver && entry->handle) out.push_back(entry.get());
    }
    return out;
}

bool HidDeviceManager::ReadStatusReport(std::span<std::uint8_t> into) {
    LockGuard guard(m_lock);
    if (!m_opened || into.empty()) return false;
    if (TakeNotification(into)) return true;
    Report in;
    if (OpenEntry* active = ActiveEntry()) {
        int n = HidPort(active->handle).Read(in, 100);
        if (n <= 0) return false;
        std::fill(into.begin(), into.end(), 0);
        CopyOut(in, n, into);
        return true;
    }
    // No mouse reachable: a receiver may still say its mouse woke up.
    for (OpenEntry* entry : FallbackReceivers(true)) {
        int n = HidPort(entry->handle).Read(in, 10);
        if (n <= 0) continue;
        std::fill(into.begin(), into.end(), 0);
        CopyOut(in, n, into);
        return true;
    }
    return false;
}

bool HidDeviceManager::GetNodicDeviceNotify(std::span<std::uint8_t> frame) {
    LockGuard guard(m_lock);
    if (!m_opened || frame.empty()) return false;
    Report in;
    if (OpenEntry* active = ActiveEntry()) {
        if (HidPort(active->handle).Read(in, 10) != static_cast<int>(kNodicFrameSize)) return false;
        std::fill(frame.begin(), frame.end(), 0);
        CopyOut(in, static_cast<int>(kNodicFrameSize), frame);
        return true;
    }
    for (OpenEntry* entry : FallbackReceivers(false)) {
        int n = HidPort(entry->handle).Read(in, 10);
        if (n <= 0) continue;
        std::fill(frame.begin(), frame.end(), 0);
        CopyOut(in, std::min(n, static_cast<int>(kNodicFrameSize)), frame);
        entry->info.device_type = kNodicReceiverType;
        entry->info.online = in[4] == 1 ? 1 : 0;
        if ((in[8] | (in[9] << 8)) == 0x0710) entry->info.device_type = kNodicWiredReceiverType;
        return true;
    }
    return false;
}
