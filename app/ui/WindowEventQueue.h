#pragma once
// The main window's device-event listener on the worker's side. Every call records the
// event and returns at once, so the worker never waits for the window; the UI thread
// later replays what waits, in order, into the window's own listener.
#include <array>
#include <functional>
#include <vector>

#include "DeviceEvents.h"
#include "FirmwareVersion.h"
#include "Lock.h"

class WindowEventQueue : public DeviceEventListener {
public:
    // Runs when the queue goes from empty to non-empty, on the thread that fired the
    // event and under the queue's lock: it must only post, never wait or call back.
    // It returns false when the wake-up could not be sent; the next event tries again.
    explicit WindowEventQueue(std::function<bool()> wake);

    void OnStatusText(int textId) override;
    void OnClearMessage() override;
    void OnBattery(int level, int state) override;
    void OnPagesEnabled(bool enabled) override;
    void OnReloadPage(DevicePage page) override;
    void OnModelReadFinished(bool ok) override;
    void OnModelChangeFinished(unsigned generation, bool ok) override;
    void OnModelSelected(int deviceType) override;
    void OnBluetoothBatteryWanted() override;
    void OnCurrentProfileChanged(int profile) override;
    void OnFirmwareVersions(const FirmwareVersions& versions) override;

    // On the UI thread: everything waiting, replayed in order. Events fired meanwhile
    // wait for the next wake-up.
    void Drain(DeviceEventListener& ui);
    // The window has gone: what waits and what comes later is dropped, and no wake-up
    // runs once this returns. Safe from any thread.
    void Close();

private:
    enum class Kind {
        kStatusText, kClearMessage, kBattery, kPagesEnabled, kReloadPage,
        kModelReadFinished, kModelChangeFinished, kModelSelected, kBluetoothBatteryWanted, kCurrentProfileChanged,
        kFirmwareVersions,
    };
    struct Event {
        Kind kind;
        int first = 0;
        int second = 0;
    };
    static constexpr size_t kPageCount = 4;

    void Push(Event event);
    static void Replay(const Event& event, const std::vector<FirmwareVersions>& versions, DeviceEventListener& ui);

    Lock m_lock;
    std::function<bool()> m_wake;
    bool m_wakeSent = false;
    std::vector<Event> m_waiting;
    // Versions carry texts: the events point into this list (by index), which is
    // emptied with the batch.
    std::vector<FirmwareVersions> m_versions;
    std::array<bool, kPageCount> m_reloadWaiting{};
    bool m_closed = false;
};
