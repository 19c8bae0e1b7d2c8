#pragma once
// The firmware version answers of the first chip family's mice and receivers.
#include "SimWorld.h"

namespace sim {

// Feature report 0x51 answering 0x51 0x04 with `selector` in byte 2: 0 asks the mouse,
// 0xAA the receiver's version, 0xBB its second text; byte 2 of the answer is the
// text's length (0: none). A wired mouse has no receiver texts.
Bytes FeatureVersionAnswer(const Device& device, std::uint8_t selector);
// The output dialect's 64-byte answer to 0xB5 0x04 (report id and byte 1 as the
// device's other answers): three length-prefixed texts at 2, 22 and 42.
Bytes OutputVersionAnswer(const Device& device);
// Whether the receiver answers this version query itself, mouse or no mouse.
bool ReceiverAnswersVersion(const Device& device, std::uint8_t selector);

}  // namespace sim
