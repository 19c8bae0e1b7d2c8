#pragma once
// The mouse's side of the button and macro commands of the first chip family, in
// both dialects: the button table of the current profile, macro bodies reassembled
// from their packets or chunks, macro names, and the answers of the map, button
// and name reads. Only what the mouse keeps is decided here; how a command is
// acknowledged is the dialect file's business.
#include "SimWorld.h"

namespace sim {

// A feature report 0x52 0x52 / 0x53 / 0x54 / 0x55. False for any other command.
bool FeatureButtonWrite(MouseMemory& memory, const Bytes& report);
// Fills the answer of 0x52 0x61 / 0x62 / 0x63 from byte 2 on (`answer` holds the report
// id and byte 1 already). False for any other request.
bool FeatureButtonAnswer(const MouseMemory& memory, const Bytes& request, Bytes& answer);

// An output report 0xB3 0x52 / 0x53 / 0x54 / 0x71. False for any other command.
bool OutputButtonWrite(MouseMemory& memory, const Bytes& report);
// The answer of 0xB3 0x61 / 0x62 / 0x63 from byte 2 on; the map is listed in the
// form the scenario gives the mouse. False for any other request.
bool OutputButtonAnswer(const MouseMemory& memory, const DeviceSetup& setup, const Bytes& request, Bytes& answer);

}  // namespace sim
