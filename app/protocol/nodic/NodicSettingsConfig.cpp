#include "NodicSettingsConfig.h"

namespace nodic {
namespace {

using codec::ConfigValue;
namespace ck = codec::keys;

int ValueOr0(const codec::ConfigLookup& lookup, const CString& key) {
    if (!lookup) return 0;
    return lookup(key).value_or(0);
}

void Add(std::vector<ConfigValue>& values, const CString& key, const std::optional<int>& value) {
    if (value) values.push_back({key, *value});
}

}  // namespace

SensorSettings SensorSettingsFromConfig(const codec::ConfigLookup& lookup) {
    SensorSettings s;
    s.sensorFlag = ValueOr0(lookup, ck::kSensorFlag);
    s.esportsFlag = ValueOr0(lookup, ck::kEsportsFlag);
    s.liftoffHeight = ValueOr0(lookup, ck::kLiftoffHeight);
    s.angle = ValueOr0(lookup, keys::kAngle);
    s.dpiIndex = ValueOr0(lookup, ck::kDpiIndex);
    s.dpiCount = ValueOr0(lookup, ck::kDpiCount);
    for (int i = 0; i < kDpiLevels; ++i) {
        s.dpiX[static_cast<std::size_t>(i)] = ValueOr0(lookup, ck::DpiX(i));
        s.dpiY[static_cast<std::size_t>(i)] = ValueOr0(lookup, ck::DpiY(i));
    }
    return s;
}

SystemSettings SystemSettingsFromConfig(const codec::ConfigLookup& lookup) {
    SystemSettings s;
    s.sleepLight = ValueOr0(lookup, ck::kSleepLight);
    s.reportRate = ValueOr0(lookup, ck::kReportRate);
    s.responseTime = ValueOr0(lookup, ck::kResponseTime);
    s.scrollFlag = ValueOr0(lookup, ck::kScrollFlag);
    return s;
}

std::vector<ConfigValue> ConfigValuesOf(const SensorReadBack& r) {
    std::vector<ConfigValue> values;
    Add(values, ck::kSensorFlag, r.sensorFlag);
    Add(values, ck::kEsportsFlag, r.esportsFlag);
    Add(values, ck::kLiftoffHeight, r.liftoffHeight);
    if (r.angle) {
        Add(values, keys::kAngle, r.angle);
        Add(values, keys::kAngleSwitch, *r.angle != 0 ? 1 : 0);
    }
    Add(values, ck::kDpiIndex, r.dpiIndex);
    Add(values, ck::kDpiFlag, r.dpiCount);
    Add(values, ck::kDpiCount, r.dpiCount);
    for (int i = 0; i < kDpiLevels; ++i) {
        Add(values, ck::DpiX(i), r.dpiX[static_cast<std::size_t>(i)]);
        Add(values, ck::DpiY(i), r.dpiY[static_cast<std::size_t>(i)]);
    }
    return values;
}

std::vector<ConfigValue> ConfigValuesOf(const SystemReadBack& r) {
    std::vector<ConfigValue> values;
    Add(values, ck::kReportRate, r.reportRate);
    Add(values, ck::kSleepLight, r.sleepLight);
    Add(values, ck::kResponseTime, r.responseTime);
    Add(values, ck::kScrollFlag, r.scrollFlag);
    return values;
}

}  // namespace nodic
