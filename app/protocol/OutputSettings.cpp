// The output dialect's performance, lighting and status tasks: every command is
// one written output report; the one read, 0xB3 0x06, carries the current
// profile, the performance block and the battery together.
#include <vector>

#include "Clock.h"
#include "HidDeviceManager.h"
#include "LightingCodec.h"
#include "OutputDialect.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "settings/NotificationDispatch.h"
#include "settings/SessionStore.h"

using namespace settings;

namespace {

constexpr codec::Dialect kDialect = codec::Dialect::kOutput;
constexpr std::uint64_t kPollIntervalMs = 200;
constexpr int kLightingAfterProfileMs = 1000;
constexpr int kButtons = 18;

void Wait(int ms) { Clock::Get().SleepMs(static_cast<std::uint32_t>(ms)); }

std::span<std::uint8_t> Writable(codec::Packet& packet) { return {packet.data(), packet.size()}; }

}  // namespace

bool OutputDialect::WriteDpi(DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(m_manager.ConnectMode());
    if (!session.store || !link) return false;
    return Write(codec::DpiPacket(kDialect, *link, StoredPerformance(session).dpi).bytes());
}

bool OutputDialect::WriteReportRate(DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(m_manager.ConnectMode());
    if (!session.store || !link) return false;
    return Write(codec::ReportRatePacket(kDialect, *link, StoredPerformance(session).reportRate).bytes());
}

bool OutputDialect::WriteSensor(DeviceSession& session) {
    if (!session.store) return false;
    return Write(codec::SensorPacket(kDialect, StoredPerformance(session).sensor).bytes());
}

bool OutputDialect::WriteResponseTime(DeviceSession& session) {
    if (!session.store) return false;
    return Write(codec::ResponseTimePacket(kDialect, StoredPerformance(session).responseTime).bytes());
}

bool OutputDialect::WriteSleepTime(DeviceSession& session) {
    if (!session.store) return false;
    return Write(codec::SleepTimePacket(StoredPerformance(session).sleepLight).bytes());
}

bool OutputDialect::ResetParts(DeviceSession& session, int mask) {
    if (!session.store) return false;
    // A mouse that did not take the reset keeps its settings, and so does the store.
    bool ok = Write(codec::ResetPartsPacket(kDialect, mask).bytes());
    if (ok) ResetStoredParts(session, mask);
    return ok;
}

bool OutputDialect::FactoryReset(DeviceSession& session) {
    if (!session.store) return false;
    bool ok = Write(codec::FactoryResetPacket(kDialect).bytes());
    TellReloadAll(session);
    return ok;
}

bool OutputDialect::WriteLighting(DeviceSession& session) {
    if (!session.store) return false;
    if (!session.hasLighting) return true;
    int profile = session.currentProfile;
    int mode = LightModeOfTask(session);
    LightRecord record;
    bool hasRecord = session.store->GetLight(profile, mode, record);
    std::vector<codec::Packet> packets = codec::LightingPackets(kDialect, mode, hasRecord ? &record : nullptr);
    bool ok = !packets.empty();
    for (const codec::Packet& packet : packets) ok = Write(packet.bytes()) && ok;
    return ok;
}

bool OutputDialect::ReadStateAndPerformance(DeviceSession& session) {
    int linkMode = m_manager.ConnectMode();
    codec::Packet request = codec::ReadPerformanceRequest(kDialect);
    if (!Read(Writable(request))) return false;
    // The per-connection byte follows the work mode the mouse last reported; before
    // its first report, the connection the answer came by.
    int workMode = session.workMode >= 0 ? session.workMode : linkMode;
    std::optional<codec::PerformanceReadBack> values =
        codec::DecodePerformance(kDialect, request.bytes(), workMode, StoredLevelCount(session));
    if (!values) return false;
    // The answer names the mouse's profile; its level is checked against that
    // profile's level count.
    if (values->profile && *values->profile != session.currentProfile) {
        MakeProfileCurrent(session, *values->profile);
        values = codec::DecodePerformance(kDialect, request.bytes(), workMode, StoredLevelCount(session));
        if (!values) return false;
    }
    StorePerformance(session, *values);
    // An answer over a receiver means its mouse is there.
    session.mouseConnected = true;
    TellStatus(session, ConnectionTextFor(linkMode, true));
    if (values->battery) {
        session.battery = values->battery->level;
        session.charging = values->battery->charging;
        TellBattery(session, session.battery, session.charging ? 1 : 0);
    }
    bool ok = true;
    if (session.modelsRead.insert(session.deviceType).second) ok = ReadButtonMap(session);
    TellReloadAll(session);
    return ok;
}

bool OutputDialect::ReadEverything(DeviceSession& session) {
    if (!session.store) return false;
    BeginReadAll(session);
    if (!session.modelsRead.count(session.deviceType)) MakeProfileCurrent(session, 1);
    bool ok = ReadStateAndPerformance(session);
    TellReadFinished(session, ok);
    return ok;
}

bool OutputDialect::ApplyProfile(DeviceSession& session) {
    if (!session.store) return false;
    TellReload(session, DevicePage::kKeys);
    TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) TellReload(session, DevicePage::kLighting);
    std::optional<codec::Packet> select = codec::SelectProfilePacket(session.currentProfile);
    if (!select) return false;
    bool ok = Write(select->bytes());
    if (session.hasLighting) {
        Wait(kLightingAfterProfileMs);
        ok = WriteLighting(session) && ok;
    }
    return ok;
}

// The mouse's buttons are cleared first, so none keeps a function the profile
// does not give it; then every stored button and every setting is written.
bool OutputDialect::ApplyEverything(DeviceSession& session) {
    if (!session.store) return false;
    TellReload(session, DevicePage::kKeys);
    TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) TellReload(session, DevicePage::kLighting);
    bool ok = Write(codec::ResetPartsPacket(kDialect, codec::kResetButtons).bytes());
    std::vector<KeyAssignment> buttons;
    session.store->ListKeyAssignments(session.currentProfile, 0, buttons);
    for (const KeyAssignment& button : buttons)
        if (button.key_code >= 0 && button.key_code < kButtons) ok = WriteButton(session, button.key_code) && ok;
    ok = WriteDpi(session) && ok;
    ok = WriteReportRate(session) && ok;
    ok = WriteSensor(session) && ok;
    ok = WriteResponseTime(session) && ok;
    if (session.hasLighting) ok = WriteLighting(session) && ok;
    return ok;
}

bool OutputDialect::PollNotifications(DeviceSession& session) {
    if (!session.store) return false;
    std::uint64_t now = Clock::Get().NowMs();
    if (m_polled && now - m_lastPollMs < kPollIntervalMs) return true;
    m_polled = true;
    m_lastPollMs = now;
    codec::Packet report(codec::kOutputNotifyId, 0, codec::kOutputLength);
    if (!m_manager.ReadStatusReport(Writable(report))) return false;
    bool ok = DispatchNotification(session, m_manager, kDialect, report.bytes(),
                                   [this, &session](bool) { return ReadStateAndPerformance(session); });
    if (!ok) session.reconnectWanted = true;
    return ok;
}
