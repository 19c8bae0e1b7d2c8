#include "Commands.h"

#include <cstdio>
#include <string>

#include "ConnectionTracker.h"
#include "DeviceDialect.h"
#include "TerminalText.h"

namespace {

// The console stands in for the main window.
class ConsoleListener : public DeviceEventListener {
public:
    void OnStatusText(int textId) override { text = textId; }
    void OnBattery(int, int) override {}
    void OnPagesEnabled(bool) override {}
    void OnReloadPage(DevicePage) override {}
    void OnModelReadFinished(bool) override {}
    int text = 0;
};

// mirevoctl keeps no database and no preference; the model it starts from is given on the line.
class NoStore : public ModelSwitchSink {
public:
    void OpenModelDatabase(int) override {}
    void SetStoreDeviceType(int) override {}
    void WriteDeviceType(int) override {}
};

// Names from the catalogue and strings the mouse reports.
std::string Narrow(const CString& text) { return TerminalText(text); }

const char* ModeName(int mode) {
    switch (mode) {
    case 0: return "wired";
    case 1: return "2.4 GHz receiver";
    case 2: return "Bluetooth LE";
    case 3: return "2.4 GHz receiver (2)";
    case 4: return "2.4 GHz receiver (3)";
    default: return "unknown";
    }
}

const char* ConnectionName(int textId) {
    switch (textId) {
    case kTextNoDevice: return "no mouse of this model is plugged in";
    case kTextWired: return "connected by cable";
    case kTextReceiverConnected: return "connected through its 2.4 GHz receiver";
    case kTextReceiverNotConnected: return "receiver plugged in, mouse asleep or out of reach";
    case kTextBluetoothConnected: return "paired over Bluetooth LE (settings need the cable or the receiver)";
    case kTextBluetoothNotConnected: return "Bluetooth LE, not connected";
    default: return "unknown";
    }
}

std::string ModelName(const DeviceCatalogue& catalogue, int deviceType) {
    for (const DeviceModeEntry& m : catalogue.Models())
        if (m.device_type == deviceType) return Narrow(m.name);
    return "unknown model";
}

int StartModel(const DeviceCatalogue& catalogue, const Options& options) {
    return options.model ? options.model : catalogue.ChooseModel(0);
}

void PrintCatalogue(const DeviceCatalogue& catalogue) {
    std::printf("Catalogue models:\n");
    for (const DeviceModeEntry& model : catalogue.Models()) {
        std::printf("  %-4d %s\n", model.device_type, Narrow(model.name).c_str());
        for (const DeviceModeEntry& m : catalogue.ModesOf(model.device_type))
            std::printf("         mode %d  %-22s %04X:%04X  %s\n", m.mode_value, ModeName(m.mode_value), m.vid, m.pid,
                        Narrow(m.hid_interface).c_str());
    }
}

// Enumerates once per model, as the program would when that model is selected.
int PrintInterfaces(HidDeviceManager& manager, const DeviceCatalogue& catalogue, ConnectionTracker& tracker) {
    int found = 0;
    std::printf("Interfaces found:\n");
    for (const DeviceModeEntry& model : catalogue.Models()) {
        tracker.SetCurrentType(model.device_type);
        tracker.Refresh();
        for (const HidDeviceEntry& e : manager.ListEntries()) {
            ++found;
            std::printf("  %-18s mode %d  %-22s %04X:%04X  %-7s %s%s%s\n", Narrow(model.name).c_str(), e.mode,
                        ModeName(e.mode), e.vid, e.pid, e.online ? "online" : "offline",
                        e.has_handle ? "\"" : "(Bluetooth record)", e.has_handle ? Narrow(e.product).c_str() : "",
                        e.has_handle ? "\"" : "");
        }
    }
    if (found == 0) std::printf("  none: no mouse or receiver of the catalogue is plugged in\n");
    return found;
}

void PrintActive(HidDeviceManager& manager, const DeviceCatalogue& catalogue, int model) {
    HidDeviceEntry active;
    if (manager.ActiveInterface(&active))
        std::printf("Active interface: %s, mode %d (%s), %04X:%04X\n", ModelName(catalogue, model).c_str(), active.mode,
                    ModeName(active.mode), active.vid, active.pid);
    else
        std::printf("Active interface: none\n");
}

}  // namespace

int RunList(CommandContext& context) {
    HidDeviceManager& manager = context.manager;
    const DeviceCatalogue& catalogue = context.catalogue;
    ConsoleListener listener;
    NoStore store;
    ConnectionTracker tracker(manager, catalogue, listener, store);
    PrintCatalogue(catalogue);
    int found = PrintInterfaces(manager, catalogue, tracker);
    tracker.SetCurrentType(StartModel(catalogue, context.options));
    int model = tracker.GetConnectDeviceInfo();
    tracker.Refresh();
    PrintActive(manager, catalogue, model);
    std::printf("Current model: %d %s (%s)\n", model, ModelName(catalogue, model).c_str(), ConnectionName(listener.text));
    return found ? kExitOk : kExitNoDevice;
}

int RunStatus(CommandContext& context) {
    HidDeviceManager& manager = context.manager;
    const DeviceCatalogue& catalogue = context.catalogue;
    ConsoleListener listener;
    NoStore store;
    ConnectionTracker tracker(manager, catalogue, listener, store);
    tracker.SetCurrentType(StartModel(catalogue, context.options));
    int model = tracker.GetConnectDeviceInfo();
    tracker.Refresh();
    std::printf("Model: %s (%d)\n", ModelName(catalogue, model).c_str(), model);
    std::printf("Connection: %s\n", ConnectionName(listener.text));
    if (!tracker.DevicePresent()) {
        std::printf("Nothing to show: plug in the mouse, its receiver, or pair it.\n");
        return kExitNoDevice;
    }
    HidDeviceEntry active;
    if (!tracker.Connected() || !manager.ActiveInterface(&active)) return kExitNotConnected;
    std::printf("Interface: mode %d (%s), %04X:%04X, \"%s\", release %X.%02X\n", active.mode, ModeName(active.mode),
                active.vid, active.pid, Narrow(active.product).c_str(), active.release >> 8, active.release & 0xFF);
    // Over a receiver of the feature dialect the read runs the receiver handshake first.
    DeviceStatus status;
    if (!MakeDialect(manager, model)->ReadStatus(status)) {
        std::printf("Battery: no answer from the mouse\n");
        return kExitNoAnswer;
    }
    if (!status.mouseConnected) {
        std::printf("Mouse: not connected to its receiver\n");
        return kExitNotConnected;
    }
    if (status.battery < 0)
        std::printf("Battery: no level reported\n");
    else
        std::printf("Battery: %d%%%s\n", status.battery, status.charging ? ", charging" : "");
    return kExitOk;
}
