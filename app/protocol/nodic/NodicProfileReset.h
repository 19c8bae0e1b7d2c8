#pragma once
// The two-byte writes that select a profile and give functions back: object 2
// (profile), object 9 operation 2 (buttons to factory functions) and object 9
// operation 0xFF (factory reset).
#include <array>
#include <optional>

#include "NodicCommands.h"
#include "NodicKeyCode.h"

namespace nodic {

inline constexpr int kAllButtons = 0xFF;  // restore every button at once

using TwoBytes = std::array<std::uint8_t, 2>;

// Byte 4 = profile - 1. Empty for a profile outside 1-5, which the mouse does not have.
std::optional<TwoBytes> BuildProfileSelect(int profile);
// Byte 4 = button index 0-11, or 0xFF for all buttons; empty for any other index.
std::optional<TwoBytes> BuildRestoreButtons(int button);
// Two zero bytes.
TwoBytes BuildFactoryReset();

}  // namespace nodic
