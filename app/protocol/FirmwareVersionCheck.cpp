#include "FirmwareVersionCheck.h"

#include "FeatureVersion.h"
#include "NodicVersionRead.h"
#include "OutputVersion.h"

FirmwareVersions CheckFirmware(DeviceDialect& dialect, int connectMode, const ShippedFirmware& shipped) {
    if (auto* feature = dynamic_cast<FeatureDialect*>(&dialect)) return CheckFirmwareVersions(*feature, connectMode, shipped);
    if (auto* output = dynamic_cast<OutputDialect*>(&dialect)) return ShowOutputVersions(*output, connectMode);
    if (auto* nodic = dynamic_cast<NodicDialect*>(&dialect)) return ShowNodicVersions(*nodic, connectMode);
    return FirmwareVersions{};
}
