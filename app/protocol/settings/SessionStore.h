#pragma once
// What the first family's device tasks share about the session: reading the
// current profile's performance settings from the store, storing what the mouse
// reported, and telling the listener. Both dialects use them, so a value travels
// the same way whichever dialect carried it.
#include <span>

#include "DeviceSession.h"
#include "LightingCodec.h"
#include "PerformanceReadBack.h"

namespace settings {

// The current profile's settings as the commands send them; a key without a row
// counts as its default.
codec::PerformanceSettings StoredPerformance(DeviceSession& session);
int StoredLevelCount(DeviceSession& session);

// Stores each value of a read-back that passed its checks into the current
// profile (DPI values into both the X and the Y key); the rest is ignored.
void StorePerformance(DeviceSession& session, const codec::PerformanceReadBack& readBack);
// Each value the mouse reported out of range goes to the debug trace; none is stored.
void TraceRejected(const codec::Rejections& rejected, const char* source);

// Makes `profile` (1-5) the session's and the store's current profile; the
// listener hears of it when the session's changed.
void MakeProfileCurrent(DeviceSession& session, int profile);
// The same for the session alone, for a profile the store already holds as active.
void FollowProfile(DeviceSession& session, int profile);

// Step 1 of reading everything: the profile table exists, its current profile is
// the session's, and the mouse counts as not connected until it says otherwise.
void BeginReadAll(DeviceSession& session);

// The lighting values of the answers of the feature dialect's lighting reads:
// answer byte 2 + m belongs to mode m; a mode without a record is left alone.
enum class LightValue { kBrightness, kSpeed, kColour };
void StoreLightValues(DeviceSession& session, LightValue what, const codec::LightModeBytes& values);

// The lighting mode a lighting task sends: the one the task was queued for, else
// the profile's active mode.
int LightModeOfTask(DeviceSession& session);

// Listener calls that do nothing when nobody listens.
void TellStatus(DeviceSession& session, int textId);
void TellBattery(DeviceSession& session, int level, int state);
// Keeps what the mouse reported of its battery and shows it.
void StoreBattery(DeviceSession& session, const codec::BatteryState& battery);
void TellPagesEnabled(DeviceSession& session, bool enabled);
void TellReload(DeviceSession& session, DevicePage page);
// The key, macro, performance and (with lighting) lighting pages.
void TellReloadAll(DeviceSession& session);
// What a reset of parts of the mouse (codec::kResetButtons, kResetLighting) means
// for the store and the pages: the lighting starts again from the default modes.
void ResetStoredParts(DeviceSession& session, int mask);
void TellReadFinished(DeviceSession& session, bool ok);

}  // namespace settings
