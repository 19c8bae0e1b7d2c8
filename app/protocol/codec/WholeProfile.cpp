#include "WholeProfile.h"

#include "ButtonCode.h"
#include "PerformancePackets.h"

namespace codec {
namespace {

constexpr std::uint8_t kWholeProfileCommand = 0x57;
constexpr std::size_t kTableStart = 20;
constexpr std::uint8_t kEmptySlot = 0xF0;

const KeyAssignment* FindButton(std::span<const KeyAssignment> buttons, int button) {
    for (const KeyAssignment& a : buttons) {
        if (a.key_code == button) return &a;
    }
    return nullptr;
}

}  // namespace

std::uint8_t SensorByte(const SensorSettings& s) {
    int byte = Clamp(s.liftoffHeight, 0, 3) | (s.sensorFlag & (4 | 8 | 16));
    if (s.scrollFlag == 2) byte |= 0x40;
    if (s.esportsFlag == 2) byte |= 0x80;
    return static_cast<std::uint8_t>(byte);
}

std::optional<WholeProfile> BuildWholeProfile(int profile, const PerformanceSettings& settings,
                                              std::span<const KeyAssignment> buttons) {
    if (profile < 1 || profile > 5) return std::nullopt;
    WholeProfile result;
    Packet& packet = result.packet;
    packet = BulkPacket(Dialect::kFeature, kWholeProfileCommand);
    packet.Set(2, static_cast<std::uint8_t>(profile - 1));
    auto rateAndLevel = static_cast<std::uint8_t>(ClampedRate(settings.reportRate) * 16 + ClampedLevel(settings.dpi));
    for (std::size_t i = 3; i <= 5; ++i) packet.Set(i, rateAndLevel);
    for (std::size_t i = 0; i < kDpiLevels; ++i) packet.SetLe16(6 + 2 * i, settings.dpi.values[i]);
    packet.Set(17, SensorByte(settings.sensor));
    packet.Set(18, static_cast<std::uint8_t>(Clamp(settings.responseTime, 0, kMaxResponseTime)));

    for (int slot = 0; slot < kProfileSlots; ++slot) packet.Set(kTableStart + 4 * static_cast<std::size_t>(slot), kEmptySlot);

    // Buttons the table cannot carry: the slot-less functions, and ordinary ones
    // that come too late for a slot. Both are written singly afterwards, so a
    // profile switch never leaves a button with the previous profile's function.
    bool single[kProfileButtons] = {};
    int used = 0;
    for (int button = 0; button < kProfileButtons; ++button) {
        const KeyAssignment* a = FindButton(buttons, button);
        if (!a) continue;
        ButtonFunction function = FunctionOf(*a);
        if (function.type == kFunctionMacro) continue;
        std::optional<ButtonCode> code = EncodeButtonFunction(function);
        if (!code) {
            result.refused.push_back(button);
            continue;
        }
        if (!FitsProfileSlot(function) || button >= kProfileTableButtons || used == kProfileSlots) {
            single[button] = true;
            continue;
        }
        std::size_t at = kTableStart + 4 * static_cast<std::size_t>(used++);
        packet.Set(at, static_cast<std::uint8_t>(button * 16 + (*code)[0]));
        packet.Set(at + 1, (*code)[1]);
        packet.Set(at + 2, (*code)[2]);
        packet.Set(at + 3, (*code)[3]);
    }

    for (int button = 0; button < kProfileButtons; ++button) {
        const KeyAssignment* a = FindButton(buttons, button);
        if (a && a->macro_type == kFunctionMacro) {
            result.followUps.push_back({button, ProfileFollowUp::kUploadMacro});
        } else if (single[button]) {
            result.followUps.push_back({button, ProfileFollowUp::kWriteButton});
        }
    }
    return result;
}

}  // namespace codec
