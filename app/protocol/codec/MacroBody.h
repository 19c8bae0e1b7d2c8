#pragma once
// The macro body the mouse plays: a 6-byte header from the MacroHeader and one
// 4-byte event per step, assembled in the mouse's 1024-byte macro area.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "MacroRecords.h"

namespace codec {

enum MacroStepType {
    kStepDelay = 1,
    kStepKeyDown = 2,
    kStepKeyUp = 3,
    kStepButtonDown = 4,
    kStepButtonUp = 5,
    kStepWheelUp = 6,
    kStepWheelDown = 7,
    kStepMoveUp = 8,
    kStepMoveDown = 9,
    kStepMoveLeft = 10,
    kStepMoveRight = 11,
    kStepMoveBy = 12,
};

inline constexpr std::size_t kMacroAreaSize = 1024;
inline constexpr std::size_t kMacroHeaderSize = 6;
inline constexpr std::size_t kMacroEventSize = 4;
inline constexpr int kMaxMacroEvents = static_cast<int>((kMacroAreaSize - kMacroHeaderSize) / kMacroEventSize);  // 254
inline constexpr int kMaxPlayTimes = 0x1FFF;  // 13 bits: the rest of byte 2 is the play type

using MacroEvent = std::array<std::uint8_t, kMacroEventSize>;

// One step as the mouse plays it. Amounts that do not fit a signed byte are
// clamped to -128..127, delays to 0..65535; unknown step types give 0 0 0 0.
MacroEvent EncodeMacroEvent(const MacroStep& step);

struct MacroBody {
    std::vector<std::uint8_t> bytes;  // 6 + 4 * events
    int events = 0;
    int dropped = 0;  // steps past the 254 that fit, left out (the caller traces them)
};

// Steps are taken in record_index order whatever order they come in.
MacroBody BuildMacroBody(const MacroHeader& header, std::span<const MacroStep> steps);

}  // namespace codec
