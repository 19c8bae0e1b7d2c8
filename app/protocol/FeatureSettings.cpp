// The feature dialect's performance, lighting and status tasks: each builds its
// packets from the current profile's stored values and sends them with the
// transfer the command table names; reads store what passed its checks.
#include <vector>

#include "Clock.h"
#include "FeatureDialect.h"
#include "HidDeviceManager.h"
#include "LightingCodec.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "StatusCodec.h"
#include "WholeProfile.h"
#include "settings/NotificationDispatch.h"
#include "settings/SessionStore.h"

using namespace settings;

namespace {

constexpr codec::Dialect kDialect = codec::Dialect::kFeature;
constexpr std::uint64_t kPollIntervalMs = 200;
constexpr int kButtonEncodeWaitMs = 10;
constexpr int kLightingAfterProfileMs = 1000;

void Wait(int ms) { Clock::Get().SleepMs(static_cast<std::uint32_t>(ms)); }

std::span<std::uint8_t> Writable(codec::Packet& packet) { return {packet.data(), packet.size()}; }

bool OverReceiver(int mode) { return mode == 1 || mode == 3 || mode == 4; }

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

bool FeatureDialect::WriteDpi(DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(m_manager.ConnectMode());
    if (!session.store || !link) return false;
    return Fire(codec::DpiPacket(kDialect, *link, StoredPerformance(session).dpi).bytes());
}

bool FeatureDialect::WriteReportRate(DeviceSession& session) {
    std::optional<codec::Link> link = codec::LinkOfMode(m_manager.ConnectMode());
    if (!session.store || !link) return false;
    return Fire(codec::ReportRatePacket(kDialect, *link, StoredPerformance(session).reportRate).bytes());
}

bool FeatureDialect::WriteSensor(DeviceSession& session) {
    if (!session.store) return false;
    return WriteConfirmedRepeated(codec::SensorPacket(kDialect, StoredPerformance(session).sensor).bytes());
}

bool FeatureDialect::WriteResponseTime(DeviceSession& session) {
    if (!session.store) return false;
    return Fire(codec::ResponseTimePacket(kDialect, StoredPerformance(session).responseTime).bytes());
}

// The feature dialect keeps no lighting sleep time: nothing to send.
bool FeatureDialect::WriteSleepTime(DeviceSession&) { return true; }

bool FeatureDialect::ResetParts(DeviceSession& session, int mask) {
    if (!session.store) return false;
    // A mouse that did not take the reset keeps its settings, and so does the store.
    bool ok = Fire(codec::ResetPartsPacket(kDialect, mask).bytes());
    if (ok) ResetStoredParts(session, mask);
    return ok;
}

bool FeatureDialect::FactoryReset(DeviceSession& session) {
    if (!session.store) return false;
    bool ok = Fire(codec::FactoryResetPacket(kDialect).bytes());
    TellReloadAll(session);
    return ok;
}

// A failed packet does not stop the others: the mouse may still take the rest.
bool FeatureDialect::WriteLighting(DeviceSession& session) {
    if (!session.store) return false;
    if (!session.hasLighting) return true;
    int profile = session.currentProfile;
    int mode = LightModeOfTask(session);
    LightRecord record;
    bool hasRecord = session.store->GetLight(profile, mode, record);
    std::vector<codec::Packet> packets = codec::LightingPackets(kDialect, mode, hasRecord ? &record : nullptr);
    if (packets.empty()) return false;
    bool ok = true;
    for (const codec::Packet& packet : packets) ok = WriteConfirmed(packet.bytes()) && ok;
    return ok;
}

bool FeatureDialect::ReadLighting(DeviceSession& session) {
    codec::Packet mode = codec::ReadLightingRequest(codec::LightRead::kMode);
    if (!Read(Writable(mode))) return false;
    if (std::optional<int> active = codec::DecodeActiveLightMode(mode.bytes()))
        session.store->SetActiveLightMode(session.currentProfile, *active);

    codec::LightModeBytes colour[3] = {};
    const codec::LightRead valueReads[] = {codec::LightRead::kBrightness, codec::LightRead::kSpeed,
                                           codec::LightRead::kColourLow, codec::LightRead::kColourMiddle,
                                           codec::LightRead::kColourHigh};
    for (codec::LightRead read : valueReads) {
        codec::Packet request = codec::ReadLightingRequest(read);
        if (!Read(Writable(request))) return false;
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
    if (!ReadBack(Writable(stateRequest))) return false;
    std::optional<codec::DeviceState> state = codec::DecodeDeviceState(stateRequest.bytes());
    if (!state) return false;
    if (state->workMode) session.workMode = *state->workMode;
    session.mouseConnected = state->connected;
    if (state->workMode) TellStatus(session, ConnectionTextFor(*state->workMode, state->connected));
    if (state->battery) {
        session.battery = state->battery->level;
        session.charging = state->battery->charging;
        TellBattery(session, session.battery, session.charging ? 1 : 0);
    }
    // A receiver whose mouse is away has nothing more to tell.
    if (OverReceiver(m_manager.ConnectMode()) && !state->connected) return false;

    bool ok = true;
    codec::Packet performance = codec::ReadPerformanceRequest(kDialect);
    if (ReadBack(Writable(performance))) {
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
    TellReload(session, DevicePage::kKeys);
    TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) TellReload(session, DevicePage::kLighting);
    std::vector<KeyAssignment> buttons;
    session.store->ListKeyAssignments(session.currentProfile, 0, buttons);
    std::optional<codec::WholeProfile> whole =
        codec::BuildWholeProfile(session.currentProfile, StoredPerformance(session), buttons);
    if (!whole) return false;
    for (int i = EncodedButtons(buttons); i > 0; --i) Wait(kButtonEncodeWaitMs);
    bool ok = Fire(whole->packet.bytes());
    // Macros, and the functions the table cannot carry or had no slot left for.
    for (const codec::ProfileFollowUp& followUp : whole->followUps) {
        if (followUp.kind == codec::ProfileFollowUp::kUploadMacro) {
            ok = WriteButtonAfterProfile(session, followUp.button, kButtonEncodeWaitMs) && ok;
            continue;
        }
        Wait(kButtonEncodeWaitMs);
        ok = WriteButton(session, followUp.button) && ok;
    }
    if (session.hasLighting) {
        Wait(kLightingAfterProfileMs);
        ok = WriteLighting(session) && ok;
    }
    return ok;
}

// Applying everything belongs to the output dialect; this one applies a whole
// profile instead, so there is nothing to send.
bool FeatureDialect::ApplyEverything(DeviceSession&) { return true; }

bool FeatureDialect::PollNotifications(DeviceSession& session) {
    if (!session.store) return false;
    std::uint64_t now = Clock::Get().NowMs();
    if (m_polled && now - m_lastPollMs < kPollIntervalMs) return true;
    m_polled = true;
    m_lastPollMs = now;
    // Through the manager, which also listens to the receivers when no interface is
    // active, so a mouse that slept at enumeration is heard when it wakes.
    codec::Packet report(codec::kFeatureNotifyId, 0, codec::kShortLength);
    if (!m_manager.ReadStatusReport(Writable(report))) return false;
    // Both re-reads run as one read sequence: over a receiver its reads follow one handshake.
    bool ok = DispatchNotification(session, m_manager, kDialect, report.bytes(), [this, &session](bool) {
        ReadSequence sequence(*this);
        return sequence.Ready() && ReadStateAndPerformance(session);
    });
    if (!ok) session.reconnectWanted = true;
    return ok;
}
