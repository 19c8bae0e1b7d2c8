#include "DeviceDialect.h"

#include "FeatureDialect.h"
#include "NodicDialect.h"
#include "OutputDialect.h"

std::unique_ptr<DeviceDialect> MakeDialect(HidDeviceManager& manager, int deviceType) {
    switch (FamilyOf(deviceType)) {
    case ProtocolFamily::kSecondFamily: return std::make_unique<NodicDialect>(manager);
    case ProtocolFamily::kOutputReport: return std::make_unique<OutputDialect>(manager);
    case ProtocolFamily::kFeatureReport: break;
    }
    return std::make_unique<FeatureDialect>(manager);
}
