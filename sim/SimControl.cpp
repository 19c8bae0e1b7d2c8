#include "SimControl.h"

#include <algorithm>
#include <cstdio>

#include "DeviceSide.h"
#include "NodicSide.h"
#include "SimWorld.h"

namespace sim {
namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

Interface* VendorInterface(Device& d) {
    for (auto& iface : d.interfaces)
        if (iface->vendor && iface->openable) return iface.get();
    return nullptr;
}

const char* DirectionName(Direction d) {
    switch (d) {
    case Direction::kOut: return "OUT ";
    case Direction::kIn: return "IN  ";
    case Direction::kFeatureSet: return "FSET";
    case Direction::kFeatureGet: return "FGET";
    }
    return "?";
}

}  // namespace

void Reset() {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.devices.clear();
    world.memory.clear();
    world.log.clear();
    world.memoryFile.clear();
    world.scenario.clear();
    world.unpluggedFile.clear();
    world.configured = true;
}

bool Plug(const DeviceSetup& setup) {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.configured = true;
    return PlugLocked(world, setup);
}

bool Unplug(const std::string& name) {
    World& world = World::Get();
    Guard guard(world.mutex);
    return UnplugLocked(world, name);
}

bool IsPlugged(const std::string& name) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Device* d = world.Find(name);
    return d && d->plugged;
}

bool SetMouseAwake(const std::string& receiver, bool awake) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Device* d = world.Find(receiver);
    if (!d || d->setup.kind != Kind::kReceiver) return false;
    bool changed = d->setup.mouseAwake != awake;
    d->setup.mouseAwake = awake;
    if (!awake) d->handshaken = false;  // the receiver's link to its mouse is gone
    // The receiver tells the host when its mouse comes and goes.
    if (Interface* iface = VendorInterface(*d); iface && changed) world.Queue(*iface, UnsolicitedReport(world, *d));
    return true;
}

bool PressButton(const std::string& name, int button) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Device* d = world.Find(name);
    if (d && d->setup.family == Family::kNodic) return button >= 0 && NodicButtonPressed(world, *d);
    Interface* iface = d ? VendorInterface(*d) : nullptr;
    if (!iface || !MouseReachable(*d) || button < 0 || d->setup.family == Family::kForeign) return false;
    // The factory DPI buttons step the level; every press is reported as a state notification.
    ProfileMemory& profile = world.MemoryOf(*d).Current();
    if (profile.dpiCount > 0) profile.dpiIndex = static_cast<std::uint8_t>((profile.dpiIndex + 1) % profile.dpiCount);
    world.Queue(*iface, UnsolicitedReport(world, *d));
    return true;
}

bool InjectFault(const std::string& name, Fault fault, int count) {
    World& world = World::Get();
    Guard guard(world.mutex);
    Device* d = world.Find(name);
    if (!d || count < 1) return false;
    for (int i = 0; i < count; ++i) d->faults.push_back(fault);
    return true;
}

std::vector<std::string> PathsOf(const std::string& name) {
    World& world = World::Get();
    Guard guard(world.mutex);
    std::vector<std::string> paths;
    if (Device* d = world.Find(name))
        for (auto& iface : d->interfaces) paths.push_back(iface->path);
    return paths;
}

MouseMemory* Memory(const std::string& mouse) {
    World& world = World::Get();
    Guard guard(world.mutex);
    auto it = world.memory.find(mouse);
    return it == world.memory.end() ? nullptr : &it->second;
}

std::vector<LogRecord> Log() {
    World& world = World::Get();
    Guard guard(world.mutex);
    return world.log;
}

void ClearLog() {
    World& world = World::Get();
    Guard guard(world.mutex);
    world.log.clear();
}

int CountLogged(Direction direction, const std::vector<std::uint8_t>& prefix) {
    int count = 0;
    for (const LogRecord& r : Log()) {
        if (r.direction != direction || r.bytes.size() < prefix.size()) continue;
        if (std::equal(prefix.begin(), prefix.end(), r.bytes.begin())) ++count;
    }
    return count;
}

std::string FormatTrace() {
    std::string out;
    for (const LogRecord& r : Log()) {
        char head[96];
        std::snprintf(head, sizeof head, "%8llu ms  %-10s %s id=0x%02X ", static_cast<unsigned long long>(r.timeMs),
                      r.device.c_str(), DirectionName(r.direction), r.bytes.empty() ? 0 : r.bytes[0]);
        out += head;
        // Trailing zero padding says nothing; show up to the last non-zero byte.
        std::size_t last = r.bytes.size();
        while (last > 2 && r.bytes[last - 1] == 0) --last;
        for (std::size_t i = 0; i < last; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02X", r.bytes[i]);
            out += byte;
        }
        if (last < r.bytes.size()) out += " ... (" + std::to_string(r.bytes.size()) + " bytes)";
        out += "\n";
    }
    return out;
}

}  // namespace sim
