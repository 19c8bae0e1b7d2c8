#pragma once
// The firmware check of the current model, each dialect with its own queries: the
// feature dialect compares what it read with the shipped versions, the output dialect
// and the second chip family only show what they read.
#include "DeviceDialect.h"
#include "FirmwareVersion.h"

// `connectMode` is the manager's connection mode of the interface in use (-1 none).
FirmwareVersions CheckFirmware(DeviceDialect& dialect, int connectMode, const ShippedFirmware& shipped);
