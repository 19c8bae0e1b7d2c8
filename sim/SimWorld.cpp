#include "SimWorld.h"

#include <set>

#include "Clock.h"
#include "DeviceLayout.h"
#include "File.h"
#include "Scenario.h"
#include "Utf.h"

namespace sim {

World& World::Get() {
    static World world;
    return world;
}

Device* World::Find(const std::string& name) {
    for (auto& d : devices)
        if (d->setup.name == name) return d.get();
    return nullptr;
}

Interface* World::FindPath(const std::string& path) {
    for (auto& d : devices) {
        if (!d->plugged) continue;
        for (auto& iface : d->interfaces)
            if (iface->path == path) return iface.get();
    }
    return nullptr;
}

MouseMemory& World::MemoryOf(const Device& device) {
    return memory[device.setup.mouse.empty() ? device.setup.name : device.setup.mouse];
}

void World::Record(const Device& device, Direction direction, const Bytes& bytes) {
    log.push_back(LogRecord{Clock::Get().NowMs(), device.setup.name, direction, bytes});
}

void World::Queue(Interface& iface, Bytes report, std::uint64_t delayMs) {
    // Windows hands every input report over at the collection's full input length.
    if (report.size() < iface.inputLength) report.resize(iface.inputLength, 0);
    iface.input.push_back(PendingReport{Clock::Get().NowMs() + delayMs, std::move(report)});
}

bool World::TakeFault(Device& device, Fault& fault) {
    if (device.faults.empty()) return false;
    fault = device.faults.front();
    device.faults.pop_front();
    return true;
}

void World::SaveMemory() {
    if (memoryFile.empty() || memory.empty()) return;
    file::WriteAll(CString(utf::Utf8ToWide(memoryFile)), sim::SaveMemory(memory));
}

void World::ConfigureFromEnvironment() {
    if (!configured) {
        configured = true;
        ScenarioSource source = ScenarioFromEnvironment();
        std::string error;
        if (!source.text.empty()) LoadScenarioLocked(*this, source.text, error);
        unpluggedFile = source.unpluggedFile;
        memoryFile = source.memoryFile;
        std::string saved;
        if (!memoryFile.empty() && file::ReadAll(CString(utf::Utf8ToWide(memoryFile)), saved)) {
            for (auto& [name, m] : LoadMemory(saved)) memory[name] = m;
        }
    }
    FollowUnpluggedFile();
}

void World::FollowUnpluggedFile() {
    if (unpluggedFile.empty()) return;
    // Read at every use, so that a pull shows at the next call as it does on a real
    // bus. No file or an unreadable one means nothing is pulled out.
    std::string text;
    file::ReadAll(CString(utf::Utf8ToWide(unpluggedFile)), text);
    std::set<std::string> pulled = UnpluggedNames(text);
    for (const ScenarioDevice& entry : scenario) {
        bool wanted = pulled.count(entry.setup.name) == 0;
        bool present = Find(entry.setup.name) != nullptr;
        if (!wanted && present) UnplugLocked(*this, entry.setup.name);
        if (wanted && !present) PlugLocked(*this, entry.setup, entry.instance);
    }
}

bool UnplugLocked(World& world, const std::string& name) {
    for (auto it = world.devices.begin(); it != world.devices.end(); ++it) {
        if ((*it)->setup.name != name) continue;
        (*it)->plugged = false;  // open handles keep the object; every call on them now fails
        world.devices.erase(it);
        return true;
    }
    return false;
}

bool PlugLocked(World& world, const DeviceSetup& setup, int instance) {
    if (setup.name.empty() || world.Find(setup.name)) return false;
    auto device = std::make_shared<Device>();
    device->setup = setup;
    device->instance = instance > 0 ? instance : world.nextInstance++;
    BuildInterfaces(*device);
    world.MemoryOf(*device);
    world.devices.push_back(std::move(device));
    return true;
}

}  // namespace sim
