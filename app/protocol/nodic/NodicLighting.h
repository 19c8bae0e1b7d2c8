#pragma once
// Lighting of the second family: the mouse numbers the lighting modes its own
// way; the parameters of the active mode go as one block (object 5, operation 4)
// and the mode is then made current (operation 5).
#include <array>
#include <optional>

#include "LightRecord.h"
#include "NodicCommands.h"
#include "NodicData.h"

namespace nodic {

// Mode 0 -> code 3, 1 -> 0, 2 -> 2, 3 -> 1; any other mode -> 3.
int LightCodeOfMode(int mode);
// Code 0 -> mode 1, 1 -> 3, 2 -> 2; any other code -> mode 0.
int LightModeOfCode(int code);

// Brightness as the mouse takes it (0-5): 0-5 go unchanged, larger values are read
// on the 0-255 scale (capped at 255) and scaled down, negative values give 0.
int LightLevelOfBrightness(int brightness);

using LightParameters = std::array<std::uint8_t, command::kLightParameters.length>;  // frame bytes 4-32
using LightModeSelect = std::array<std::uint8_t, command::kLightMode.length>;        // frame bytes 4-5

// The parameters of the record's mode: code, colour use, speed (0-4),
// brightness, direction, colour and the mouse's fixed tables.
LightParameters BuildLightParameters(const LightRecord& record);
LightModeSelect BuildLightModeSelect(int mode);

// Answer of the lighting-state read: the current mode, when valid with at least 3 data bytes.
std::optional<int> DecodeLightState(const Answer& answer);

}  // namespace nodic
