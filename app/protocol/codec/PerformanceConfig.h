#pragma once
// The configuration keys that hold a profile's performance settings, and the
// conversions between them and what the commands carry. The first family's DPI
// values live in the X keys (dpi_x_groupN_value); a value read from the mouse is
// stored into both the X and the Y key of its level.
#include <functional>
#include <optional>
#include <vector>

#include "CString.h"
#include "Performance.h"
#include "PerformanceReadBack.h"

namespace codec::keys {

inline constexpr const wchar_t* kDpiIndex = L"dpi_index";
inline constexpr const wchar_t* kDpiCount = L"dpi_count";
inline constexpr const wchar_t* kReportRate = L"report_rate";
inline constexpr const wchar_t* kSensorFlag = L"sensor_flag";
inline constexpr const wchar_t* kLiftoffHeight = L"liftoff_height";
inline constexpr const wchar_t* kScrollFlag = L"scroll_flag";
inline constexpr const wchar_t* kEsportsFlag = L"e-sports_flag";
inline constexpr const wchar_t* kResponseTime = L"button_respondtime";
inline constexpr const wchar_t* kSleepLight = L"sleep_light";
inline constexpr const wchar_t* kDpiFlag = L"dpi_flag";

CString DpiX(int level);  // dpi_x_group<level>_value
CString DpiY(int level);  // dpi_y_group<level>_value

}  // namespace codec::keys

namespace codec {

// Reads one stored value of the profile; empty when the key has no row.
using ConfigLookup = std::function<std::optional<int>(const CString& key)>;

// The settings the commands send; a key without a row keeps the value of `fallback`.
PerformanceSettings SettingsFromConfig(const ConfigLookup& lookup, const PerformanceSettings& fallback);

struct ConfigValue {
    CString key;
    int value = 0;

    friend bool operator==(const ConfigValue&, const ConfigValue&) = default;
};

// The configuration writes a read-back makes: each value that passed its check.
// The current profile of the output dialect is not a configuration value and is
// left to the caller.
std::vector<ConfigValue> ConfigValuesOf(const PerformanceReadBack& readBack);

}  // namespace codec
