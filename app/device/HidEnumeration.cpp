// Enumeration: which interfaces of the bus belong to the current model, and the
// receiver queries that decide whether a receiver's paired mouse is one of ours.
#include <cstring>

#include "Clock.h"
#include "DeviceModeEntry.h"
#include "HidDeviceManager.h"
#include "NodicExchange.h"
#include "ReportDescriptor.h"
#include "Utf.h"

namespace {

constexpr const char* kGattHidService = "00001812-0000-1000-8000-00805F9B34FB";

void Wait(int ms) { Clock::Get().SleepMs(static_cast<std::uint32_t>(ms)); }

std::string Upper(const char* text) {
    std::string s = text ? text : "";
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}


ReceiverPairInfo ParsePair(const std::uint8_t* r) {
    ReceiverPairInfo info;
    info.vid = r[3] | (r[4] << 8);
    info.pid = r[5] | (r[6] << 8);
    info.status = r[7];
    if (info.vid == 0 && info.pid == 0) info = ReceiverPairInfo{0x248A, 0xFF12, r[7]};
    return info;
}

CString ProductString(hid_device* handle) {
    wchar_t text[256] = {};
    if (hid_get_product_string(handle, text, 255) != 0) return CString();
    return CString(text);
}

}  // namespace

const HidDeviceFilter* HidDeviceManager::MatchFilter(int vid, int pid) const {
    for (const HidDeviceFilter& f : m_filters)
        if (f.vid == vid && f.pid == pid) return &f;
    return nullptr;
}

bool HidDeviceManager::HasFeatureReports(hid_device* handle) const {
    if (!m_descriptorReader) return true;
    unsigned char descriptor[HID_API_MAX_REPORT_DESCRIPTOR_SIZE];
    int size = m_descriptorReader(handle, descriptor, sizeof descriptor);
    if (size <= 0) return true;  // unknown: let the commands find out
    return DescriptorHasFeatureReports(descriptor, static_cast<std::size_t>(size)) != 0;
}

void HidDeviceManager::AppendEntry(const hid_device_info& info, const HidDeviceFilter& filter, hid_device* handle,
                                   int online) {
    auto entry = std::make_unique<OpenEntry>();
    HidDeviceEntry& e = entry->info;
    e.index = static_cast<int>(m_entries.size());
    e.vid = info.vendor_id;
    e.pid = info.product_id;
    e.path = info.path ? std::string(info.path).substr(0, 1024) : std::string();
    e.product = handle ? ProductString(handle) : CString();
    e.has_handle = handle != nullptr;
    e.release = info.release_number;
    e.device_type = filter.device_type;
    e.mode = handle ? filter.mode : kModeBluetooth;
    e.online = online;
    entry->handle = handle;
    m_entries.push_back(std::move(entry));
}

void HidDeviceManager::AddBluetoothRecord(const hid_device_info& info, const HidDeviceFilter& filter) {
    std::string path = Upper(info.path);
    if (path.find(kGattHidService) == std::string::npos || path.find("KBD") == std::string::npos) return;
    AppendEntry(info, filter, nullptr, 1);
}

void HidDeviceManager::EnumerateDevice() {
    LockGuard guard(m_lock);
    if (!m_libraryReady) return;
    hid_device_info* all = hid_enumerate(0, 0);
    for (hid_device_info* info = all; info; info = info->next) {
        const HidDeviceFilter* filter = MatchFilter(info->vendor_id, info->product_id);
        if (!filter || !info->path) continue;
        HidDeviceFilter f = *filter;  // the receiver queries below must not see a moving list
        AddBluetoothRecord(*info, f);
        hid_device* handle = hid_open_path(info->path);
        if (!handle) continue;
        if (info->usage_page == 0x008C && info->usage == 1) AddFeatureInterface(*info, f, handle);
        else if (info->usage_page == 0xFFC1 && info->usage == 1) AddOutputInterface(*info, f, handle);
        else if (info->usage_page == 0xFF0A && info->usage == 1) AddNodicInterface(*info, f, handle);
        else hid_close(handle);
    }
    hid_free_enumeration(all);
}

void HidDeviceManager::AddFeatureInterface(const hid_device_info& info, const HidDeviceFilter& f, hid_device* h) {
    if (!HasFeatureReports(h)) {
        hid_close(h);
        return;
    }
    int online = f.mode == kModeWired ? 1 : 0;
    if (IsReceiverMode(f.mode)) {
        ReceiverPairInfo pair = Get24GDevBaseInfo(HidPort(h));
        if (!MatchFilter(pair.vid, pair.pid)) {
            hid_close(h);  // a receiver is kept only when its mouse is of the current model
            return;
        }
        online = pair.status == 1 ? 1 : 0;
    }
    AppendEntry(info, f, h, online);
}

void HidDeviceManager::AddOutputInterface(const hid_device_info& info, const HidDeviceFilter& f, hid_device* h) {
    int online = f.mode == kModeWired ? 1 : 0;
    if (IsReceiverMode(f.mode)) {
        ReceiverPairInfo pair = Get24GDevBaseInfo2(HidPort(h));
        if (!MatchFilter(pair.vid, pair.pid)) {
            hid_close(h);
            return;
        }
        online = pair.status == 1 ? 1 : 0;
    }
    SendWakeUp(HidPort(h));
    AppendEntry(info, f, h, online);
}

void HidDeviceManager::AddNodicInterface(const hid_device_info& info, const HidDeviceFilter& f, hid_device* h) {
    AppendEntry(info, f, h, 1);
    OpenEntry& entry = *m_entries.back();
    if (f.mode != kModeWired) entry.info.online = GetNodic24DeviceStatus(entry);
    if (entry.info.device_type <= 0) {
        hid_close(entry.handle);
        m_entries.pop_back();
    }
}

ReceiverPairInfo HidDeviceManager::Get24GDevBaseInfo(HidPort port) {
    Wait(5);
    const std::uint8_t request[21] = {0x51, 0x03};
    if (!port.SendFeature(request)) return ReceiverPairInfo{};
    Wait(5);
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::uint8_t reply[21];
        if (port.GetFeature(0x51, reply) > 7) return ParsePair(reply);
        Wait(5);
    }
    return ReceiverPairInfo{};  // no answer at all: the defaults
}

ReceiverPairInfo HidDeviceManager::Get24GDevBaseInfo2(HidPort port) {
    auto handOn = [this](const Report& r, int n) { HandOnIfNotification(r, n, kOutputNotificationId); };
    Wait(5);
    port.Drain(100, handOn);
    const std::uint8_t request[] = {0xB5, 0x03};
    if (!port.WriteOutput(request)) return ReceiverPairInfo{};
    Wait(5);
    for (int attempt = 0; attempt < 10; ++attempt) {
        Report reply;
        int n = port.Read(reply, 100);
        if (n > 7 && IsOutputAnswer(reply.data(), n)) return ParsePair(reply.data());
        if (n > 0) handOn(reply, n);
        Wait(5);
    }
    return ReceiverPairInfo{};
}

void HidDeviceManager::SendWakeUp(HidPort port) {
    auto handOn = [this](const Report& r, int n) { HandOnIfNotification(r, n, kOutputNotificationId); };
    port.Drain(100, handOn);
    const std::uint8_t request[] = {0xB5, 0x02};
    if (!port.WriteOutput(request)) return;
    Wait(16);
    Report reply;
    int n = port.Read(reply, 200);
    if (n == 0) {
        Wait(200);
        n = port.Read(reply, 100);
    }
    if (n > 0) handOn(reply, n);  // the answer itself is not used
}

int HidDeviceManager::GetNodic24DeviceStatus(OpenEntry& entry) {
    if (entry.info.mode == kModeWired) {
        entry.info.online = 1;
        return 1;
    }
    // Asks the receiver itself (no route bit) whether its mouse is connected.
    NodicFrameBytes request{0x01, 0x00, 0x81, 0x01};
    HidPort port(entry.handle);
    NodicReply reply = ExchangeNodicFrame(port, request);
    if (!reply.Valid()) {
        Wait(100);
        reply = ExchangeNodicFrame(port, request);
    }
    if (!reply.Valid()) return entry.info.online;
    entry.info.online = reply.frame[4] == 1 ? 1 : 0;
    entry.info.device_type = kNodicReceiverType;
    return entry.info.online;
}
