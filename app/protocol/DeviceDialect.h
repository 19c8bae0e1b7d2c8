#pragma once
// The one interface through which the device worker (and mirevoctl) talks to the
// current model's mouse, whatever its dialect. MakeDialect chooses the dialect once,
// from the model's device_type; each command is one virtual operation that every
// dialect implements with its own packets and transfers (FeatureDialect,
// OutputDialect, NodicDialect).
#include <memory>

#include "DeviceSession.h"
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

    // The device tasks. Each runs the whole command sequence of its task against
    // the session's store and reports through its listener; true when every
    // transfer it needed succeeded. A failed transfer is traced; whether the
    // sequence goes on is the operation's rule. A task the dialect has no
    // command for sends nothing and returns true; the defaults below are for
    // tasks that no dialect can do without its own sequence, and refuse.
    virtual bool ReadEverything(DeviceSession& session);             // tasks 1, 2, 4
    virtual bool ApplyProfile(DeviceSession& session);               // task 5
    virtual bool WriteButton(DeviceSession& session, int button);    // task 6
    virtual bool RestoreButton(DeviceSession& session, int button);  // task 7
    virtual bool WriteLighting(DeviceSession& session);              // task 8
    virtual bool WriteDpi(DeviceSession& session);                   // task 9
    virtual bool WriteReportRate(DeviceSession& session);            // task 10
    virtual bool WriteSensor(DeviceSession& session);                // task 11
    virtual bool WriteSleepTime(DeviceSession& session);             // task 12
    virtual bool WriteResponseTime(DeviceSession& session);          // task 13
    virtual bool ResetParts(DeviceSession& session, int mask);       // task 15
    virtual bool FactoryReset(DeviceSession& session);               // task 16
    virtual bool ApplyEverything(DeviceSession& session);            // task 17
    // The idle poll: at most one notification read, handled into the store and
    // reported. False when the mouse could not be polled.
    virtual bool PollNotifications(DeviceSession& session);
};

std::unique_ptr<DeviceDialect> MakeDialect(HidDeviceManager& manager, int deviceType);
