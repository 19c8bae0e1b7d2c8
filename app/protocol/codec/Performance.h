#pragma once
// The performance settings of one profile as the first chip family's commands
// carry them: DPI levels, report rate, sensor switches, response and sleep time.
#include <array>
#include <optional>

namespace codec {

inline constexpr int kDpiLevels = 5;
inline constexpr int kMaxRateCode = 5;       // 125, 500, 1000, 2000, 4000, 8000 Hz
inline constexpr int kMaxResponseTime = 20;

struct DpiLevels {
    int index = 1;  // current level, 0-based
    int count = 5;  // active levels, 1-5
    std::array<int, kDpiLevels> values{400, 800, 1600, 3200, 4800};
};

struct SensorSettings {
    int liftoffHeight = 1;  // 1 or 2
    int sensorFlag = 53;    // switches in bits 2, 3 and 4
    int scrollFlag = 1;     // 2 = reversed
    int esportsFlag = 0;    // 2 = on; anything else is off
};

struct PerformanceSettings {
    DpiLevels dpi;
    int reportRate = 3;
    SensorSettings sensor;
    int responseTime = 8;
    int sleepLight = 2;
};

// How the mouse is connected, which picks the per-connection slot of the DPI level
// and report rate: byte 2 cable, 3 receiver, 4 Bluetooth in commands; bytes 3, 4, 5
// in the performance read-back.
enum class Link { kWired, kReceiver, kBluetooth };

// Connection modes 0 (cable), 1, 3, 4 (receivers) and 2 (Bluetooth); empty for any other.
std::optional<Link> LinkOfMode(int connectMode);

}  // namespace codec
