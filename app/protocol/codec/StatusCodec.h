#pragma once
// What the mouse says about itself: the device-state block (answer of 0x51 0x06)
// and the notifications it sends on its own (0x54 / 0xB6 followed by 0xE0-0xE6).
// Values out of range are left out and listed in `rejected`; a report that makes
// no sense as a whole decodes to nothing.
#include <array>
#include <optional>

#include "Packet.h"
#include "PerformanceReadBack.h"
#include "Rejected.h"

namespace codec {

inline constexpr int kMaxWorkMode = 4;  // 0 cable, 1/3/4 receiver, 2 Bluetooth

// 0x51 0x06 (21 bytes; feature dialect).
Packet ReadDeviceStateRequest();

struct DeviceState {
    std::array<std::uint8_t, 8> info{};  // bytes 2-9, kept as they come
    std::optional<int> workMode;          // byte 10 bits 0-2, when 0-4
    bool connected = false;               // byte 10 bit 3
    std::optional<BatteryState> battery;  // bytes 11 (level) and 12 (charging)
    bool optionalSwitch = false;          // byte 14 bit 0: the mouse has the optional feature
    Rejections rejected;
};

std::optional<DeviceState> DecodeDeviceState(Bytes answer);

enum class NotificationCode : std::uint8_t {
    kRestarted = 0xE0,
    kLighting = 0xE1,
    kState = 0xE2,
    kCommandResult = 0xE3,
    kAcknowledgement = 0xE4,
    kFactoryReset = 0xE6,  // also the result of a wireless command
};

// 0xE1: the mouse's lighting changed; bytes 2-12 are its 11-byte lighting record.
struct LightingReport {
    std::array<std::uint8_t, 11> record{};
    int mode = 0;        // 0-10
    int speed = 0;
    int brightness = 0;
    int colour = 0;      // COLORREF
};

// 0xE2: connection, battery, DPI level and rate as the mouse reports them.
struct MouseStateReport {
    int workMode = 0;  // 0-4
    bool connected = false;
    std::optional<BatteryState> battery;
    std::optional<int> dpiLevel;  // below the level count
    std::optional<int> rateCode;  // 0-5
    int deviceId = 0;             // bytes 8-9, little-endian

    friend bool operator==(const MouseStateReport&, const MouseStateReport&) = default;
};

struct Notification {
    NotificationCode code = NotificationCode::kRestarted;
    LightingReport lighting;  // for kLighting
    MouseStateReport state;   // for kState
    Rejections rejected;
};

// Empty for a report of another dialect or code, a lighting report with a mode
// above 10, or a state report with a work mode above 4 or a connected flag other
// than 0 or 1. `levelCount` is the stored number of DPI levels.
std::optional<Notification> DecodeNotification(Dialect d, Bytes report, int levelCount);

}  // namespace codec
