#pragma once
// The performance block the mouse reports: the answer of 0x51 0x07 (feature
// dialect) or of 0xB3 0x06 (output dialect, which also carries the current
// profile, the sleep time and the battery). Every value is checked before it may
// be stored; one out of range is left out and listed in `rejected`.
#include <array>
#include <optional>

#include "Packet.h"
#include "Performance.h"
#include "Rejected.h"

namespace codec {

struct BatteryState {
    int level = 0;  // percent
    bool charging = false;

    friend bool operator==(const BatteryState&, const BatteryState&) = default;
};

struct PerformanceReadBack {
    std::optional<int> profile;     // output dialect: 1-5
    std::optional<int> dpiIndex;    // below the level count
    std::optional<int> reportRate;  // 0-5
    std::array<std::optional<int>, kDpiLevels> dpi;  // non-zero values
    int sensorFlag = 0;             // the whole sensor byte, as the page reads it
    std::optional<int> liftoffHeight;  // low two bits of the sensor byte: 1 or 2
    int scrollFlag = 1;             // 2 when bit 6 of the sensor byte is set
    int dpiFlag = 0;
    std::optional<int> responseTime;  // 0-20
    std::optional<int> sleepLight;    // output dialect: a code of the page's list
    std::optional<BatteryState> battery;  // output dialect
    Rejections rejected;
};

// Table request: 0x51 0x07 (21 bytes) or 0xB3 0x06 (65 bytes).
Packet ReadPerformanceRequest(Dialect d);

// `workMode` is the mode the mouse last reported (0 cable, 1/3/4 receiver, 2
// Bluetooth); any other leaves the DPI level and rate unread. `levelCount` is the
// stored number of DPI levels. Empty when the answer is not a performance block.
std::optional<PerformanceReadBack> DecodePerformance(Dialect d, Bytes answer, int workMode, int levelCount);

// The sleep-time codes the output dialect's list offers.
bool IsSleepCode(int code);

}  // namespace codec
