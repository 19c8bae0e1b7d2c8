#include "Commands.h"

#include <cstdio>
#include <string>

#include "ConnectionTracker.h"
#include "DeviceDialect.h"
#include "JsonObject.h"
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

std::string Hex4(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

// What list and status print goes to the terminal as text, or into one JSON object.
struct Output {
    bool json = false;
    JsonObject reply;
};

void PrintCatalogue(const DeviceCatalogue& catalogue, Output& out) {
    std::vector<std::string> models;
    if (!out.json) std::printf("Catalogue models:\n");
    for (const DeviceModeEntry& model : catalogue.Models()) {
        if (!out.json) std::printf("  %-4d %s\n", model.device_type, Narrow(model.name).c_str());
        std::vector<std::string> modes;
        for (const DeviceModeEntry& m : catalogue.ModesOf(model.device_type)) {
            if (!out.json)
                std::printf("         mode %d  %-22s %04X:%04X  %s\n", m.mode_value, ModeName(m.mode_value), m.vid, m.pid,
                            Narrow(m.hid_interface).c_str());
            modes.push_back(JsonObject().Number("mode", m.mode_value).Text("connection", std::string(ModeName(m.mode_value)))
                                .Text("vid", Hex4(m.vid)).Text("pid", Hex4(m.pid)).Text("interface", m.hid_interface).Json());
        }
        models.push_back(JsonObject().Number("device_type", model.device_type).Text("name", model.name)
                             .Raw("modes", JsonArray(modes)).Json());
    }
    out.reply.Raw("models", JsonArray(models));
}

// Enumerates once per model, as the program would when that model is selected.
int PrintInterfaces(HidDeviceManager& manager, const DeviceCatalogue& catalogue, ConnectionTracker& tracker, Output& out) {
    std::vector<std::string> found;
    if (!out.json) std::printf("Interfaces found:\n");
    for (const DeviceModeEntry& model : catalogue.Models()) {
        tracker.SetCurrentType(model.device_type);
        tracker.Refresh();
        for (const HidDeviceEntry& e : manager.ListEntries()) {
            if (!out.json)
                std::printf("  %-18s mode %d  %-22s %04X:%04X  %-7s %s%s%s\n", Narrow(model.name).c_str(), e.mode,
                            ModeName(e.mode), e.vid, e.pid, e.online ? "online" : "offline",
                            e.has_handle ? "\"" : "(Bluetooth record)", e.has_handle ? Narrow(e.product).c_str() : "",
                            e.has_handle ? "\"" : "");
            JsonObject item;
            item.Number("device_type", model.device_type).Text("model", model.name).Number("mode", e.mode);
            item.Text("vid", Hex4(e.vid)).Text("pid", Hex4(e.pid)).Bool("online", e.online);
            if (e.has_handle) item.Text("product", e.product);
            found.push_back(item.Json());
        }
    }
    if (found.empty() && !out.json) std::printf("  none: no mouse or receiver of the catalogue is plugged in\n");
    out.reply.Raw("interfaces", JsonArray(found));
    return static_cast<int>(found.size());
}

void PrintActive(HidDeviceManager& manager, const DeviceCatalogue& catalogue, int model, Output& out) {
    HidDeviceEntry active;
    if (!manager.ActiveInterface(&active)) {
        if (!out.json) std::printf("Active interface: none\n");
        out.reply.Raw("active", "null");
        return;
    }
    if (!out.json)
        std::printf("Active interface: %s, mode %d (%s), %04X:%04X\n", ModelName(catalogue, model).c_str(), active.mode,
                    ModeName(active.mode), active.vid, active.pid);
    out.reply.Raw("active", JsonObject().Number("mode", active.mode).Text("vid", Hex4(active.vid))
                                .Text("pid", Hex4(active.pid)).Json());
}

// Ends a run of list or status: with --json the object, with the reason when the code is not 0.
int Finish(Output& out, int code, const char* why) {
    if (!out.json) return code;
    if (code != kExitOk) out.reply.Text("error", std::string(why));
    out.reply.Print();
    return code;
}

}  // namespace

int RunList(CommandContext& context) {
    HidDeviceManager& manager = context.manager;
    const DeviceCatalogue& catalogue = context.catalogue;
    ConsoleListener listener;
    NoStore store;
    ConnectionTracker tracker(manager, catalogue, listener, store);
    Output out;
    out.json = context.options.format == OutputFormat::kJson;
    PrintCatalogue(catalogue, out);
    int found = PrintInterfaces(manager, catalogue, tracker, out);
    tracker.SetCurrentType(StartModel(catalogue, context.options));
    int model = tracker.GetConnectDeviceInfo();
    tracker.Refresh();
    PrintActive(manager, catalogue, model, out);
    if (!out.json)
        std::printf("Current model: %d %s (%s)\n", model, ModelName(catalogue, model).c_str(), ConnectionName(listener.text));
    out.reply.Raw("current_model", JsonObject().Number("device_type", model).Text("name", ModelName(catalogue, model))
                                       .Text("connection", std::string(ConnectionName(listener.text))).Json());
    return Finish(out, found ? kExitOk : kExitNoDevice, "no mouse or receiver of the catalogue is plugged in");
}

int RunStatus(CommandContext& context) {
    HidDeviceManager& manager = context.manager;
    const DeviceCatalogue& catalogue = context.catalogue;
    ConsoleListener listener;
    NoStore store;
    ConnectionTracker tracker(manager, catalogue, listener, store);
    Output out;
    out.json = context.options.format == OutputFormat::kJson;
    tracker.SetCurrentType(StartModel(catalogue, context.options));
    int model = tracker.GetConnectDeviceInfo();
    tracker.Refresh();
    if (!out.json) {
        std::printf("Model: %s (%d)\n", ModelName(catalogue, model).c_str(), model);
        std::printf("Connection: %s\n", ConnectionName(listener.text));
    }
    out.reply.Number("device_type", model).Text("model", ModelName(catalogue, model));
    out.reply.Text("connection", std::string(ConnectionName(listener.text)));
    if (!tracker.DevicePresent()) {
        if (!out.json) std::printf("Nothing to show: plug in the mouse, its receiver, or pair it.\n");
        return Finish(out, kExitNoDevice, "no mouse of this model is plugged in");
    }
    HidDeviceEntry active;
    if (!tracker.Connected() || !manager.ActiveInterface(&active))
        return Finish(out, kExitNotConnected, "the mouse cannot be reached");
    if (!out.json)
        std::printf("Interface: mode %d (%s), %04X:%04X, \"%s\", release %X.%02X\n", active.mode, ModeName(active.mode),
                    active.vid, active.pid, Narrow(active.product).c_str(), active.release >> 8, active.release & 0xFF);
    char release[16];
    std::snprintf(release, sizeof release, "%X.%02X", active.release >> 8, active.release & 0xFF);
    out.reply.Raw("interface", JsonObject().Number("mode", active.mode).Text("vid", Hex4(active.vid))
                                   .Text("pid", Hex4(active.pid)).Text("product", active.product)
                                   .Text("release", std::string(release)).Json());
    // Over a receiver of the feature dialect the read runs the receiver handshake first.
    DeviceStatus status;
    if (!MakeDialect(manager, model)->ReadStatus(status)) {
        if (!out.json) std::printf("Battery: no answer from the mouse\n");
        return Finish(out, kExitNoAnswer, "no answer from the mouse");
    }
    if (!status.mouseConnected) {
        if (!out.json) std::printf("Mouse: not connected to its receiver\n");
        return Finish(out, kExitNotConnected, "the mouse is not connected to its receiver");
    }
    if (!out.json && status.battery < 0) std::printf("Battery: no level reported\n");
    else if (!out.json) std::printf("Battery: %d%%%s\n", status.battery, status.charging ? ", charging" : "");
    out.reply.Number("battery", status.battery).Bool("charging", status.charging);
    return Finish(out, kExitOk, "");
}
