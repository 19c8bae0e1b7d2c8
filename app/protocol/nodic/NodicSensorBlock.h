#pragma once
// The sensor block (object 4, read with operation 1, written with operation 2):
// sensor switches, e-sports mode, lift-off height, angle snapping and six DPI
// levels. Bytes 8-10 and 39-56 mean nothing to the program and go back to the
// mouse as it sent them, which is why a write starts from a block that was read.
#include <array>
#include <optional>

#include "NodicCommands.h"
#include "NodicData.h"
#include "Rejected.h"

namespace nodic {

inline constexpr int kDpiLevels = 6;
inline constexpr int kMaxDpiIndex = kDpiLevels - 1;
inline constexpr int kMaxAngle = 30;

// Bits of sensor_flag and the block bytes that switch them.
inline constexpr int kSensorBit3 = 8;   // byte 4
inline constexpr int kSensorBit2 = 4;   // byte 5
inline constexpr int kSensorBit4 = 16;  // byte 6

// The stored values the block carries.
struct SensorSettings {
    int sensorFlag = 0;   // switches in bits 2, 3 and 4
    int esportsFlag = 1;  // 2 on; anything else off
    int liftoffHeight = 0;
    int angle = 0;        // angle snapping, sent clamped to -30..30
    int dpiIndex = 0;     // current level, 0-based
    int dpiCount = 0;     // active levels 1-6; any other count keeps the mouse's mask
    std::array<int, kDpiLevels> dpiX{};
    std::array<int, kDpiLevels> dpiY{};

    friend bool operator==(const SensorSettings&, const SensorSettings&) = default;
};

// What a sensor block reports. Values out of range are left out and listed in
// `rejected`; a value the answer is too short to carry is left out silently.
struct SensorReadBack {
    int sensorFlag = 0;
    int esportsFlag = 1;
    int liftoffHeight = 0;
    std::optional<int> angle;     // -30..30
    std::optional<int> dpiIndex;  // 0-5 and below the level count
    std::optional<int> dpiCount;  // 1-6
    std::array<std::optional<int>, kDpiLevels> dpiX{};  // non-zero
    std::array<std::optional<int>, kDpiLevels> dpiY{};
    codec::Rejections rejected;
};

using SensorWrite = std::array<std::uint8_t, command::kSensorWrite.length>;  // frame bytes 4-56

class SensorBlock {
public:
    // Empty unless the answer is valid with at least 11 data bytes.
    static std::optional<SensorBlock> FromAnswer(const Answer& answer);

    SensorReadBack Decode() const;
    // The block as read with the settings laid over it; values that do not fit
    // their bytes are clamped.
    SensorWrite Write(const SensorSettings& settings) const;

private:
    explicit SensorBlock(ReadBlock block) : m_block(block) {}
    ReadBlock m_block;
};

// Empty when no block was read: the write is then not sent at all.
std::optional<SensorWrite> BuildSensorWrite(const std::optional<SensorBlock>& cached, const SensorSettings& settings);

// Mask of active levels: 1 -> 0x01 ... 6 -> 0x3F; 0 for any other count.
int DpiMaskOfCount(int count);
// Position (1-6) of the highest set bit among bits 0-5; 0 when none is set.
int DpiCountOfMask(int mask);

}  // namespace nodic
