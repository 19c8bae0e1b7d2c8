// The output dialect's performance, lighting and status tasks: every command is
// one written output report; the one read, 0xB3 0x06, carries the current
// profile, the performance block and the battery together.
#include <vector>

#include "HidDeviceManager.h"
#include "LightingCodec.h"
#include "OutputDialect.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "Waits.h"
#include "settings/NotificationDispatch.h"
#include "settings/SessionStore.h"

using namespace settings;

namespace {

constexpr codec::Dialect kDialect = codec::Dialect::kOutput;
constexpr int kLightingAfterProfileMs = 1000;
constexpr int kButtons = 18;

}  // namespace

// Every command is one output report the mouse confirms over a receiver.
settings::SettingsTransfers OutputDialect::SettingsTransfersOf() {
    settings::SettingsTransfers t;
    t.dialect = kDialect;
    t.connectMode = m_manager.ConnectMode();
    t.plain = [this](codec::Bytes packet) { return Write(packet); };
    t.confirmed = t.plain;
    t.sensor = t.plain;
    return t;
}

bool OutputDialect::WriteDpi(DeviceSession& session) { return SendDpi(SettingsTransfersOf(), session); }

bool OutputDialect::WriteReportRate(DeviceSession& session) { return SendReportRate(SettingsTransfersOf(), session); }

bool OutputDialect::WriteSensor(DeviceSession& session) { return SendSensor(SettingsTransfersOf(), session); }

bool OutputDialect::WriteResponseTime(DeviceSession& session) { return SendResponseTime(SettingsTransfersOf(), session); }

bool OutputDialect::WriteSleepTime(DeviceSession& session) {
    if (!session.store) return false;
    return Write(codec::SleepTimePacket(StoredPerformance(session).sleepLight).bytes());
}

bool OutputDialect::ResetParts(DeviceSession& session, int mask) {
    return SendResetParts(SettingsTransfersOf(), session, mask);
}

bool OutputDialect::FactoryReset(DeviceSession& session) { return SendFactoryReset(SettingsTransfersOf(), session); }

bool OutputDialect::WriteLighting(DeviceSession& session) { return SendLighting(SettingsTransfersOf(), session); }

bool OutputDialect::ReadStateAndPerformance(DeviceSession& session) {
    int linkMode = m_manager.ConnectMode();
    codec::Packet request = codec::ReadPerformanceRequest(kDialect);
    if (!Read(request.writable())) return false;
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
    if (values->battery) StoreBattery(session, *values->battery);
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
    TellProfilePagesReload(session);
    std::optional<codec::Packet> select = codec::SelectProfilePacket(session.currentProfile);
    if (!select) return false;
    bool ok = Write(select->bytes());
    if (session.hasLighting) {
        WaitMs(kLightingAfterProfileMs);
        ok = WriteLighting(session) && ok;
    }
    return ok;
}

// The mouse's buttons are cleared first, so none keeps a function the profile
// does not give it; then every stored button and every setting is written.
bool OutputDialect::ApplyEverything(DeviceSession& session) {
    if (!session.store) return false;
    TellProfilePagesReload(session);
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
    if (!m_pollPacing.Due()) return true;
    codec::Packet report(codec::kOutputNotifyId, 0, codec::kOutputLength);
    if (!m_manager.ReadStatusReport(report.writable())) return false;
    bool ok = DispatchNotification(session, m_manager, kDialect, report.bytes(),
                                   [this, &session](bool) { return ReadStateAndPerformance(session); });
    if (!ok) session.reconnectWanted = true;
    return ok;
}
