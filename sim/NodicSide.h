#pragma once
// What a second-family mouse says on its own: its status block, sent when its
// state changes (a DPI button pressed), routed when it sits behind its receiver.
#include "SimWorld.h"

namespace sim {

Bytes NodicStateFrame(World& world, const Device& device);
// The factory DPI button: the next active level, reported as a state frame.
bool NodicButtonPressed(World& world, Device& device);

}  // namespace sim
