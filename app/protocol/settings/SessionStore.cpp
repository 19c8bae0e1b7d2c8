#include "SessionStore.h"

#include "DebugTrace.h"
#include "PerformanceConfig.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"

namespace settings {
namespace {

bool ValidProfile(int profile) { return profile >= 1 && profile <= 5; }

}  // namespace

codec::PerformanceSettings StoredPerformance(DeviceSession& session) {
    SettingsDatabase& store = *session.store;
    int profile = session.currentProfile;
    codec::ConfigLookup lookup = [&store, profile](const CString& key) -> std::optional<int> {
        int value = 0;
        if (!store.GetConfigInt(profile, key, value)) return std::nullopt;
        return value;
    };
    return codec::SettingsFromConfig(lookup, codec::PerformanceSettings{});
}

int StoredLevelCount(DeviceSession& session) { return StoredPerformance(session).dpi.count; }

void TraceRejected(const codec::Rejections& rejected, const char* source) {
    for (const codec::Rejected& r : rejected)
        DebugTrace("%s: %.*s %d is out of range and was not stored", source, static_cast<int>(r.field.size()),
                   r.field.data(), r.value);
}

void StorePerformance(DeviceSession& session, const codec::PerformanceReadBack& readBack) {
    TraceRejected(readBack.rejected, "performance read-back");
    for (const codec::ConfigValue& value : codec::ConfigValuesOf(readBack))
        session.store->SetConfigValue(session.currentProfile, value.key, value.value);
}

void FollowProfile(DeviceSession& session, int profile) {
    if (session.currentProfile.Change(profile) && session.listener)
        session.listener->OnCurrentProfileChanged(profile);
}

void MakeProfileCurrent(DeviceSession& session, int profile) {
    if (!ValidProfile(profile)) return;
    session.store->SetActiveProfile(profile);
    FollowProfile(session, profile);
}

void BeginReadAll(DeviceSession& session) {
    SettingsDatabase& store = *session.store;
    store.EnsureProfiles();
    int active = store.GetActiveProfile();
    FollowProfile(session, active);
    session.mouseConnected = false;
}

void StoreLightValues(DeviceSession& session, LightValue what, const codec::LightModeBytes& values) {
    SettingsDatabase& store = *session.store;
    int profile = session.currentProfile;
    for (int mode = 0; mode < codec::kLightAnswerModes; ++mode) {
        LightRecord record;
        if (!store.GetLight(profile, mode, record)) continue;
        int value = values[static_cast<std::size_t>(mode)];
        switch (what) {
        case LightValue::kBrightness: store.SetLightBrightness(profile, mode, value); break;
        case LightValue::kSpeed: store.SetLightSpeed(profile, mode, value); break;
        case LightValue::kColour: store.SetLightColor(profile, mode, value); break;
        }
    }
}

int LightModeOfTask(DeviceSession& session) {
    if (session.lightMode >= 0) return session.lightMode;
    return session.store->GetActiveLightMode(session.currentProfile);
}

void TellStatus(DeviceSession& session, int textId) {
    if (session.listener && textId != 0) session.listener->OnStatusText(textId);
}

void TellBattery(DeviceSession& session, int level, int state) {
    if (session.listener) session.listener->OnBattery(level, state);
}

void StoreBattery(DeviceSession& session, const codec::BatteryState& battery) {
    session.battery = battery.level;
    session.charging = battery.charging;
    TellBattery(session, session.battery, session.charging ? 1 : 0);
}

void TellPagesEnabled(DeviceSession& session, bool enabled) {
    if (session.listener) session.listener->OnPagesEnabled(enabled);
}

void TellReload(DeviceSession& session, DevicePage page) {
    if (session.listener) session.listener->OnReloadPage(page);
}

void TellReloadAll(DeviceSession& session) {
    TellReload(session, DevicePage::kKeys);
    TellReload(session, DevicePage::kMacros);
    TellReload(session, DevicePage::kPerformance);
    if (session.hasLighting) TellReload(session, DevicePage::kLighting);
}

void TellReadFinished(DeviceSession& session, bool ok) {
    if (session.listener) session.listener->OnModelReadFinished(ok);
}

void ResetStoredParts(DeviceSession& session, int mask) {
    if (mask & codec::kResetButtons) TellReload(session, DevicePage::kKeys);
    if ((mask & codec::kResetLighting) && session.hasLighting) {
        session.store->DeleteProfileLights(session.currentProfile);
        session.store->EnsureDefaultLights(session.currentProfile);
        TellReload(session, DevicePage::kLighting);
    }
}

}  // namespace settings
