#include "DeviceLayout.h"

#include <cstdio>

namespace sim {
namespace {

constexpr const char* kHidClass = "{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr const char* kGattHid = "{00001812-0000-1000-8000-00805f9b34fb}";

// Windows device paths are lower case; the program upper-cases them before matching.
std::string UsbPath(const Device& d, int mi, int col) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "\\\\?\\hid#vid_%04x&pid_%04x&mi_%02d&col%02d#7&%08x&0&%04d#%s", d.setup.vid,
                  d.setup.pid, mi, col, 0x1a2b0000u + static_cast<unsigned>(d.instance), col, kHidClass);
    return buf;
}

std::string BluetoothPath(const Device& d) {
    char buf[240];
    std::snprintf(buf, sizeof buf,
                  "\\\\?\\hid#%s_dev_vid&02%04x_pid&%04x_rev&%04x_e4a1b2c3d4%02x&col03#9&%08x&0&0002#"
                  "{884b96c3-56ef-11d1-bc8c-00a0c91405dd}\\kbd",
                  kGattHid, d.setup.vid, d.setup.pid, d.setup.release, d.instance & 0xFF,
                  0x2c3d0000u + static_cast<unsigned>(d.instance));
    return buf;
}

std::unique_ptr<Interface> MakeInterface(Device& d, std::uint16_t page, std::uint16_t usage, int mi, int col) {
    auto iface = std::make_unique<Interface>();
    iface->device = &d;
    iface->path = UsbPath(d, mi, col);
    iface->usagePage = page;
    iface->usage = usage;
    iface->interfaceNumber = mi;
    return iface;
}

// The standard pointer collection every mouse and receiver also exposes; the program ignores it.
std::unique_ptr<Interface> PointerCollection(Device& d) {
    auto iface = MakeInterface(d, 0x0001, 0x0002, 0, 1);
    iface->inputLength = 8;
    return iface;
}

std::unique_ptr<Interface> VendorCollection(Device& d) {
    Family family = d.setup.family;
    std::uint16_t page = family == Family::kFeature ? 0x008C
                       : family == Family::kOutput  ? 0xFFC1
                       : family == Family::kNodic   ? 0xFF0A
                                                    : 0xFF00;
    auto iface = MakeInterface(d, page, 0x0001, family == Family::kNodic ? 2 : 1, 2);
    switch (family) {
    case Family::kFeature:
        iface->inputLength = 21;  // 0x54 answers and notifications
        if (d.setup.featureReports) iface->featureLengths = {{0x51, 21}, {0x52, 65}};
        break;
    case Family::kOutput:
        iface->inputLength = 64;   // 0xB4 / 0xB6 reports, id included
        iface->outputLength = 65;  // 0xB5 / 0xB3 plus 64 bytes
        break;
    case Family::kNodic:
        iface->inputLength = 65;  // report id 0 plus the 64-byte frame
        iface->outputLength = 65;
        break;
    case Family::kForeign:
        iface->inputLength = 33;
        iface->outputLength = 33;
        break;
    }
    iface->vendor = family != Family::kForeign;
    return iface;
}

void AppendReport(Bytes& out, std::uint8_t id, std::size_t lengthWithId, std::uint8_t mainItem) {
    if (lengthWithId < 2) return;
    if (id != 0) out.insert(out.end(), {0x85, id});
    std::size_t count = lengthWithId - 1;
    out.insert(out.end(), {0x09, 0x01, 0x75, 0x08, 0x96, static_cast<std::uint8_t>(count & 0xFF),
                           static_cast<std::uint8_t>(count >> 8), mainItem, 0x02});
}

// The report id the collection's input and output reports use (0 for the unnumbered ones).
std::uint8_t InputId(const Interface& iface) {
    if (iface.usagePage == 0x008C) return 0x54;
    if (iface.usagePage == 0xFFC1) return 0xB4;
    return 0;
}

}  // namespace

void BuildInterfaces(Device& d) {
    d.interfaces.clear();
    if (d.setup.kind == Kind::kBluetooth) {
        auto record = std::make_unique<Interface>();
        record->device = &d;
        record->path = BluetoothPath(d);
        record->usagePage = 0x0001;
        record->usage = 0x0006;
        record->interfaceNumber = -1;
        record->openable = false;  // keyboard collections are held by the system
        d.interfaces.push_back(std::move(record));
        return;
    }
    if (d.setup.family != Family::kForeign) d.interfaces.push_back(PointerCollection(d));
    d.interfaces.push_back(VendorCollection(d));
}

Bytes ReportDescriptor(const Interface& iface) {
    Bytes out{0x06, static_cast<std::uint8_t>(iface.usagePage & 0xFF), static_cast<std::uint8_t>(iface.usagePage >> 8),
              0x09, static_cast<std::uint8_t>(iface.usage), 0xA1, 0x01};
    std::uint8_t inId = InputId(iface);
    AppendReport(out, inId, iface.inputLength, 0x81);
    if (iface.usagePage == 0xFFC1) {
        AppendReport(out, 0xB6, iface.inputLength, 0x81);
        AppendReport(out, 0xB5, iface.outputLength, 0x91);
        AppendReport(out, 0xB3, iface.outputLength, 0x91);
    } else {
        AppendReport(out, 0, iface.outputLength, 0x91);
    }
    for (const auto& [id, length] : iface.featureLengths) AppendReport(out, id, length, 0xB1);
    out.push_back(0xC0);
    return out;
}

}  // namespace sim
