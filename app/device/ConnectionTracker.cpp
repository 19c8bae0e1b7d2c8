#include "ConnectionTracker.h"

namespace {

constexpr const wchar_t* kGattHidService = L"00001812-0000-1000-8000-00805F9B34FB";

bool Contains(const CString& text, const CString& piece) { return !piece.IsEmpty() && text.Find(piece) >= 0; }

using Guard = std::lock_guard<std::mutex>;

}  // namespace

ConnectionTracker::ConnectionTracker(HidDeviceManager& manager, const DeviceCatalogue& catalogue,
                                     DeviceEventListener& listener, ModelSwitchSink& sink)
    : m_manager(manager), m_catalogue(catalogue), m_listener(listener), m_sink(sink) {}

void ConnectionTracker::SetCurrentType(int deviceType) {
    Guard guard(m_lock);
    m_currentType = deviceType;
}

int ConnectionTracker::CurrentType() const {
    Guard guard(m_lock);
    return m_currentType;
}

std::vector<DeviceModeEntry> ConnectionTracker::CurrentModes() const {
    Guard guard(m_lock);
    return m_currentModes;
}

bool ConnectionTracker::DevicePresent() const {
    Guard guard(m_lock);
    return m_present;
}

bool ConnectionTracker::Connected() const {
    Guard guard(m_lock);
    return m_connected;
}

int ConnectionTracker::LastArrivalMode() const {
    Guard guard(m_lock);
    return m_lastArrivalMode;
}

std::vector<HidDeviceFilter> ConnectionTracker::FiltersOf(int deviceType) const {
    std::vector<HidDeviceFilter> filters;
    for (const DeviceModeEntry& m : m_catalogue.ModesOf(deviceType))
        filters.push_back(HidDeviceFilter{m.vid, m.pid, CString(), m.device_type, m.mode_value});
    return filters;
}

bool ConnectionTracker::HasOnlineInterface(int deviceType) {
    m_manager.Reconnect(deviceType, FiltersOf(deviceType));
    return !m_manager.ListOnlineEntries().empty();
}

int ConnectionTracker::GetConnectDeviceInfo() {
    Guard refreshing(m_refreshing);
    int chosen = CurrentType();
    if (HasOnlineInterface(chosen)) return chosen;
    for (const DeviceModeEntry& model : m_catalogue.Models()) {
        if (model.device_type == chosen || !HasOnlineInterface(model.device_type)) continue;
        SetCurrentType(model.device_type);
        m_sink.WriteDeviceType(model.device_type);
        m_listener.OnModelSelected(model.device_type);
        return model.device_type;
    }
    // Nobody is online: the manager goes back to the model chosen at the start,
    // not the last candidate it was tried with.
    m_manager.Reconnect(chosen, FiltersOf(chosen));
    return chosen;
}

void ConnectionTracker::Refresh() {
    Guard refreshing(m_refreshing);
    int type = 0;
    {
        Guard guard(m_lock);
        type = m_currentType;
        m_currentModes = m_catalogue.ModesOf(type);
    }
    m_listener.OnBattery(0, kBatteryCleared);
    m_listener.OnClearMessage();
    m_manager.Reconnect(type, FiltersOf(type));
    bool present = !m_manager.ListEntries().empty();
    int mode = present ? m_manager.ConnectMode() : -1;
    int overtakenBy = type;
    {
        Guard guard(m_lock);
        overtakenBy = m_currentType;
        if (overtakenBy == type) {
            m_present = present;
            m_connected = present && mode != -1 && mode != kModeBluetooth;  // Bluetooth: until the battery service answers
        }
    }
    if (overtakenBy != type) {
        // A model change came in while this refresh enumerated: the manager goes back
        // to the new model, whose own refresh reports the connection.
        m_manager.SetCurrentType(overtakenBy);
        return;
    }
    if (!present) {
        m_listener.OnStatusText(kTextNoDevice);
        m_listener.OnPagesEnabled(false);
        return;
    }
    switch (mode) {
    case -1:
        m_listener.OnStatusText(kTextReceiverNotConnected);
        m_listener.OnPagesEnabled(false);
        break;
    case kModeBluetooth:
        m_listener.OnStatusText(kTextBluetoothConnected);
        m_listener.OnPagesEnabled(false);
        m_listener.OnBluetoothBatteryWanted();
        break;
    default:
        m_listener.OnPagesEnabled(true);
        m_listener.OnStatusText(mode == kModeWired ? kTextWired : kTextReceiverConnected);
        break;
    }
}

int ConnectionTracker::ChangeModel(int deviceType) {
    m_sink.WriteDeviceType(deviceType);
    SetCurrentType(deviceType);
    // Only forgets the active interface: a transfer of the worker may still be using it.
    m_manager.SetCurrentType(deviceType);
    m_sink.SetStoreDeviceType(deviceType);
    m_sink.OpenModelDatabase(deviceType);
    return kTaskReadAfterModelChange;
}

int ConnectionTracker::UpdateUSBDevice(const CString& path, DeviceChange change) {
    CString upper = path;
    upper.MakeUpper();
    bool arrival = change == DeviceChange::kArrival;
    // Matched against a copy, so a Refresh on the worker may replace the list meanwhile.
    for (const DeviceModeEntry& m : CurrentModes()) {
        int matchedMode = -1;
        if (Contains(upper, kGattHidService) && Contains(upper, m.hid_interface) && Contains(upper, L"KBD")) {
            matchedMode = kModeBluetooth;
        } else if (Contains(upper, m.hid_interface)) {
            bool known = m_manager.FindEntry(m.vid, m.pid, m.mode_value) >= 0;
            if (known == arrival) continue;  // arrival of an open one, or removal of one never opened
            matchedMode = m.mode_value;
        } else {
            continue;
        }
        Guard guard(m_lock);
        m_lastArrivalMode = matchedMode;
        return arrival ? kTaskReconnectAfterArrival : kTaskReconnectAfterRemoval;
    }
    return kTaskNone;
}
