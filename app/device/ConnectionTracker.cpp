#include "ConnectionTracker.h"

namespace {

constexpr const wchar_t* kGattHidService = L"00001812-0000-1000-8000-00805F9B34FB";

bool Contains(const CString& text, const CString& piece) { return !piece.IsEmpty() && text.Find(piece) >= 0; }

}  // namespace

ConnectionTracker::ConnectionTracker(HidDeviceManager& manager, const DeviceCatalogue& catalogue,
                                     DeviceEventListener& listener, ModelSwitchSink& sink)
    : m_manager(manager), m_catalogue(catalogue), m_listener(listener), m_sink(sink) {}

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
    int chosen = m_currentType;
    if (HasOnlineInterface(chosen)) return chosen;
    for (const DeviceModeEntry& model : m_catalogue.Models()) {
        if (model.device_type == chosen || !HasOnlineInterface(model.device_type)) continue;
        m_currentType = model.device_type;
        m_sink.WriteDeviceType(m_currentType);
        m_listener.OnModelSelected(m_currentType);
        return m_currentType;
    }
    // Nobody is online: the manager goes back to the model chosen at the start,
    // not the last candidate it was tried with.
    m_manager.Reconnect(chosen, FiltersOf(chosen));
    return chosen;
}

void ConnectionTracker::Refresh() {
    m_listener.OnBattery(0, kBatteryCleared);
    m_listener.OnClearMessage();
    m_currentModes = m_catalogue.ModesOf(m_currentType);
    m_manager.Reconnect(m_currentType, FiltersOf(m_currentType));
    if (m_manager.ListEntries().empty()) {
        m_present = false;
        m_connected = false;
        m_listener.OnStatusText(kTextNoDevice);
        m_listener.OnPagesEnabled(false);
        return;
    }
    m_present = true;
    int mode = m_manager.ConnectMode();
    switch (mode) {
    case -1:
        m_connected = false;
        m_listener.OnStatusText(kTextReceiverNotConnected);
        m_listener.OnPagesEnabled(false);
        break;
    case 2:
        m_connected = false;  // until the battery service answers
        m_listener.OnStatusText(kTextBluetoothConnected);
        m_listener.OnPagesEnabled(false);
        m_listener.OnBluetoothBatteryWanted();
        break;
    default:
        m_connected = true;
        m_listener.OnPagesEnabled(true);
        m_listener.OnStatusText(mode == 0 ? kTextWired : kTextReceiverConnected);
        break;
    }
}

int ConnectionTracker::ChangeModel(int deviceType) {
    m_sink.WriteDeviceType(deviceType);
    // Only forgets the active interface: a transfer of the worker may still be using it.
    m_manager.SetCurrentType(deviceType);
    m_currentType = deviceType;
    m_sink.SetStoreDeviceType(deviceType);
    m_sink.OpenModelDatabase(deviceType);
    return kTaskReadAfterModelChange;
}

int ConnectionTracker::UpdateUSBDevice(const CString& path, DeviceChange change) {
    CString upper = path;
    upper.MakeUpper();
    bool arrival = change == DeviceChange::kArrival;
    for (const DeviceModeEntry& m : m_currentModes) {
        if (Contains(upper, kGattHidService) && Contains(upper, m.hid_interface) && Contains(upper, L"KBD")) {
            m_lastArrivalMode = 2;
            return arrival ? kTaskReconnectAfterArrival : kTaskReconnectAfterRemoval;
        }
        if (!Contains(upper, m.hid_interface)) continue;
        bool known = m_manager.FindEntry(m.vid, m.pid, m.mode_value) >= 0;
        if (known == arrival) continue;  // arrival of an open one, or removal of one never opened
        m_lastArrivalMode = m.mode_value;
        return arrival ? kTaskReconnectAfterArrival : kTaskReconnectAfterRemoval;
    }
    return kTaskNone;
}
