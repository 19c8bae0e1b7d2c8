#pragma once
// One transfer's hold on the active interface. It keeps the manager's lock for its
// whole life, so no other thread can enumerate or close the interface while a
// transfer waits on it; dialects build every exchange on it.
#include <cstdint>

#include "DeviceModeEntry.h"
#include "HidDeviceManager.h"
#include "HidPort.h"
#include "Lock.h"

class HidLink {
public:
    // Chooses the active interface (or takes the cached one). Unusable when the
    // manager is not opened, nothing qualifies, or the choice is a Bluetooth record.
    explicit HidLink(HidDeviceManager& manager);
    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    explicit operator bool() const { return m_port.Usable(); }
    HidPort& Port() { return m_port; }
    // ConnectionMode of the active interface; -1 when there is none.
    int Mode() const { return m_mode; }
    bool OverReceiver() const { return IsReceiverMode(m_mode); }
    // Keeps a notification read while waiting for something else, for the next poll.
    void HandOn(const std::uint8_t* report, int length) { m_manager.HandOnNotification(report, length); }

private:
    LockGuard m_guard;
    HidDeviceManager& m_manager;
    HidPort m_port;
    int m_mode = -1;
};
