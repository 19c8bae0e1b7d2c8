#pragma once
// 0x52 0x57 (feature dialect only): a whole profile in one packet, the way the
// feature dialect switches profiles. Its button table has 11 four-byte slots;
// functions that do not fit there (macros, type 7, the Alt+Tab shortcut) and
// buttons that find no free slot follow as single commands.
#include <optional>
#include <span>
#include <vector>

#include "KeyAssignment.h"
#include "Packet.h"
#include "Performance.h"

namespace codec {

inline constexpr int kProfileSlots = 11;
inline constexpr int kProfileTableButtons = 16;  // buttons 0-15 are considered for the table
inline constexpr int kProfileButtons = 18;       // buttons 0-17 are visited afterwards

// What follows the packet, in button order.
struct ProfileFollowUp {
    enum Kind {
        kUploadMacro,  // macro body and name (type 4)
        kWriteButton,  // the single-button command 0x52 0x52
    };
    int button = 0;
    Kind kind = kWriteButton;

    friend bool operator==(const ProfileFollowUp&, const ProfileFollowUp&) = default;
};

struct WholeProfile {
    Packet packet;
    std::vector<ProfileFollowUp> followUps;
    std::vector<int> refused;  // buttons whose stored type has no code (traced, never sent)
};

// `buttons` holds the profile's assignments (factory records merged with stored
// ones), at most one per key_code. Empty for a profile outside 1-5.
// Byte 2 profile - 1; bytes 3-5 rate * 16 + level; bytes 6-15 the DPI values;
// byte 17 the sensor byte; byte 18 the response time; bytes 20-63 the slots, each
// (button * 16 + type, code bytes 1-3), empty slots 0xF0 0 0 0.
std::optional<WholeProfile> BuildWholeProfile(int profile, const PerformanceSettings& settings,
                                              std::span<const KeyAssignment> buttons);

// Byte 17: lift-off height, plus the switch bits 4, 8, 16 of the sensor flag, plus
// 0x40 for reversed scrolling and 0x80 for e-sports mode.
std::uint8_t SensorByte(const SensorSettings& sensor);

}  // namespace codec
