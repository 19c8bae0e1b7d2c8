#pragma once
// The performance, lighting and reset commands of the first chip family, shared
// by its two dialects: each builds its packet from the current profile's stored
// values and sends it with the transfer its dialect uses for that command. A
// dialect lends its transfers, as it does for the button sequences.
#include <cstdint>
#include <functional>

#include "DeviceSession.h"
#include "Packet.h"

namespace settings {

using Transfer = std::function<bool(codec::Bytes)>;

struct SettingsTransfers {
    codec::Dialect dialect = codec::Dialect::kFeature;
    int connectMode = -1;  // of the active interface when the task began; -1: none
    Transfer plain;        // DPI, report rate, response time and the resets
    Transfer confirmed;    // the lighting packets
    Transfer sensor;       // the sensor settings
};

bool SendDpi(const SettingsTransfers& t, DeviceSession& session);
bool SendReportRate(const SettingsTransfers& t, DeviceSession& session);
bool SendSensor(const SettingsTransfers& t, DeviceSession& session);
bool SendResponseTime(const SettingsTransfers& t, DeviceSession& session);
// The store and the pages follow a partial reset only once the mouse took it.
bool SendResetParts(const SettingsTransfers& t, DeviceSession& session, int mask);
bool SendFactoryReset(const SettingsTransfers& t, DeviceSession& session);
// The mode the task names (else the profile's active one) with its stored
// record. A failed packet does not stop the others: the mouse may still take
// the rest. Nothing to send for a model without lighting.
bool SendLighting(const SettingsTransfers& t, DeviceSession& session);

// A profile's values are about to reach the mouse: the pages showing them reload.
void TellProfilePagesReload(DeviceSession& session);

// The idle poll reads at most one notification every 200 ms; a forced poll
// (after a write the mouse answers with a notification) is always due.
class PollPacing {
public:
    bool Due(bool force = false);

private:
    std::uint64_t m_lastMs = 0;
    bool m_polled = false;
};

}  // namespace settings
