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

// A dialect that has not learnt a task refuses it: nothing is sent, and the
// caller sees a failure rather than a success that changed nothing.
bool DeviceDialect::ReadEverything(DeviceSession&) { return false; }
bool DeviceDialect::ApplyProfile(DeviceSession&) { return false; }
bool DeviceDialect::WriteButton(DeviceSession&, int) { return false; }
bool DeviceDialect::RestoreButton(DeviceSession&, int) { return false; }
bool DeviceDialect::WriteLighting(DeviceSession&) { return false; }
bool DeviceDialect::WriteDpi(DeviceSession&) { return false; }
bool DeviceDialect::WriteReportRate(DeviceSession&) { return false; }
bool DeviceDialect::WriteSensor(DeviceSession&) { return false; }
bool DeviceDialect::WriteSleepTime(DeviceSession&) { return false; }
bool DeviceDialect::WriteResponseTime(DeviceSession&) { return false; }
bool DeviceDialect::ResetParts(DeviceSession&, int) { return false; }
bool DeviceDialect::FactoryReset(DeviceSession&) { return false; }
bool DeviceDialect::ApplyEverything(DeviceSession&) { return false; }
bool DeviceDialect::PollNotifications(DeviceSession&) { return false; }
