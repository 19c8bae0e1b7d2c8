#pragma once
// Firmware versions of the second chip family: object 0 read from the mouse (routed
// through its receiver) or from the receiver itself, decoded by NodicVersion.h.
#include "FirmwareVersion.h"
#include "NodicDialect.h"

// "0.0" when no valid answer came.
CString GetNodicVersion(NodicDialect& dialect, bool routed);

// Over a receiver (mode 1 or 3) the mouse's version and the receiver's; otherwise the
// mouse's on its cable. Nothing is compared.
FirmwareVersions ShowNodicVersions(NodicDialect& dialect, int connectMode);
