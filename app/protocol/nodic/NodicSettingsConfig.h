#pragma once
// The configuration keys behind the sensor and system blocks: the settings a
// write sends, read from the current profile, and the configuration writes a
// read-back makes.
#include <vector>

#include "NodicSensorBlock.h"
#include "NodicSystemBlock.h"
#include "PerformanceConfig.h"

namespace nodic {

namespace keys {
inline constexpr const wchar_t* kAngle = L"angle_tunability";
inline constexpr const wchar_t* kAngleSwitch = L"angle_tunability_switch";
}  // namespace keys

// A key without a stored value counts as 0, as the mouse is then sent.
SensorSettings SensorSettingsFromConfig(const codec::ConfigLookup& lookup);
SystemSettings SystemSettingsFromConfig(const codec::ConfigLookup& lookup);

// Every value that passed its check; dpi_count is also stored as dpi_flag, and a
// reported angle also sets angle_tunability_switch (1 when not zero).
std::vector<codec::ConfigValue> ConfigValuesOf(const SensorReadBack& readBack);
std::vector<codec::ConfigValue> ConfigValuesOf(const SystemReadBack& readBack);

}  // namespace nodic
