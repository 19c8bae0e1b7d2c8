#include "NotificationDispatch.h"

#include "DeviceEvents.h"
#include "DeviceModeEntry.h"
#include "HidDeviceManager.h"
#include "PerformanceConfig.h"
#include "SessionStore.h"
#include "SettingsDatabase.h"
#include "StatusCodec.h"

namespace settings {
namespace {

// Changes made with the mouse's own lighting buttons: the reported mode becomes the
// active one, and its values those of the profile's record of that mode.
void HandleLighting(DeviceSession& session, const codec::LightingReport& report) {
    if (!session.hasLighting) return;
    SettingsDatabase& store = *session.store;
    int profile = session.currentProfile;
    if (store.GetActiveLightMode(profile) != report.mode) store.SetActiveLightMode(profile, report.mode);
    LightRecord record;
    if (store.GetLight(profile, report.mode, record)) {
        if (record.brightness != report.brightness) store.SetLightBrightness(profile, report.mode, report.brightness);
        if (record.speed != report.speed) store.SetLightSpeed(profile, report.mode, report.speed);
        if (record.color_value != report.colour) store.SetLightColor(profile, report.mode, report.colour);
    }
    TellReload(session, DevicePage::kLighting);
}

void StoreIfChanged(DeviceSession& session, const CString& key, int value) {
    int stored = -1;
    if (session.store->GetConfigInt(session.currentProfile, key, stored) && stored == value) return;
    session.store->SetConfigValue(session.currentProfile, key, value);
    TellReload(session, DevicePage::kPerformance);
}

bool HandleState(DeviceSession& session, HidDeviceManager& manager, const codec::MouseStateReport& state,
                 const Reread& reread) {
    int previousMode = session.workMode;
    bool previousConnected = session.mouseConnected;
    session.workMode = state.workMode;
    session.mouseConnected = state.connected;
    TellStatus(session, ConnectionTextFor(state.workMode, state.connected));
    bool receiver = IsReceiverMode(state.workMode);
    if (receiver) manager.SetOnline(session.deviceType, state.workMode, state.connected ? 1 : 0);
    if ((receiver || state.workMode == 2) && !state.connected) {
        TellBattery(session, 0, kBatteryCleared);
        TellPagesEnabled(session, false);
        return true;
    }
    TellPagesEnabled(session, true);
    if (state.workMode != previousMode || state.connected != previousConnected) return reread(true);

    if (state.battery) StoreBattery(session, *state.battery);
    if (state.dpiLevel) StoreIfChanged(session, codec::keys::kDpiIndex, *state.dpiLevel);
    if (state.rateCode) StoreIfChanged(session, codec::keys::kReportRate, *state.rateCode);
    return true;
}

}  // namespace

bool DispatchNotification(DeviceSession& session, HidDeviceManager& manager, codec::Dialect dialect,
                          codec::Bytes report, const Reread& reread) {
    std::optional<codec::Notification> n = codec::DecodeNotification(dialect, report, StoredLevelCount(session));
    if (!n) return true;
    // Values out of range are never stored; the rest of the report still counts.
    TraceRejected(n->rejected, "notification");
    switch (n->code) {
    case codec::NotificationCode::kLighting:
        HandleLighting(session, n->lighting);
        return true;
    case codec::NotificationCode::kState:
        return HandleState(session, manager, n->state, reread);
    case codec::NotificationCode::kFactoryReset:
        return reread(false);
    case codec::NotificationCode::kRestarted:
    case codec::NotificationCode::kCommandResult:
    case codec::NotificationCode::kAcknowledgement:
        return true;
    }
    return true;
}

}  // namespace settings
