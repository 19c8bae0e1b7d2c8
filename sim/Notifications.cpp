// Changes made on the mouse itself, as the tests raise them: the mouse's memory
// changes first, then the device queues the notification its family sends unasked.
#include <algorithm>

#include "DeviceSide.h"
#include "SettingsMemory.h"
#include "SimControl.h"

namespace sim {
namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

Interface* VendorInterface(Device& d) {
    for (auto& iface : d.interfaces)
        if (iface->vendor && iface->openable) return iface.get();
    return nullptr;
}

// A first-family device whose mouse can hear the change; null otherwise.
Interface* Reachable(World& world, const std::string& name) {
    Device* d = world.Find(name);
    if (!d || !MouseReachable(*d)) return nullptr;
    if (d->setup.family != Family::kFeature && d->setup.family != Family::kOutput) return nullptr;
    return VendorInterface(*d);
}

std::uint8_t NotifyId(const Device& d) { return d.setup.family == Family::kFeature ? 0x54 : 0xB6; }

// Input reports travel at their full length: 21 bytes in the feature dialect, 64 in the output dialect.
Bytes Padded(const Device& d, Bytes report) {
    report.resize(std::max<std::size_t>(report.size(), d.setup.family == Family::kFeature ? 21 : 64), 0);
    return report;
}

void QueueState(World& world, Interface& iface) {
    Device& d = *iface.device;
    world.Queue(iface, Padded(d, StateNotification(world, d, NotifyId(d))));
}

}  // namespace

bool ChangeProfileOnMouse(const std::string& name, int profile) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Interface* iface = Reachable(world, name);
    if (!iface || profile < 1 || profile > 5) return false;
    Device& d = *iface->device;
    world.MemoryOf(d).currentProfile = profile - 1;
    world.SaveMemory();
    switch (d.setup.profileNotice) {
    case ProfileNotice::kState: QueueState(world, *iface); break;
    case ProfileNotice::kReset: world.Queue(*iface, Padded(d, Bytes{NotifyId(d), 0xE6})); break;
    case ProfileNotice::kNone: break;
    }
    return true;
}

bool SetBattery(const std::string& name, int level, bool charging) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Interface* iface = Reachable(world, name);
    if (!iface || level < 0 || level > 100) return false;
    MouseMemory& m = world.MemoryOf(*iface->device);
    m.battery = static_cast<std::uint8_t>(level);
    m.charging = charging ? 1 : 0;
    world.SaveMemory();
    QueueState(world, *iface);
    return true;
}

bool ChangeLightingOnMouse(const std::string& name, int mode, int brightness, int speed, std::uint32_t colour) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Interface* iface = Reachable(world, name);
    if (!iface || mode < 0 || mode > 10) return false;
    Device& d = *iface->device;
    ProfileMemory& p = world.MemoryOf(d).Current();
    auto m = static_cast<std::size_t>(mode);
    p.light.mode = static_cast<std::uint8_t>(mode);
    p.light.brightness[m] = static_cast<std::uint8_t>(brightness);
    p.light.speed[m] = static_cast<std::uint8_t>(speed);
    p.light.colour[m] = colour & 0xFFFFFF;
    // The 11-byte lighting record: mode, (unused), speed, brightness, colour low byte first.
    p.lighting = {static_cast<std::uint8_t>(mode), 0, static_cast<std::uint8_t>(speed),
                  static_cast<std::uint8_t>(brightness), static_cast<std::uint8_t>(colour & 0xFF),
                  static_cast<std::uint8_t>((colour >> 8) & 0xFF), static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
    world.SaveMemory();
    Bytes report{NotifyId(d), 0xE1};
    report.insert(report.end(), p.lighting.begin(), p.lighting.end());
    world.Queue(*iface, Padded(d, std::move(report)));
    return true;
}

bool ResetOnMouse(const std::string& name) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Interface* iface = Reachable(world, name);
    if (!iface) return false;
    FactoryResetMemory(world.MemoryOf(*iface->device));
    world.SaveMemory();
    world.Queue(*iface, Padded(*iface->device, Bytes{NotifyId(*iface->device), 0xE6}));
    return true;
}

bool SendUnasked(const std::string& name, const std::vector<std::uint8_t>& report) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Device* d = world.Find(name);
    Interface* iface = d ? VendorInterface(*d) : nullptr;
    if (!iface || report.empty()) return false;
    world.Queue(*iface, report);
    return true;
}

}  // namespace sim
