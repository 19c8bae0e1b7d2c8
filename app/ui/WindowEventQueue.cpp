#include "WindowEventQueue.h"

#include <utility>

WindowEventQueue::WindowEventQueue(std::function<bool()> wake) : m_wake(std::move(wake)) {}

void WindowEventQueue::OnStatusText(int textId) { Push({Kind::kStatusText, textId}); }
void WindowEventQueue::OnClearMessage() { Push({Kind::kClearMessage}); }
void WindowEventQueue::OnBattery(int level, int state) { Push({Kind::kBattery, level, state}); }
void WindowEventQueue::OnPagesEnabled(bool enabled) { Push({Kind::kPagesEnabled, enabled ? 1 : 0}); }
void WindowEventQueue::OnModelReadFinished(bool ok) { Push({Kind::kModelReadFinished, ok ? 1 : 0}); }
void WindowEventQueue::OnModelChangeFinished(unsigned generation, bool ok) {
    Push({Kind::kModelChangeFinished, static_cast<int>(generation), ok ? 1 : 0});
}
void WindowEventQueue::OnModelSelected(int deviceType) { Push({Kind::kModelSelected, deviceType}); }
void WindowEventQueue::OnBluetoothBatteryWanted() { Push({Kind::kBluetoothBatteryWanted}); }
void WindowEventQueue::OnCurrentProfileChanged(int profile) { Push({Kind::kCurrentProfileChanged, profile}); }

void WindowEventQueue::OnFirmwareVersions(const FirmwareVersions& versions) {
    LockGuard guard(m_lock);
    if (m_closed) return;
    m_versions.push_back(versions);
    Push({Kind::kFirmwareVersions, static_cast<int>(m_versions.size() - 1)});
}

void WindowEventQueue::OnReloadPage(DevicePage page) {
    size_t index = static_cast<size_t>(page);
    if (index >= kPageCount) return;
    LockGuard guard(m_lock);
    // A reload already waiting will read the store when it runs, which covers this one.
    if (m_closed || m_reloadWaiting[index]) return;
    m_reloadWaiting[index] = true;
    Push({Kind::kReloadPage, static_cast<int>(index)});
}

void WindowEventQueue::Push(Event event) {
    LockGuard guard(m_lock);
    if (m_closed) return;
    m_waiting.push_back(event);
    // One wake-up per batch: a flood of events must not flood the window's message queue.
    if (!m_wakeSent && m_wake) m_wakeSent = m_wake();
}

void WindowEventQueue::Drain(DeviceEventListener& ui) {
    std::vector<Event> batch;
    std::vector<FirmwareVersions> versions;
    {
        LockGuard guard(m_lock);
        batch.swap(m_waiting);
        versions.swap(m_versions);
        m_reloadWaiting.fill(false);
        m_wakeSent = false;
    }
    // Replayed outside the lock: the window may take its time (or open a modal loop)
    // while the worker keeps queueing.
    for (const Event& event : batch) Replay(event, versions, ui);
}

void WindowEventQueue::Close() {
    LockGuard guard(m_lock);
    m_closed = true;
    m_waiting.clear();
    m_versions.clear();
    m_reloadWaiting.fill(false);
}

void WindowEventQueue::Replay(const Event& event, const std::vector<FirmwareVersions>& versions,
                              DeviceEventListener& ui) {
    switch (event.kind) {
    case Kind::kStatusText: ui.OnStatusText(event.first); break;
    case Kind::kClearMessage: ui.OnClearMessage(); break;
    case Kind::kBattery: ui.OnBattery(event.first, event.second); break;
    case Kind::kPagesEnabled: ui.OnPagesEnabled(event.first != 0); break;
    case Kind::kReloadPage: ui.OnReloadPage(static_cast<DevicePage>(event.first)); break;
    case Kind::kModelReadFinished: ui.OnModelReadFinished(event.first != 0); break;
    case Kind::kModelChangeFinished:
        ui.OnModelChangeFinished(static_cast<unsigned>(event.first), event.second != 0);
        break;
    case Kind::kModelSelected: ui.OnModelSelected(event.first); break;
    case Kind::kBluetoothBatteryWanted: ui.OnBluetoothBatteryWanted(); break;
    case Kind::kCurrentProfileChanged: ui.OnCurrentProfileChanged(event.first); break;
    case Kind::kFirmwareVersions:
        if (event.first >= 0 && static_cast<size_t>(event.first) < versions.size())
            ui.OnFirmwareVersions(versions[static_cast<size_t>(event.first)]);
        break;
    }
}
