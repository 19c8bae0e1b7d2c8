#pragma once
// The virtual mouse's world: plugged devices, their HID interfaces, the mice's
// memory, armed faults and the report log. One mutex guards all of it; a read
// that waits releases it while time passes, as a real device keeps working while
// the host waits.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "SimControl.h"

namespace sim {

using Bytes = std::vector<std::uint8_t>;

struct PendingReport {
    std::uint64_t availableAtMs = 0;
    Bytes bytes;  // report id first; an id of 0 is part of the report as on Windows
};

struct Device;

// One HID collection of a device, as hid_enumerate lists it.
struct Interface {
    Device* device = nullptr;
    std::string path;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int interfaceNumber = 0;
    bool vendor = false;          // the collection that carries the mouse protocol
    bool openable = true;
    std::size_t inputLength = 0;  // longest input report, report id included
    std::size_t outputLength = 0;
    std::map<std::uint8_t, std::size_t> featureLengths;  // report id -> length with id
    std::deque<PendingReport> input;
    std::map<std::uint8_t, PendingReport> featureReplies;  // prepared answers of feature reads
};

struct Device {
    DeviceSetup setup;
    bool plugged = true;
    bool handshaken = false;  // feature receivers: the link to the mouse is open for reads
    int instance = 0;
    std::vector<std::unique_ptr<Interface>> interfaces;
    std::deque<Fault> faults;
};

// A device the scenario lists, with the instance its paths were made with, so
// that plugging it back gives the same paths, as the same port does on Windows.
struct ScenarioDevice {
    DeviceSetup setup;
    int instance = 0;
};

class World {
public:
    static World& Get();

    std::recursive_mutex mutex;
    std::vector<std::shared_ptr<Device>> devices;  // shared: open handles keep a pulled device alive
    std::map<std::string, MouseMemory> memory;
    std::vector<LogRecord> log;
    std::string memoryFile;  // drop-in: where the mice's memory persists
    std::vector<ScenarioDevice> scenario;
    std::string unpluggedFile;  // names the scenario devices pulled out; empty: not watched
    bool configured = false;
    int nextInstance = 1;

    Device* Find(const std::string& name);
    Interface* FindPath(const std::string& path);
    MouseMemory& MemoryOf(const Device& device);
    void Record(const Device& device, Direction direction, const Bytes& bytes);
    // Queues an input report on the device's vendor interface.
    void Queue(Interface& iface, Bytes report, std::uint64_t delayMs = 0);
    // The next armed fault of a device, consumed; false when none is armed.
    bool TakeFault(Device& device, Fault& fault);
    void SaveMemory();
    // Reads the scenario named by the environment the first time the API is used,
    // and at every use follows the unplugged file.
    void ConfigureFromEnvironment();
    // Pulls out the scenario devices the unplugged file names and plugs back the others.
    void FollowUnpluggedFile();
};

// `instance` 0 takes the next free one.
bool PlugLocked(World& world, const DeviceSetup& setup, int instance = 0);
bool UnplugLocked(World& world, const std::string& name);

}  // namespace sim
