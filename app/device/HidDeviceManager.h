#pragma once
// The one HID manager of the process: the current model's filters, the interfaces
// found on the bus, the active one, and the first family's notifications that
// transfers set aside. Each dialect's report exchanges are built on HidLink (in
// app/protocol). Talks to devices only through the hidapi C API and waits only
// through Clock::Get().
//
// Threads: one recursive lock is held by every public operation and by every
// HidLink, so an enumeration or CloseAll never frees an interface another thread is
// transferring on. The
// Bluetooth callback must not wait for seconds-long transfers, so it reads the
// published active mode (PublishedActiveMode) and never the entries.
#include <atomic>
#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <vector>

#include <hidapi.h>

#include "HidDeviceEntry.h"
#include "HidPort.h"
#include "ReportKinds.h"
#include "Lock.h"

class HidDeviceManager {
public:
    using DescriptorReader = int (*)(hid_device*, unsigned char*, std::size_t);

    HidDeviceManager();
    ~HidDeviceManager();
    HidDeviceManager(const HidDeviceManager&) = delete;
    HidDeviceManager& operator=(const HidDeviceManager&) = delete;

    // Created on first use; lives until the process ends.
    static HidDeviceManager& Instance();

    // Whether an interface has feature reports is read from its report descriptor.
    // hidapi offers the descriptor only from 0.14 on, so the program hands the call
    // over where its hidapi has it; without one, every interface counts as having them.
    void SetDescriptorReader(DescriptorReader reader);

    // --- set-up and discovery ---
    void ClearFilters();
    void AddFilter(int vid, int pid, const CString& label, int deviceType, int mode);
    std::vector<HidDeviceFilter> Filters();
    // Selecting another model also forgets the active interface and the notifications set aside.
    void SetCurrentType(int deviceType);
    int CurrentType();
    void CloseAll();
    void EnumerateDevice();
    void SetOpened(bool opened);
    bool IsOpened();
    // The reconnection sequence as one locked step: filters, CloseAll, forget the
    // active interface, enumerate, mark opened.
    void Reconnect(int deviceType, const std::vector<HidDeviceFilter>& filters);

    // --- the active interface ---
    // Chooses (or returns the cached) active interface; false when none qualifies.
    bool ActiveInterface(HidDeviceEntry* chosen = nullptr);
    // The mode ActiveInterface would choose, without caching; -1 when none qualifies.
    int ConnectMode();
    void ForgetActive();
    // Forget the active interface and mark every receiver entry (mode 1, 3 or 4) of the current type offline.
    void ResetActive();
    // The active mode as last published; safe from any thread without the lock. -1 = none.
    int PublishedActiveMode() const { return m_publishedMode.load(); }

    void SetOnline(int deviceType, int mode, int value);
    int FindEntry(int vid, int pid, int mode);
    std::vector<HidDeviceEntry> ListEntries();
    std::vector<HidDeviceEntry> ListOnlineEntries();
    int WiredRelease();

    // --- notifications ---
    // The first family's poll: a notification set aside by a transfer, else one input
    // report from the active interface (100 ms), else, with no active interface, from
    // a receiver of the current model (10 ms each). Copies at most `into.size()` bytes.
    bool ReadStatusReport(std::span<std::uint8_t> into);
    // The second family's poll: one frame from the active interface, or from a
    // receiver of the current model, which also tells the receiver's type and state.
    bool GetNodicDeviceNotify(std::span<std::uint8_t> frame);
    // Notifications that arrived while a transfer waited for its answer, oldest first.
    // They belong to the current model and are forgotten when it changes.
    bool TakeNotification(std::span<std::uint8_t> into);
    void HandOnNotification(const std::uint8_t* report, int length);

private:
    struct OpenEntry {
        HidDeviceEntry info;
        hid_device* handle = nullptr;
    };

    // Enumeration (HidEnumeration.cpp)
    const HidDeviceFilter* MatchFilter(int vid, int pid) const;
    bool HasFeatureReports(hid_device* handle) const;
    void AppendEntry(const hid_device_info& info, const HidDeviceFilter& filter, hid_device* handle, int online);
    void AddBluetoothRecord(const hid_device_info& info, const HidDeviceFilter& filter);
    void AddFeatureInterface(const hid_device_info& info, const HidDeviceFilter& filter, hid_device* handle);
    void AddOutputInterface(const hid_device_info& info, const HidDeviceFilter& filter, hid_device* handle);
    void AddNodicInterface(const hid_device_info& info, const HidDeviceFilter& filter, hid_device* handle);
    ReceiverPairInfo Get24GDevBaseInfo(HidPort port);
    ReceiverPairInfo Get24GDevBaseInfo2(HidPort port);
    void SendWakeUp(HidPort port);
    int GetNodic24DeviceStatus(OpenEntry& entry);

    // Choice (HidDeviceManager.cpp)
    OpenEntry* Choose(bool skipOffline);
    OpenEntry* ActiveEntry();
    void Publish();

    // Notifications (HidNotifications.cpp)
    std::vector<OpenEntry*> FallbackReceivers(bool includeMode4);
    void HandOnIfNotification(const Report& report, int length, std::uint8_t reportId);

    friend class HidLink;

    Lock m_lock;
    bool m_libraryReady = false;
    bool m_opened = false;
    std::vector<std::unique_ptr<OpenEntry>> m_entries;
    std::vector<HidDeviceFilter> m_filters;
    int m_currentType = 0;
    OpenEntry* m_active = nullptr;
    int m_activeMode = -1;
    std::atomic<int> m_publishedMode{-1};
    std::deque<std::vector<std::uint8_t>> m_notifications;
    DescriptorReader m_descriptorReader = nullptr;
};
