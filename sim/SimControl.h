#pragma once
// Test controls of the virtual mouse: what is plugged in, how each device behaves,
// the faults it should show, and the log of every report exchanged with it.
// Tests link the static library and drive these calls; the drop-in library reads
// its scenario from the environment instead (see Scenario.h).
#include <cstdint>
#include <string>
#include <vector>

#include "MouseMemory.h"

namespace sim {

enum class Family { kFeature, kOutput, kNodic, kForeign };
enum class Kind { kWired, kReceiver, kBluetooth };

// One physical USB or Bluetooth device. A wired mouse and a receiver that name the
// same `mouse` share one memory, as the same mouse does behind cable and receiver.
// How the mouse tells the host that its profile button chose another profile; the
// notification table has no code of its own for it.
// How the output dialect's version answer fills its three text fields (a length byte
// each, at 2, 22 and 42).
enum class VersionFields {
    kOwnFirst,   // on the cable only the first field, the mouse's; over a receiver the
                 // receiver's, its second text and the mouse's
    kMouseLast,  // as kOwnFirst, but on the cable the mouse's version also in the last field
};

enum class ProfileNotice {
    kState,  // a state report (0xE2) carrying the new profile's DPI level and rate
    kReset,  // 0xE6, after which the host reads the mouse again
    kNone,   // nothing
};

struct DeviceSetup {
    std::string name;                   // unique; used by every control below
    Family family = Family::kFeature;
    Kind kind = Kind::kWired;
    std::uint16_t vid = 0x248A;
    std::uint16_t pid = 0;
    std::uint16_t pairedVid = 0x248A;   // receivers: the mouse they report
    std::uint16_t pairedPid = 0;
    bool mouseAwake = true;             // receivers: is the paired mouse reachable
    bool featureReports = true;         // feature family: false = a descriptor without any
    bool answersQueries = true;         // receivers: false = ignores the pair query
    std::uint16_t release = 0x0100;
    std::uint16_t receiverId = 0x0708;  // second family: device id a receiver reports
    std::string mouse;                  // memory key; defaults to the name
    std::wstring product = L"Virtual mouse";
    // Where the Parts leave the mouse's side open, each plausible behaviour is an option:
    bool echoCommand = false;           // answers repeat the command in byte 1 (else byte 1 is 0)
    std::uint8_t answerId = 0xB4;       // output dialect: report id of answers and acknowledgements, 0xB4 or 0xB6
    bool needsHandshake = true;         // feature receivers: the mouse's reads are answered only after
                                        // the handshake 0x51 0x0C (until the mouse sleeps)
    bool silent = false;                // the mouse hears commands but answers none (a receiver still
                                        // answers its own queries)
    ProfileNotice profileNotice = ProfileNotice::kState;
    bool mapListsAll = true;            // output dialect: the button map lists every button, factory ones
                                        // (type 0) included; else only the assigned ones
    // Firmware version texts (ANSI), as the mouse and its receiver report them.
    std::string firmware = "1.2.3";
    std::string receiverFirmware = "1.1.0";    // receivers: their own version
    std::string receiverSecondText = "2.4G";   // receivers: their second version text
    VersionFields versionFields = VersionFields::kOwnFirst;
    bool versionNul = false;            // version texts end with a NUL that their length byte counts
    bool mapFullItems = false;          // output dialect: map items of assigned buttons carry all six data
                                        // bytes; else only up to their last non-zero byte
};

enum class Fault {
    kNoReply,            // the next request gets no answer at all
    kLateReply,          // the answer comes, but only after every time-out of the read
    kWrongReply,         // instead of the answer comes a report that answers nothing: a 0xE0
                         // notification in the first family (a feature read then finds no
                         // answer prepared), a frame marked not valid in the second family
    kNotificationFirst,  // a notification is queued in front of the answer
    kUnplugMidTransfer,  // the device is pulled right after accepting the request
};

enum class Direction { kOut, kIn, kFeatureSet, kFeatureGet };

struct LogRecord {
    std::uint64_t timeMs = 0;
    std::string device;
    Direction direction = Direction::kOut;
    // As on the wire, report id first. A feature read the device did not answer is
    // logged with the report id alone.
    std::vector<std::uint8_t> bytes;
};

// Empties the world: nothing plugged in, no faults, empty log, no memory file.
void Reset();
bool Plug(const DeviceSetup& setup);
bool Unplug(const std::string& name);
bool IsPlugged(const std::string& name);
// A mouse behind its receiver goes to sleep (offline) or wakes up.
bool SetMouseAwake(const std::string& receiver, bool awake);
// The mouse reports a button press as a state notification (DPI level change).
bool PressButton(const std::string& name, int button);
// Changes made on the mouse itself, each reported with the notification of its
// family (first family only); false for an unknown device or a mouse out of reach.
// The profile button: the mouse switches to `profile` (1-5) and says so as its
// setup's profileNotice gives.
bool ChangeProfileOnMouse(const std::string& name, int profile);
// The battery drains or charges: a state notification with the new level.
bool SetBattery(const std::string& name, int level, bool charging);
// The lighting buttons: a lighting notification (0xE1) with the mode's new values.
bool ChangeLightingOnMouse(const std::string& name, int mode, int brightness, int speed, std::uint32_t colour);
// A factory reset made on the mouse: its memory is reset, then 0xE6.
bool ResetOnMouse(const std::string& name);
// Any report, as the device would send it unasked (for reports that make no sense).
bool SendUnasked(const std::string& name, const std::vector<std::uint8_t>& report);

// Arms a fault for the next `count` requests that expect an answer.
bool InjectFault(const std::string& name, Fault fault, int count = 1);
// Enumeration paths of a device's interfaces, in enumeration order.
std::vector<std::string> PathsOf(const std::string& name);

// The memory of a mouse (by its `mouse` key); null when no such mouse exists.
MouseMemory* Memory(const std::string& mouse);

std::vector<LogRecord> Log();
void ClearLog();
// Counts the logged reports of one direction whose first bytes equal `prefix`.
int CountLogged(Direction direction, const std::vector<std::uint8_t>& prefix);
// A readable trace: time, device, direction, report id, bytes.
std::string FormatTrace();

}  // namespace sim
