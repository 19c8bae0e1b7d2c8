#pragma once
// The one interface through which the device worker (and mirevoctl) talks to the
// current model's mouse, whatever its dialect. MakeDialect chooses the dialect once,
// from the model's device_type; each command is one virtual operation that every
// dialect implements with its own packets and transfers (FeatureDialect,
// OutputDialect, NodicDialect).
#include <memory>

#include "HidDeviceManager.h"
#include "ProtocolFamily.h"

// What the mouse says about itself.
struct DeviceStatus {
    bool mouseConnected = true;  // false when the receiver reports its mouse asleep or gone
    int battery = -1;            // percent; -1 when the mouse reports no level
    bool charging = false;
};

class DeviceDialect {
public:
    virtual ~DeviceDialect() = default;
    virtual ProtocolFamily Family() const = 0;

    // Battery, charging and whether the mouse is reachable. False when it did not
    // answer; `status` is then left as it was.
    virtual bool ReadStatus(DeviceStatus& status) = 0;
};

std::unique_ptr<DeviceDialect> MakeDialect(HidDeviceManager& manager, int deviceType);
