// The device tasks of the second family: the initial read, the sensor and system
// block writes, profile, lighting, resets and the idle poll. Every block is read
// whole and written back whole, so a write is only built on a block the mouse
// reported: bytes the program does not understand go back as they came, and a
// mouse that did not answer is never sent zeros in their place.
#include "NodicDialect.h"

#include "LightDefaults.h"
#include "NodicCommands.h"
#include "NodicFrame.h"
#include "NodicLighting.h"
#include "NodicProfileReset.h"
#include "NodicSettingsConfig.h"
#include "SettingsDatabase.h"
#include "Waits.h"
#include "settings/SessionStore.h"

namespace {

constexpr int kRetryPauseMs = 100;
constexpr int kTailPauseMs = 100;
constexpr int kButtonResetPauseMs = 1000;
constexpr int kFactoryResetPauseMs = 1500;
constexpr int kApplyStepPauseMs = 2;
constexpr int kApplyLightPauseMs = 200;
constexpr int kResetButtonsBit = 0x01;
constexpr int kResetLightingBit = 0x04;

NodicFrameBytes ReadFrame(const nodic::ReadCommand& c, bool routed) {
    NodicFrameBytes frame{};
    BuildNodicRead(frame.data(), c.object, routed, c.operation, static_cast<int>(c.requestLength));
    return frame;
}

template <std::size_t N>
NodicFrameBytes WriteFrame(const nodic::WriteCommand& c, bool routed, const std::array<std::uint8_t, N>& data) {
    static_assert(N <= nodic::kDataCapacity);
    NodicFrameBytes frame{};
    BuildNodicWrite(frame.data(), c.object, routed, c.operation, data.data(), data.size());
    return frame;
}

codec::ConfigLookup ProfileValues(DeviceSession& s) {
    return [&s](const CString& key) -> std::optional<int> {
        int value = 0;
        if (s.store->GetConfigInt(s.currentProfile, key, value)) return value;
        return std::nullopt;
    };
}

void StoreValues(DeviceSession& s, const std::vector<codec::ConfigValue>& values) {
    for (const codec::ConfigValue& v : values) s.store->SetConfigValue(s.currentProfile, v.key, v.value);
}

}  // namespace

// --- the initial read ---

bool NodicDialect::ReadEverything(DeviceSession& session) {
    bool ok = ReadMouse(session);
    if (ok) {
        session.modelsRead.insert(session.deviceType);
        settings::TellReloadAll(session);
    }
    // Whatever came of it, the read is over: the window stops waiting for it.
    if (session.listener) session.listener->OnModelReadFinished(ok);
    return ok;
}

bool NodicDialect::ReadMouse(DeviceSession& session) {
    m_buttonTable.reset();
    m_sensorBlock.reset();
    int mode = m_manager.ConnectMode();
    session.workMode = mode;
    if (mode < 0 || mode == 2) return false;  // nothing to talk to, or only its Bluetooth record
    bool routed = Routed();
    if (routed) {
        NodicReply reply = Read(ReadFrame(nodic::command::kReceiverStatus, false), 1);
        if (std::optional<bool> connected = nodic::DecodeReceiverStatus(AnswerOfReply(reply))) {
            HandleReceiver(session, *connected);
            if (!*connected) return false;
            session.mouseConnected = true;
        }
    }
    NodicReply status = Read(ReadFrame(nodic::command::kStatus, routed), nodic::command::kStatus.minAnswer);
    std::optional<nodic::MouseState> state = nodic::DecodeStatusBlock(AnswerOfReply(status));
    if (state) TakeStatus(session, *state);
    KeepBlocksOfCurrentProfile(session);
    ReadButtonTable(session);
    ReadSensorBlock(session);
    ReadSystemBlock(session);
    bool ok = state && m_buttonTable && m_sensorBlock && m_systemBlock;
    if (session.hasLighting) {
        NodicReply light = Read(ReadFrame(nodic::command::kLightingState, routed), nodic::command::kLightingState.minAnswer);
        if (std::optional<int> lit = nodic::DecodeLightState(AnswerOfReply(light))) {
            m_lightMode = *lit;
            session.store->SetActiveLightMode(session.currentProfile, *lit);
        } else {
            ok = false;
        }
    }
    if (state) session.mouseConnected = true;
    return ok;
}

void NodicDialect::TakeStatus(DeviceSession& session, const nodic::MouseState& state) {
    session.battery = state.battery != 0 ? state.battery : -1;
    session.charging = state.charging;
    if (session.listener) session.listener->OnBattery(state.battery, state.charging ? 1 : 0);
    if (state.highestRate) session.highestRate = *state.highestRate;
    // A profile the mouse reports is only taken when it exists; a new one becomes
    // the store's active profile too, so that every page shows the same one.
    if (state.profile && *state.profile != session.currentProfile) settings::MakeProfileCurrent(session, *state.profile);
    if (state.dpiLevel) m_dpiLevel = *state.dpiLevel;
    if (state.rateCode) m_rateCode = *state.rateCode;
}

void NodicDialect::ReadSensorBlock(DeviceSession& session) {
    NodicReply reply = Read(ReadFrame(nodic::command::kSensorBlock, Routed()), nodic::command::kSensorBlock.minAnswer);
    m_sensorBlock = nodic::SensorBlock::FromAnswer(AnswerOfReply(reply));
    if (m_sensorBlock) StoreValues(session, nodic::ConfigValuesOf(m_sensorBlock->Decode()));
}

// A profile switch leaves the blocks of the profile before it behind, so that
// no profile's block (or button) is written with another profile's bytes.
void NodicDialect::KeepBlocksOfCurrentProfile(DeviceSession& session) {
    if (m_blocksProfile == session.currentProfile) return;
    m_buttonTable.reset();
    m_sensorBlock.reset();
    m_systemBlock.reset();
    m_systemSent.reset();
    m_blocksProfile = session.currentProfile;
}

std::optional<nodic::SystemBlock> NodicDialect::FetchSystemBlock() {
    NodicReply reply = Read(ReadFrame(nodic::command::kSystemBlock, Routed()), nodic::command::kSystemBlock.minAnswer);
    return nodic::SystemBlock::FromAnswer(AnswerOfReply(reply));
}

void NodicDialect::ReadSystemBlock(DeviceSession& session) {
    // A failed read keeps the last block the mouse reported.
    std::optional<nodic::SystemBlock> block = FetchSystemBlock();
    if (!block) return;
    m_systemBlock = block;
    nodic::SystemReadBack readBack = block->Decode();
    StoreValues(session, nodic::ConfigValuesOf(readBack));
    nodic::SystemSettings held;
    held.sleepLight = readBack.sleepLight;
    held.scrollFlag = readBack.scrollFlag.value_or(1);
    m_systemSent = held;
}

// --- the block writes ---

bool NodicDialect::WriteSensorBlock(DeviceSession& session) {
    KeepBlocksOfCurrentProfile(session);
    if (!m_sensorBlock) {
        NodicReply reply = Read(ReadFrame(nodic::command::kSensorBlock, Routed()), nodic::command::kSensorBlock.minAnswer);
        m_sensorBlock = nodic::SensorBlock::FromAnswer(AnswerOfReply(reply));
        WaitMs(kRetryPauseMs);
    }
    std::optional<nodic::SensorWrite> data =
        nodic::BuildSensorWrite(m_sensorBlock, nodic::SensorSettingsFromConfig(ProfileValues(session)));
    if (!data) return false;  // never read: writing would zero what the program does not know
    const nodic::WriteCommand& c = nodic::command::kSensorWrite;
    return Write(WriteFrame(c, Routed(), *data), c.accepted, kRetryPauseMs).Accepted(c.accepted);
}

bool NodicDialect::WriteSystemBlock(DeviceSession& session) {
    KeepBlocksOfCurrentProfile(session);
    // Only the bytes the program does not understand are wanted from the mouse:
    // its values must not replace the store's, which are the ones to send.
    if (!m_systemBlock) m_systemBlock = FetchSystemBlock();
    nodic::SystemSettings settings = nodic::SystemSettingsFromConfig(ProfileValues(session));
    std::optional<nodic::SystemWrite> data = nodic::BuildSystemWrite(m_systemBlock, settings);
    if (!data) return false;
    const nodic::WriteCommand& c = nodic::command::kSystemWrite;
    bool accepted = Write(WriteFrame(c, Routed(), *data), c.accepted, kRetryPauseMs).Accepted(c.accepted);
    if (accepted) m_systemSent = settings;
    return accepted;
}

// Sleep time and scroll direction live in the system block, but the settings page
// sends them with the sensor task: that task writes the system block too when
// either differs from what the mouse holds.
bool NodicDialect::SystemSettingsChanged(DeviceSession& session) {
    KeepBlocksOfCurrentProfile(session);
    nodic::SystemSettings wanted = nodic::SystemSettingsFromConfig(ProfileValues(session));
    if (!m_systemSent) return true;
    bool scrollReversed = wanted.scrollFlag == 2;
    bool heldReversed = m_systemSent->scrollFlag == 2;
    return nodic::SleepSecondsOfCode(wanted.sleepLight) != nodic::SleepSecondsOfCode(m_systemSent->sleepLight) ||
           scrollReversed != heldReversed;
}

bool NodicDialect::WriteDpi(DeviceSession& session) { return Tail(session, WriteSensorBlock(session)); }

bool NodicDialect::WriteSensor(DeviceSession& session) {
    bool ok = WriteSensorBlock(session);
    if (SystemSettingsChanged(session)) ok = WriteSystemBlock(session) && ok;
    return Tail(session, ok);
}

bool NodicDialect::WriteReportRate(DeviceSession& session) { return Tail(session, WriteSystemBlock(session)); }
bool NodicDialect::WriteSleepTime(DeviceSession& session) { return Tail(session, WriteSystemBlock(session)); }
bool NodicDialect::WriteResponseTime(DeviceSession& session) { return Tail(session, WriteSystemBlock(session)); }

// --- profile, lighting, resets ---

bool NodicDialect::SelectProfile(DeviceSession& session) {
    std::optional<nodic::TwoBytes> data = nodic::BuildProfileSelect(session.currentProfile);
    if (!data) return false;
    Poll(session, true);
    const nodic::WriteCommand& c = nodic::command::kProfile;
    return Exchange(WriteFrame(c, Routed(), *data)).Accepted(c.accepted);
}

bool NodicDialect::ApplyProfile(DeviceSession& session) {
    settings::TellReload(session, DevicePage::kKeys);
    settings::TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) settings::TellReload(session, DevicePage::kLighting);
    return Tail(session, SelectProfile(session));
}

bool NodicDialect::SendLighting(DeviceSession& session) {
    LightRecord record;
    // A lighting task names the mode it was queued for; applying a profile sends the active one.
    int mode = session.lightMode >= 0 ? session.lightMode : session.store->GetActiveLightMode(session.currentProfile);
    if (!session.store->GetLight(session.currentProfile, mode, record)) return true;  // nothing to send
    return SendLightRecord(record, mode);
}

bool NodicDialect::SendLightRecord(const LightRecord& record, int mode) {
    bool routed = Routed();
    NodicReply parameters = Exchange(WriteFrame(nodic::command::kLightParameters, routed,
                                                nodic::BuildLightParameters(record)));
    NodicReply select = Exchange(WriteFrame(nodic::command::kLightMode, routed, nodic::BuildLightModeSelect(mode)));
    // The mouse's answers to these two say nothing; only that they came counts.
    return parameters.arrived && select.arrived;
}

bool NodicDialect::WriteLighting(DeviceSession& session) { return Tail(session, SendLighting(session)); }

bool NodicDialect::RestoreAllButtons(DeviceSession& session) {
    const nodic::WriteCommand& c = nodic::command::kRestoreButtons;
    std::optional<nodic::TwoBytes> data = nodic::BuildRestoreButtons(nodic::kAllButtons);
    bool accepted = data && Write(WriteFrame(c, Routed(), *data), c.accepted, kRetryPauseMs).Accepted(c.accepted);
    m_buttonTable.reset();
    WaitMs(kButtonResetPauseMs);
    settings::TellReload(session, DevicePage::kKeys);
    return accepted;
}

bool NodicDialect::ResetParts(DeviceSession& session, int mask) {
    bool ok = true;
    if (mask & kResetButtonsBit) ok = RestoreAllButtons(session) && ok;
    if (mask & kResetLightingBit) ok = ResetLighting(session) && ok;
    return Tail(session, ok);
}

// This family has no lighting reset command: the mouse is sent the default
// lighting, and only once it has taken it does the store start again from the
// default modes.
bool NodicDialect::ResetLighting(DeviceSession& session) {
    constexpr int kDefaultActiveMode = 0;
    std::vector<LightRecord> defaults = DefaultLights(session.currentProfile, session.deviceType);
    if (!SendLightRecord(defaults[kDefaultActiveMode], kDefaultActiveMode)) return false;
    session.store->DeleteProfileLights(session.currentProfile);
    session.store->EnsureDefaultLights(session.currentProfile);
    settings::TellReload(session, DevicePage::kLighting);
    return true;
}

bool NodicDialect::FactoryReset(DeviceSession& session) {
    const nodic::WriteCommand& c = nodic::command::kFactoryReset;
    bool accepted = Write(WriteFrame(c, Routed(), nodic::BuildFactoryReset()), c.accepted, kRetryPauseMs)
                        .Accepted(c.accepted);
    WaitMs(kFactoryResetPauseMs);
    m_buttonTable.reset();
    m_sensorBlock.reset();
    settings::TellReloadAll(session);
    return Tail(session, accepted);
}

bool NodicDialect::ApplyEverything(DeviceSession& session) {
    settings::TellReload(session, DevicePage::kKeys);
    settings::TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) settings::TellReload(session, DevicePage::kLighting);
    bool ok = SelectProfile(session);
    ok = RestoreAllButtons(session) && ok;
    ok = UploadMacroTable(session) && ok;
    ok = WriteButtonTable(session) && ok;
    Poll(session, true);
    ok = WriteSensorBlock(session) && ok;
    WaitMs(kApplyStepPauseMs);
    ok = WriteSystemBlock(session) && ok;
    WaitMs(kApplyStepPauseMs);
    Poll(session, true);
    if (session.hasLighting) ok = SendLighting(session) && ok;
    // The longer wait is kept without lighting too: it is always safe before the query.
    WaitMs(kApplyLightPauseMs);
    // The state query without its own poll: the last poll was just made.
    Poll(session, true);
    const nodic::WriteCommand& q = nodic::command::kStateQuery;
    bool answered = Exchange(ReadFrame({q.object, q.operation, q.length, 1}, Routed())).Accepted(q.accepted);
    return answered && ok;
}

// --- after each task: the state query ---

bool NodicDialect::QueryState(DeviceSession& session) {
    Poll(session, true);
    const nodic::WriteCommand& q = nodic::command::kStateQuery;
    return Exchange(ReadFrame({q.object, q.operation, q.length, 1}, Routed())).Accepted(q.accepted);
}

bool NodicDialect::Tail(DeviceSession& session, bool ok) {
    WaitMs(kTailPauseMs);
    bool answered = QueryState(session);
    return ok && answered;
}

// --- notifications ---

bool NodicDialect::PollNotifications(DeviceSession& session) { return Poll(session, false); }

bool NodicDialect::Poll(DeviceSession& session, bool force) {
    if (!m_pollPacing.Due(force)) return true;
    NodicFrameBytes frame{};
    if (!m_manager.GetNodicDeviceNotify(frame)) return !m_manager.ListEntries().empty();
    // Asked after the read: a receiver that reported its mouse back is online again.
    nodic::Notification n = nodic::DecodeNotification(nodic::Bytes(frame), Routed());
    if (n.receiverConnected) {
        HandleReceiver(session, *n.receiverConnected);
        // The mouse is back: everything it holds may have changed meanwhile.
        if (*n.receiverConnected && !session.mouseConnected) ReadEverything(session);
    }
    if (n.state) HandleState(session, *n.state);
    return true;
}

void NodicDialect::HandleReceiver(DeviceSession& session, bool connected) {
    DeviceEventListener* l = session.listener;
    if (connected) {
        if (l) {
            l->OnStatusText(kTextReceiverConnected);
            l->OnPagesEnabled(true);
        }
        return;
    }
    if (l) {
        l->OnStatusText(kTextReceiverNotConnected);
        l->OnPagesEnabled(false);
        l->OnBattery(0, kBatteryCleared);
    }
    m_manager.ResetActive();
    session.mouseConnected = false;
    session.battery = -1;
    session.charging = false;
}

void NodicDialect::HandleState(DeviceSession& session, const nodic::MouseState& state) {
    session.battery = state.battery;
    session.charging = state.charging;
    if (session.listener) session.listener->OnBattery(state.battery, state.charging ? 1 : 0);
    bool performance = false;
    if (state.dpiLevel && *state.dpiLevel != m_dpiLevel) {
        m_dpiLevel = *state.dpiLevel;
        session.store->SetConfigValue(session.currentProfile, codec::keys::kDpiIndex, m_dpiLevel);
        performance = true;
    }
    if (state.rateCode && *state.rateCode != m_rateCode) {
        m_rateCode = *state.rateCode;
        session.store->SetConfigValue(session.currentProfile, codec::keys::kReportRate, m_rateCode);
        performance = true;
    }
    if (performance) settings::TellReload(session, DevicePage::kPerformance);
    // The lighting page follows the mouse; its mode is not stored, and a model
    // without lighting has no page to follow it.
    if (!session.hasLighting) return;
    bool lighting = false;
    if (state.lightMode && *state.lightMode != m_lightMode) {
        m_lightMode = *state.lightMode;
        lighting = true;
    }
    if (state.lightSpeed) m_lightSpeed = *state.lightSpeed;
    if (state.lightBrightness) m_lightBrightness = *state.lightBrightness;
    if (lighting) settings::TellReload(session, DevicePage::kLighting);
}
