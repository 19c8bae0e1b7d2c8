#include "SettingsSequences.h"

#include <vector>

#include "Clock.h"
#include "LightingCodec.h"
#include "PerformancePackets.h"
#include "SessionStore.h"
#include "SettingsDatabase.h"

namespace settings {

namespace {

constexpr std::uint64_t kPollIntervalMs = 200;

}  // namespace

bool SendDpi(const SettingsTransfers& t, DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(t.connectMode);
    if (!session.store || !link) return false;
    return t.plain(codec::DpiPacket(t.dialect, *link, StoredPerformance(session).dpi).bytes());
}

bool SendReportRate(const SettingsTransfers& t, DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(t.connectMode);
    if (!session.store || !link) return false;
    return t.plain(codec::ReportRatePacket(t.dialect, *link, StoredPerformance(session).reportRate).bytes());
}

bool SendSensor(const SettingsTransfers& t, DeviceSession& session) {
    if (!session.store) return false;
    return t.sensor(codec::SensorPacket(t.dialect, StoredPerformance(session).sensor).bytes());
}

bool SendResponseTime(const SettingsTransfers& t, DeviceSession& session) {
    if (!session.store) return false;
    return t.plain(codec::ResponseTimePacket(t.dialect, StoredPerformance(session).responseTime).bytes());
}

bool SendResetParts(const SettingsTransfers& t, DeviceSession& session, int mask) {
    if (!session.store) return false;
    // A mouse that did not take the reset keeps its settings, and so does the store.
    bool ok = t.plain(codec::ResetPartsPacket(t.dialect, mask).bytes());
    if (ok) ResetStoredParts(session, mask);
    return ok;
}

bool SendFactoryReset(const SettingsTransfers& t, DeviceSession& session) {
    if (!session.store) return false;
    bool ok = t.plain(codec::FactoryResetPacket(t.dialect).bytes());
    TellReloadAll(session);
    return ok;
}

bool SendLighting(const SettingsTransfers& t, DeviceSession& session) {
    if (!session.store) return false;
    if (!session.hasLighting) return true;
    int profile = session.currentProfile;
    int mode = LightModeOfTask(session);
    LightRecord record;
    bool hasRecord = session.store->GetLight(profile, mode, record);
    std::vector<codec::Packet> packets = codec::LightingPackets(t.dialect, mode, hasRecord ? &record : nullptr);
    bool ok = !packets.empty();
    for (const codec::Packet& packet : packets) ok = t.confirmed(packet.bytes()) && ok;
    return ok;
}

void TellProfilePagesReload(DeviceSession& session) {
    TellReload(session, DevicePage::kKeys);
    TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) TellReload(session, DevicePage::kLighting);
}

bool PollPacing::Due(bool force) {
    std::uint64_t now = Clock::Get().NowMs();
    if (!force && m_polled && now - m_lastMs < kPollIntervalMs) return false;
    m_polled = true;
    m_lastMs = now;
    return true;
}

}  // namespace settings
