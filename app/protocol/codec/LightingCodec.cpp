#include "LightingCodec.h"

namespace codec {
namespace {

constexpr std::uint8_t kOutputLightCommand = 0x24;
constexpr std::uint8_t kModeCommand = 0x22;
constexpr std::uint8_t kBrightnessCommand = 0x23;
constexpr std::uint8_t kSpeedCommand = 0x27;
constexpr std::uint8_t kColourCommand = 0x28;

Packet FeatureLightPacket(std::uint8_t command, int mode) {
    Packet packet = SettingsPacket(Dialect::kFeature, command);
    packet.Set(2, 1);
    packet.Set(3, static_cast<std::uint8_t>(mode));
    return packet;
}

// COLORREF 0x00BBGGRR, least significant byte first: red, green, blue.
void SetColour(Packet& packet, std::size_t at, int colour) {
    packet.Set(at, static_cast<std::uint8_t>(colour & 0xFF));
    packet.Set(at + 1, static_cast<std::uint8_t>((colour >> 8) & 0xFF));
    packet.Set(at + 2, static_cast<std::uint8_t>((colour >> 16) & 0xFF));
}

}  // namespace

std::vector<Packet> LightingPackets(Dialect d, int mode, const LightRecord* record) {
    if (mode < 0 || mode > kMaxLightMode) return {};
    bool values = record && mode > 0;
    if (d == Dialect::kOutput) {
        Packet packet = SettingsPacket(d, kOutputLightCommand);
        packet.Set(2, static_cast<std::uint8_t>(mode));
        if (values) {
            packet.Set(3, ClampByte(record->brightness));
            packet.Set(4, ClampByte(record->speed));
            SetColour(packet, 5, record->color_value);
        }
        return {packet};
    }
    std::vector<Packet> packets = {FeatureLightPacket(kModeCommand, mode)};
    if (!values) return packets;
    Packet brightness = FeatureLightPacket(kBrightnessCommand, mode);
    brightness.Set(4, ClampByte(record->brightness));
    Packet speed = FeatureLightPacket(kSpeedCommand, mode);
    speed.Set(4, ClampByte(record->speed));
    packets.push_back(brightness);
    packets.push_back(speed);
    if (record->config_func & kColourFunction) {
        Packet colour = FeatureLightPacket(kColourCommand, mode);
        SetColour(colour, 4, record->color_value);
        packets.push_back(colour);
    }
    return packets;
}

Packet ReadLightingRequest(LightRead read) {
    return SettingsPacket(Dialect::kFeature, static_cast<std::uint8_t>(read));
}

std::optional<int> DecodeActiveLightMode(Bytes answer) {
    if (!IsAnswer(Dialect::kFeature, answer, kFeatureSettingsId, 5)) return std::nullopt;
    if (answer[4] > kMaxLightMode) return std::nullopt;
    return answer[4];
}

std::optional<LightModeBytes> DecodeLightModeBytes(Bytes answer) {
    if (!IsAnswer(Dialect::kFeature, answer, kFeatureSettingsId, 2 + kLightAnswerModes)) return std::nullopt;
    LightModeBytes values{};
    for (std::size_t m = 0; m < values.size(); ++m) values[m] = answer[2 + m];
    return values;
}

LightModeBytes CombineColours(const LightModeBytes& low, const LightModeBytes& middle, const LightModeBytes& high) {
    LightModeBytes colours{};
    for (std::size_t m = 0; m < colours.size(); ++m) colours[m] = low[m] | (middle[m] << 8) | (high[m] << 16);
    return colours;
}

}  // namespace codec
