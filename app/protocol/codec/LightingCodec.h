#pragma once
// Lighting: the packets that set the active mode and its values, and the
// feature dialect's six lighting reads. Answer byte 2 + m belongs to mode m.
#include <array>
#include <optional>
#include <vector>

#include "LightRecord.h"
#include "Packet.h"

namespace codec {

inline constexpr int kMaxLightMode = 10;
inline constexpr int kLightAnswerModes = 6;  // answer bytes 2-7: modes 0-5
inline constexpr int kColourFunction = 0x10;  // config_func bit of a mode that uses a colour

// Feature dialect: 0x51 0x22 (byte 2 = 1, byte 3 mode); for a mode above 0 with a
// record also 0x23 brightness, 0x27 speed and, when the mode uses a colour, 0x28
// with red, green, blue. Output dialect: one 0xB5 0x24 with byte 2 mode and, for a
// mode above 0 with a record, byte 3 brightness, byte 4 speed, bytes 5-7 colour.
// `record` is the profile's record of that mode, null when there is none.
// Empty for a mode outside 0-10, which the mouse does not have.
std::vector<Packet> LightingPackets(Dialect d, int mode, const LightRecord* record);

// The feature dialect's lighting reads (0x51 0x12-0x17, 21 bytes).
enum class LightRead : std::uint8_t {
    kMode = 0x12,
    kBrightness = 0x13,
    kColourLow = 0x14,
    kColourMiddle = 0x15,
    kColourHigh = 0x16,
    kSpeed = 0x17,
};
// The order the reads are made in.
inline constexpr LightRead kLightReadOrder[] = {LightRead::kMode, LightRead::kBrightness, LightRead::kSpeed,
                                                LightRead::kColourLow, LightRead::kColourMiddle,
                                                LightRead::kColourHigh};
Packet ReadLightingRequest(LightRead read);

// Answer of 0x51 0x12: the active mode in byte 4; empty for a mode above 10 or no answer.
std::optional<int> DecodeActiveLightMode(Bytes answer);

// Answers of 0x51 0x13-0x17: one byte per mode (bytes 2-7 for modes 0-5).
using LightModeBytes = std::array<int, kLightAnswerModes>;
std::optional<LightModeBytes> DecodeLightModeBytes(Bytes answer);

// Colour of each mode as a COLORREF from the three colour answers (red, green, blue).
LightModeBytes CombineColours(const LightModeBytes& low, const LightModeBytes& middle, const LightModeBytes& high);

}  // namespace codec
