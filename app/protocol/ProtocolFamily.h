#pragma once
// The dialect of a model, chosen from its device_type each time a command is issued.
#include "DeviceTypeRanges.h"

enum class ProtocolFamily {
    kFeatureReport,  // usage page 0x008C, feature reports 0x51 / 0x52
    kOutputReport,   // usage page 0xFFC1, 65-byte output reports 0xB5 / 0xB3
    kSecondFamily,   // usage page 0xFF0A, 64-byte frames with checksum
};

constexpr ProtocolFamily FamilyOf(int deviceType) {
    if (IsSecondFamilyOnWire(deviceType)) return ProtocolFamily::kSecondFamily;
    if (IsOutputDialectOnWire(deviceType)) return ProtocolFamily::kOutputReport;
    return ProtocolFamily::kFeatureReport;
}

// Report ids of the first family's two dialects.
struct DialectIds {
    unsigned char settings;  // settings and queries
    unsigned char bulk;      // buttons, macros, profiles (and every read of the output dialect)
};

constexpr DialectIds IdsOf(ProtocolFamily family) {
    return family == ProtocolFamily::kOutputReport ? DialectIds{0xB5, 0xB3} : DialectIds{0x51, 0x52};
}
