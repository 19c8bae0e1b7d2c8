// The feature dialect's performance, lighting and status tasks: each builds its
// packets from the current profile's stored values and sends them with the
// transfer the command table names; reads store what passed its checks.
#include <vector>

#include "DeviceModeEntry.h"
#include "FeatureDialect.h"
#include "HidDeviceManager.h"
#include "LightingCodec.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "StatusCodec.h"
#include "Waits.h"
#include "WholeProfile.h"
#include "settings/NotificationDispatch.h"
#include "settings/SessionStore.h"

using namespace settings;

namespace {

constexpr codec::Dialect kDialect = codec::Dialect::kFeature;
constexpr int kButtonEncodeWaitMs = 10;
constexpr int kLightingAfterProfileMs = 1000;

// Buttons whose code goes into the whole-profile packet's table; the task waits
// before encoding each.
int EncodedButtons(const std::vector<KeyAssignment>& buttons) {
    int count = 0;
    for (const KeyAssignment& a : buttons) {
        bool table = a.key_code >= 0 && a.key_code < codec::kProfileTableButtons;
        bool single = a.macro_type == 4 || a.macro_type == 7 || (a.macro_type == 8 && a.macro_value == 8);
        if (table && !single) ++count;
    }
    return count;
}

}  // namespace

settings::SettingsTransfers FeatureDialect::SettingsTransfersOf() {
    settings::SettingsTransfers t;
    t.dialect = kDialect;
    t.connectMode = m_manager.ConnectMode();
    t.plain = [this](codec::Bytes packet) { return Fire(packet); };
    t.confirmed = [this](codec::Bytes packet) { return WriteConfirmed(packet); };
    t.sensor = [this](codec::Bytes packet) { return WriteConfirmedRepeated(packet); };
    return t;
}

bool FeatureDialect::WriteDpi(DeviceSession& session) { return SendDpi(SettingsTransfersOf(), session); }

bool FeatureDialect::WriteReportRate(DeviceSession& session) { return SendReportRate(SettingsTransfersOf(), session); }

bool FeatureDialect::WriteSensor(DeviceSession& session) { return SendSensor(SettingsTransfersOf(), session); }

bool FeatureDialect::WriteResponseTime(DeviceSession& session) {
    return SendResponseTime(SettingsTransfersOf(), session);
}

// The feature dialect keeps no lighting sleep time: nothing to send.
bool FeatureDialect::WriteSleepTime(DeviceSession&) { return true; }

bool FeatureDialect::ResetParts(DeviceSession& session, int mask) {
    return SendResetParts(SettingsTransfersOf(), session, mask);
}

bool FeatureDialect::FactoryReset(DeviceSession& session) { return SendFactoryReset(SettingsTransfersOf(), session); }

bool FeatureDialect::WriteLighting(DeviceSession& session) { return SendLighting(SettingsTransfersOf(), session); }

bool FeatureDialect::ReadLighting(DeviceSession& session) {
    codec::Packet mode = codec::ReadLightingRequest(codec::LightRead::kMode);
    if (!Read(mode.writable())) return false;
    if (std::optional<int> active = codec::DecodeActiveLightMode(mode.bytes()))
        session.store->SetActiveLightMode(session.currentProfile, *active);

    codec::LightModeBytes colour[3] = {};
    const codec::LightRead valueReads[] = {codec::LightRead::kBrightness, codec::LightRead::kSpeed,
                                           codec::LightRead::kColourLow, codec::LightRead::kColourMiddle,
                                           codec::LightRead::kColourHigh};
    for (codec::LightRead read : valueReads) {
        codec::Packet request = codec::ReadLightingRequest(read);
        if (!Read(request.writable())) return false;
        std::optional<codec::LightModeBytes> values = codec::DecodeLightModeBytes(request.bytes());
        if (!values) return false;
        switch (read) {
        case codec::LightRead::kBrightness: StoreLightValues(session, LightValue::kBrightness, *values); break;
        case codec::LightRead::kSpeed: StoreLightValues(session, LightValue::kSpeed, *values); break;
        case codec::LightRead::kColourLow: colour[0] = *values; break;
        case codec::LightRead::kColourMiddle: colour[1] = *values; break;
        default: colour[2] = *values; break;
        }
    }
    StoreLightValues(session, LightValue::kColour, codec::CombineColours(colour[0], colour[1], colour[2]));
    return true;
}

bool FeatureDialect::ReadStateAndPerformance(DeviceSession& session) {
    codec::Packet stateRequest = codec::ReadDeviceStateRequest();
    if (!ReadBack(stateRequest.writable())) return false;
    std::optional<codec::DeviceState> state = codec::DecodeDeviceState(stateRequest.bytes());
    if (!state) return false;
    if (state->workMode) session.workMode = *state->workMode;
    session.mouseConnected = state->connected;
    if (state->workMode) TellStatus(session, ConnectionTextFor(*state->workMode, state->connected));
    if (state->battery) StoreBattery(session, *state->battery);
    // A receiver whose mouse is away has nothing more to tell.
    if (IsReceiverMode(m_manager.ConnectMode()) && !state->connected) return false;

    bool ok = true;
    codec::Packet performance = codec::ReadPerformanceRequest(kDialect);
    if (ReadBack(performance.writable())) {
        std::optional<codec::PerformanceReadBack> values =
            codec::DecodePerformance(kDialect, performance.bytes(), session.workMode, StoredLevelCount(session));
        if (values) StorePerformance(session, *values);
        ok = values.has_value();
    } else {
        ok = false;
    }

    if (session.modelsRead.insert(session.deviceType).second) {
        ok = ReadButtonMap(session) && ok;
        if (session.hasLighting) ok = ReadLighting(session) && ok;
    }
    TellReloadAll(session);
    return ok;
}

bool FeatureDialect::ReadEverything(DeviceSession& session) {
    if (!session.store) return false;
    BeginReadAll(session);
    ReadSequence sequence(*this);
    bool ok = sequence.Ready();
    if (ok) {
        if (!session.modelsRead.count(session.deviceType)) MakeProfileCurrent(session, 1);
        ok = ReadStateAndPerformance(session);
    }
    TellReadFinished(session, ok);
    return ok;
}

bool FeatureDialect::ApplyProfile(DeviceSession& session) {
    if (!session.store) return false;
    TellProfilePagesReload(session);
    std::vector<KeyAssignment> buttons;
    session.store->ListKeyAssignments(session.currentProfile, 0, buttons);
    std::optional<codec::WholeProfile> whole =
        codec::BuildWholeProfile(session.currentProfile, StoredPerformance(session), buttons);
    if (!whole) return false;
    for (int i = EncodedButtons(buttons); i > 0; --i) WaitMs(kButtonEncodeWaitMs);
    bool ok = Fire(whole->packet.bytes());
    // Macros, and the functions the table cannot carry or had no slot left for.
    for (const codec::ProfileFollowUp& followUp : whole->followUps) {
        if (followUp.kind == codec::ProfileFollowUp::kUploadMacro) {
            ok = WriteButtonAfterProfile(session, followUp.button, kButtonEncodeWaitMs) && ok;
            continue;
        }
        WaitMs(kButtonEncodeWaitMs);
        ok = WriteButton(session, followUp.button) && ok;
    }
    if (session.hasLighting) {
        WaitMs(kLightingAfterProfileMs);
        ok = WriteLighting(session) && ok;
    }
    return ok;
}

// Applying everything belongs to the output dialect; this one applies a whole
// profile instead, so there is nothing to send.
bool FeatureDialect::ApplyEverything(DeviceSession&) { return true; }

bool FeatureDialect::PollNotifications(DeviceSession& session) {
    if (!session.store) return false;
    if (!m_pollPacing.Due()) return true;
    // Through the manager, which also listens to the receivers when no interface is
    // active, so a mouse that slept at enumeration is heard when it wakes.
    codec::Packet report(codec::kFeatureNotifyId, 0, codec::kShortLength);
    if (!m_manager.ReadStatusReport(report.writable())) return false;
    // Both re-reads run as one read sequence: over a receiver its reads follow one handshake.
    bool ok = DispatchNotification(session, m_manager, kDialect, report.bytes(), [this, &session](bool) {
        ReadSequence sequence(*this);
        return sequence.Ready() && ReadStateAndPerformance(session);
    });
    if (!ok) session.reconnectWanted = true;
    return ok;
}
