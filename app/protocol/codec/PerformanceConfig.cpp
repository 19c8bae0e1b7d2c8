#include "PerformanceConfig.h"

#include <string>

namespace codec {
namespace keys {

CString DpiX(int level) { return CString(L"dpi_x_group" + std::to_wstring(level) + L"_value"); }
CString DpiY(int level) { return CString(L"dpi_y_group" + std::to_wstring(level) + L"_value"); }

}  // namespace keys

PerformanceSettings SettingsFromConfig(const ConfigLookup& lookup, const PerformanceSettings& fallback) {
    PerformanceSettings s = fallback;
    if (!lookup) return s;
    auto read = [&](const CString& key, int& target) {
        if (std::optional<int> value = lookup(key)) target = *value;
    };
    read(keys::kDpiIndex, s.dpi.index);
    read(keys::kDpiCount, s.dpi.count);
    for (int i = 0; i < kDpiLevels; ++i) read(keys::DpiX(i), s.dpi.values[static_cast<std::size_t>(i)]);
    read(keys::kReportRate, s.reportRate);
    read(keys::kSensorFlag, s.sensor.sensorFlag);
    read(keys::kLiftoffHeight, s.sensor.liftoffHeight);
    read(keys::kScrollFlag, s.sensor.scrollFlag);
    read(keys::kEsportsFlag, s.sensor.esportsFlag);
    read(keys::kResponseTime, s.responseTime);
    read(keys::kSleepLight, s.sleepLight);
    return s;
}

std::vector<ConfigValue> ConfigValuesOf(const PerformanceReadBack& r) {
    std::vector<ConfigValue> values;
    auto add = [&](const CString& key, const std::optional<int>& value) {
        if (value) values.push_back({key, *value});
    };
    add(keys::kDpiIndex, r.dpiIndex);
    add(keys::kReportRate, r.reportRate);
    for (int i = 0; i < kDpiLevels; ++i) {
        add(keys::DpiX(i), r.dpi[static_cast<std::size_t>(i)]);
        add(keys::DpiY(i), r.dpi[static_cast<std::size_t>(i)]);
    }
    add(keys::kSensorFlag, r.sensorFlag);
    add(keys::kLiftoffHeight, r.liftoffHeight);
    add(keys::kScrollFlag, r.scrollFlag);
    add(keys::kDpiFlag, r.dpiFlag);
    add(keys::kResponseTime, r.responseTime);
    add(keys::kSleepLight, r.sleepLight);
    return values;
}

}  // namespace codec
