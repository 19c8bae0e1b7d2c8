#pragma once
// Reading a WM_DEVICECHANGE for a HID interface: the event and the
// DEV_BROADCAST_DEVICEINTERFACE_W record that comes with it. Kept apart from the
// window code so that every malformed record can be tried on any platform.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "CString.h"
#include "ConnectionTracker.h"

// The wparam events and the header type that concern us.
constexpr std::uintptr_t kDeviceArrivalEvent = 0x8000;         // DBT_DEVICEARRIVAL
constexpr std::uintptr_t kDeviceRemoveCompleteEvent = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
constexpr std::uint32_t kDeviceInterfaceRecordType = 5;        // DBT_DEVTYP_DEVICEINTERFACE

// Layout of DEV_BROADCAST_DEVICEINTERFACE_W: size, type, reserved (32 bits each), the
// class GUID, then the NUL-terminated UTF-16 path. Written out as offsets because
// wchar_t is not 16-bit everywhere.
constexpr std::size_t kDeviceInterfaceNameOffset = 28;

struct DeviceInterfaceChange {
    CString path;
    DeviceChange change = DeviceChange::kArrival;
};

// The interface path and what happened to it; nothing for any other event or
// record type, a null record, or a path that does not end inside the record's size.
std::optional<DeviceInterfaceChange> ReadDeviceInterfaceChange(std::uintptr_t event, const void* record);
