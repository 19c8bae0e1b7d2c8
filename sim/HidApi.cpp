// The hidapi C API over the simulated world, with the byte counts of hidapi's
// Windows back end: reads of an unnumbered collection drop the leading 0, writes
// report the collection's full output length, feature reads count the report id.
#include <hidapi.h>

#include <cstring>
#include <memory>
#include <string>

#include "Clock.h"
#include "DeviceLayout.h"
#include "DeviceSide.h"
#include "SimWorld.h"

struct hid_device_ {
    std::shared_ptr<sim::Device> device;
    sim::Interface* iface = nullptr;
    bool blocking = true;
    std::wstring error;
    hid_device_info info{};
    std::string infoPath;
    std::wstring infoProduct;
};

namespace {

using sim::Bytes;
using sim::World;
using Guard = std::lock_guard<std::recursive_mutex>;

// Errors without a device (open, enumerate) are per thread, as each thread asks about its own call.
thread_local std::wstring g_error = L"Success";

wchar_t* CopyWide(const std::wstring& s) {
    auto* out = new wchar_t[s.size() + 1];
    std::memcpy(out, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
    return out;
}

char* CopyText(const std::string& s) {
    auto* out = new char[s.size() + 1];
    std::memcpy(out, s.c_str(), s.size() + 1);
    return out;
}

void FillInfo(hid_device_info& info, const sim::Interface& iface) {
    const sim::DeviceSetup& setup = iface.device->setup;
    info.vendor_id = setup.vid;
    info.product_id = setup.pid;
    info.release_number = setup.release;
    info.usage_page = iface.usagePage;
    info.usage = iface.usage;
    info.interface_number = iface.interfaceNumber;
    info.bus_type = setup.kind == sim::Kind::kBluetooth ? HID_API_BUS_BLUETOOTH : HID_API_BUS_USB;
}

hid_device_info* NewInfo(const sim::Interface& iface) {
    auto* info = new hid_device_info{};
    FillInfo(*info, iface);
    info->path = CopyText(iface.path);
    info->serial_number = CopyWide(L"");
    info->manufacturer_string = CopyWide(L"Virtual");
    info->product_string = CopyWide(iface.device->setup.product);
    return info;
}

// False (with the handle's error set) when the handle cannot be used any more.
bool Usable(hid_device* dev) {
    if (!dev) {
        g_error = L"No device handle";
        return false;
    }
    World::Get().ConfigureFromEnvironment();  // a device pulled out meanwhile fails now
    if (!dev->device->plugged) {
        dev->error = L"The device is not connected.";
        return false;
    }
    dev->error = L"Success";
    return true;
}

int Deliver(hid_device* dev, unsigned char* data, std::size_t length) {
    World& world = World::Get();
    sim::PendingReport report = std::move(dev->iface->input.front());
    dev->iface->input.pop_front();
    world.Record(*dev->device, sim::Direction::kIn, report.bytes);
    const unsigned char* from = report.bytes.data();
    std::size_t size = report.bytes.size();
    if (size > 0 && from[0] == 0) {
        ++from;
        --size;
    }
    std::size_t copy = length < size ? length : size;
    std::memcpy(data, from, copy);
    return static_cast<int>(copy);
}

void Dispatch(World& world, sim::Interface& iface, const Bytes& report, bool feature) {
    if (feature) sim::FeatureSet(world, iface, report);
    else if (iface.usagePage == 0xFFC1) sim::OutputWrite(world, iface, report);
    else if (iface.usagePage == 0xFF0A) sim::NodicWrite(world, iface, report);
}

}  // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.ConfigureFromEnvironment();
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.SaveMemory();
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.ConfigureFromEnvironment();
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (auto& device : world.devices) {
        if (!device->plugged) continue;
        if ((vendor_id && device->setup.vid != vendor_id) || (product_id && device->setup.pid != product_id)) continue;
        for (auto& iface : device->interfaces) {
            *tail = NewInfo(*iface);
            tail = &(*tail)->next;
        }
    }
    if (!head) g_error = L"No HID devices found in the system.";
    return head;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs) {
    while (devs) {
        hid_device_info* next = devs->next;
        delete[] devs->path;
        delete[] devs->serial_number;
        delete[] devs->manufacturer_string;
        delete[] devs->product_string;
        delete devs;
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.ConfigureFromEnvironment();
    sim::Interface* iface = path ? world.FindPath(path) : nullptr;
    if (!iface || !iface->openable) {
        g_error = iface ? L"Access is denied." : L"The system cannot find the file specified.";
        return nullptr;
    }
    auto* dev = new hid_device_{};
    for (auto& d : world.devices)
        if (d.get() == iface->device) dev->device = d;
    dev->iface = iface;
    return dev;
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t* /*serial_number*/) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.ConfigureFromEnvironment();
    for (auto& device : world.devices) {
        if (!device->plugged || device->setup.vid != vendor_id || device->setup.pid != product_id) continue;
        for (auto& iface : device->interfaces)
            if (iface->openable) return hid_open_path(iface->path.c_str());
    }
    g_error = L"The system cannot find the file specified.";
    return nullptr;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data, size_t length) {
    World& world = World::Get();
    Guard guard(world.mutex);
    if (!Usable(dev)) return -1;
    std::size_t full = dev->iface->outputLength;
    if (!data || length == 0 || full == 0 || length > full) {
        dev->error = L"The parameter is incorrect.";
        return -1;
    }
    Bytes report(data, data + length);
    report.resize(full, 0);
    world.Record(*dev->device, sim::Direction::kOut, report);
    Dispatch(world, *dev->iface, report, false);
    return static_cast<int>(full);
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
    World& world = World::Get();
    std::unique_lock<std::recursive_mutex> lock(world.mutex);
    if (!Usable(dev)) return -1;
    if (!data || length == 0) {
        dev->error = L"Zero buffer/length";
        return -1;
    }
    Clock& clock = Clock::Get();
    std::uint64_t deadline = clock.NowMs() + static_cast<std::uint64_t>(milliseconds < 0 ? 0 : milliseconds);
    for (;;) {
        std::uint64_t now = clock.NowMs();
        auto& input = dev->iface->input;
        if (!input.empty() && input.front().availableAtMs <= now) return Deliver(dev, data, length);
        bool waitForNext = milliseconds < 0 && !input.empty();
        std::uint64_t until = waitForNext ? input.front().availableAtMs : deadline;
        if (!input.empty() && input.front().availableAtMs < until) until = input.front().availableAtMs;
        if (now >= until) return 0;
        lock.unlock();
        clock.SleepMs(static_cast<std::uint32_t>(until - now));
        lock.lock();
        if (!Usable(dev)) return -1;
    }
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length) {
    return hid_read_timeout(dev, data, length, dev && dev->blocking ? -1 : 0);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device* dev, int nonblock) {
    if (!dev) return -1;
    dev->blocking = nonblock == 0;
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length) {
    World& world = World::Get();
    Guard guard(world.mutex);
    if (!Usable(dev)) return -1;
    const auto& lengths = dev->iface->featureLengths;
    auto it = data && length ? lengths.find(data[0]) : lengths.end();
    // As on Windows, a report may be as long as the collection's longest feature report
    // (shorter ones are padded), never longer.
    std::size_t longest = 0;
    for (const auto& [id, size] : lengths) longest = size > longest ? size : longest;
    if (it == lengths.end() || length > longest) {
        dev->error = L"The parameter is incorrect.";
        return -1;
    }
    Bytes report(data, data + (length < it->second ? length : it->second));
    report.resize(it->second, 0);
    world.Record(*dev->device, sim::Direction::kFeatureSet, report);
    Dispatch(world, *dev->iface, report, true);
    return static_cast<int>(length);
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length) {
    World& world = World::Get();
    Guard guard(world.mutex);
    if (!Usable(dev)) return -1;
    if (!data || length == 0) {
        dev->error = L"Zero buffer/length";
        return -1;
    }
    auto reply = dev->iface->featureReplies.find(data[0]);
    if (reply == dev->iface->featureReplies.end() || reply->second.availableAtMs > Clock::Get().NowMs()) {
        world.Record(*dev->device, sim::Direction::kFeatureGet, Bytes{data[0]});  // asked, nothing came
        dev->error = L"The device did not respond.";
        return -1;
    }
    const Bytes& bytes = reply->second.bytes;
    std::size_t copy = length < bytes.size() ? length : bytes.size();
    std::memcpy(data, bytes.data(), copy);
    world.Record(*dev->device, sim::Direction::kFeatureGet, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(copy)));
    return static_cast<int>(copy);
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device* dev, unsigned char* /*data*/, size_t /*length*/) {
    if (dev) dev->error = L"Input report requests are not supported.";
    return -1;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev) {
    World& world = World::Get();
    Guard guard(world.mutex);
    delete dev;
}

static int CopyString(hid_device* dev, const std::wstring& text, wchar_t* string, size_t maxlen) {
    if (!dev || !string || maxlen == 0) return -1;
    std::size_t n = text.size() < maxlen - 1 ? text.size() : maxlen - 1;
    std::memcpy(string, text.c_str(), n * sizeof(wchar_t));
    string[n] = L'\0';
    return 0;
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return CopyString(dev, L"Virtual", string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    World& world = World::Get();
    Guard guard(world.mutex);
    if (!Usable(dev)) return -1;
    return CopyString(dev, dev->device->setup.product, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return CopyString(dev, L"", string, maxlen);
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_get_device_info(hid_device* dev) {
    if (!dev) return nullptr;
    World& world = World::Get();
    Guard guard(world.mutex);
    FillInfo(dev->info, *dev->iface);
    dev->infoPath = dev->iface->path;
    dev->infoProduct = dev->device->setup.product;
    dev->info.path = dev->infoPath.data();
    dev->info.product_string = dev->infoProduct.data();
    dev->info.manufacturer_string = nullptr;
    dev->info.serial_number = nullptr;
    dev->info.next = nullptr;
    return &dev->info;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device* dev, int /*string_index*/, wchar_t* /*string*/, size_t /*maxlen*/) {
    if (dev) dev->error = L"Indexed strings are not supported.";
    return -1;
}

int HID_API_EXPORT_CALL hid_get_report_descriptor(hid_device* dev, unsigned char* buf, size_t buf_size) {
    World& world = World::Get();
    Guard guard(world.mutex);
    if (!Usable(dev) || !buf) return -1;
    Bytes descriptor = sim::ReportDescriptor(*dev->iface);
    std::size_t n = buf_size < descriptor.size() ? buf_size : descriptor.size();
    std::memcpy(buf, descriptor.data(), n);
    return static_cast<int>(n);
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device* dev) {
    return dev ? dev->error.c_str() : g_error.c_str();
}

HID_API_EXPORT const struct hid_api_version* HID_API_CALL hid_version(void) {
    static const hid_api_version version{HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char* HID_API_CALL hid_version_str(void) { return HID_API_VERSION_STR; }

}  // extern "C"
