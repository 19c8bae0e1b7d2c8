#pragma once
// Which Battery Service interface belongs to our mouse. A Bluetooth LE interface path
// carries the device's ids as "..._DEV_VID&02248A_PID&5B02_REV...", so the vendor id
// followed by "_PID" picks out the maker's devices, and the product id the model.
#include <vector>

#include "CString.h"
#include "DeviceModeEntry.h"

// The piece an upper-cased interface path must contain: "248A_PID&5B02" for a model
// whose Bluetooth entry (mode 2) names its ids, else "248A_PID" (any of the maker's
// devices) for the vendor of the model's other entries.
CString BatteryServiceMatch(const std::vector<DeviceModeEntry>& modelModes);

// True when `path` (any case) contains `match`.
bool PathMatches(const CString& path, const CString& match);
