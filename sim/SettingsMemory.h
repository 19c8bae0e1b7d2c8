#pragma once
// The mouse's side of the performance, profile, reset and lighting commands of
// the first chip family, in both dialects: what the mouse keeps from each write,
// and the answers of its performance and lighting reads. How a command is
// acknowledged is the dialect file's business.
#include "SimWorld.h"

namespace sim {

// A feature report 0x51 0x0B / 0x22 / 0x23 / 0x27 / 0x28 / 0x40-0x43 or 0x52 0x57.
// False for any other command.
bool FeatureSettingsWrite(MouseMemory& memory, const DeviceSetup& setup, const Bytes& report);
// Fills the answer of 0x51 0x07 and 0x51 0x12-0x17 from byte 2 on (`answer` holds
// the report id and byte 1 already). False for any other request.
bool FeatureSettingsAnswer(const MouseMemory& memory, const DeviceSetup& setup, const Bytes& request, Bytes& answer);

// An output report 0xB5 0x0A / 0x0F / 0x24 / 0x40-0x43. False for any other command.
bool OutputSettingsWrite(MouseMemory& memory, const DeviceSetup& setup, const Bytes& report);
// The answer of 0xB3 0x06 from byte 2 on: profile, performance block, sleep time and
// battery. False for any other request.
bool OutputSettingsAnswer(const MouseMemory& memory, const DeviceSetup& setup, const Bytes& request, Bytes& answer);

// What the mouse's factory reset and its parts reset restore.
void FactoryResetMemory(MouseMemory& memory);
void ResetProfileParts(ProfileMemory& profile, int mask);

}  // namespace sim
