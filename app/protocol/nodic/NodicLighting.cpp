#include "NodicLighting.h"

#include "Packet.h"

namespace nodic {
namespace {

constexpr int kColourFunction = 0x10;  // config_func bit of a mode that uses its colour
constexpr std::uint8_t kUsesColour = 7;
constexpr std::uint8_t kNoColour = 0xFF;
constexpr int kMaxSpeed = 4;
constexpr int kMaxLevel = 5;

// Fixed tables the mouse expects after the colour (their meaning is its own).
constexpr std::uint8_t kLevelSteps[] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};  // bytes 17-22
constexpr int kTimings[] = {1000, 4500, 8000, 11500, 15000};                   // bytes 23-32

}  // namespace

int LightCodeOfMode(int mode) {
    switch (mode) {
    case 1: return 0;
    case 2: return 2;
    case 3: return 1;
    default: return 3;
    }
}

int LightModeOfCode(int code) {
    switch (code) {
    case 0: return 1;
    case 1: return 3;
    case 2: return 2;
    default: return 0;
    }
}

int LightLevelOfBrightness(int brightness) {
    if (brightness <= 0) return 0;
    if (brightness <= kMaxLevel) return brightness;
    int b = brightness > 255 ? 255 : brightness;
    return (b * kMaxLevel + 127) / 255;
}

LightParameters BuildLightParameters(const LightRecord& r) {
    LightParameters out{};
    auto code = static_cast<std::uint8_t>(LightCodeOfMode(r.mode));
    out[At(4)] = code;
    out[At(5)] = code;
    out[At(6)] = (r.config_func & kColourFunction) != 0 ? kUsesColour : kNoColour;
    out[At(7)] = static_cast<std::uint8_t>(codec::Clamp(r.speed, 0, kMaxSpeed));
    out[At(8)] = static_cast<std::uint8_t>(LightLevelOfBrightness(r.brightness));
    out[At(9)] = codec::ClampByte(r.direction);
    auto colour = static_cast<unsigned>(r.color_value);  // COLORREF 0x00BBGGRR
    out[At(11)] = static_cast<std::uint8_t>(colour & 0xFF);
    out[At(12)] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    out[At(13)] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    for (std::size_t i = 0; i < std::size(kLevelSteps); ++i) out[At(17) + i] = kLevelSteps[i];
    for (std::size_t i = 0; i < std::size(kTimings); ++i) PutLe16(out, 23 + 2 * i, kTimings[i]);
    return out;
}

LightModeSelect BuildLightModeSelect(int mode) {
    return LightModeSelect{static_cast<std::uint8_t>(LightCodeOfMode(mode)), 0};
}

std::optional<int> DecodeLightState(const Answer& a) {
    if (!a.Valid(command::kLightingState.minAnswer)) return std::nullopt;
    return LightModeOfCode(a.Byte(6));
}

}  // namespace nodic
