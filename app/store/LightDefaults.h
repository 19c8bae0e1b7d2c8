#pragma once
// The four lighting modes a profile of a model with lighting starts with.
#include <vector>

#include "LightRecord.h"

std::vector<LightRecord> DefaultLights(int profile, int deviceType);
