// Lighting: one row per profile and mode, one mode active per profile.
#include "LightDefaults.h"
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "SettingsDatabase.h"

namespace {

const char* const kCountLights = "select count(*) FROM t_light_data WHERE profile = ?";
const char* const kDeleteLights = "DELETE FROM t_light_data WHERE profile = ?";
const char* const kInsertLight =
    "INSERT INTO t_light_data(profile, name, mode, brightness, speed, direction, colorful, colorindex, "
    "color_value, config_func, reserved, status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";
const char* const kUpdateLight =
    "UPDATE t_light_data SET brightness = ?, speed = ?, direction = ?, colorful = ?, colorindex = ?,\t\t\t "
    "color_value = ?, config_func = ?, reserved = ? WHERE profile = ? AND mode = ?";
const char* const kSetBrightness = "UPDATE t_light_data SET brightness = ? WHERE profile = ? and mode = ?";
const char* const kSetSpeed = "UPDATE t_light_data SET speed = ? WHERE profile = ? and mode = ?";
const char* const kSetColor = "UPDATE t_light_data SET color_value = ? WHERE profile = ? and mode = ?";
const char* const kClearActive = "UPDATE t_light_data SET status = ? WHERE profile = ?";
const char* const kSetActive = "UPDATE t_light_data SET status = ? WHERE profile = ? and mode = ?";
const char* const kSelectActive = "SELECT mode FROM t_light_data WHERE profile = ? and status = ?";
const char* const kSelectLight =
    "SELECT light_id, profile, name, mode, brightness, speed, direction, colorful, colorindex, color_value, "
    "config_func, reserved, status FROM t_light_data WHERE profile = ? AND mode = ?";
const char* const kSelectLights =
    "SELECT light_id, profile, name, mode, brightness, speed, direction, colorful, colorindex, color_value, "
    "config_func, reserved, status FROM t_light_data WHERE profile = ?";

// False for a row whose identifier a caller could not hold.
bool ReadLight(const Query& q, LightRecord& r) {
    if (!q.Id(0, r.light_id)) return false;
    r.profile = q.Int(1);
    r.name = q.Text(2);
    r.mode = q.Int(3);
    r.brightness = q.Int(4);
    r.speed = q.Int(5);
    r.direction = q.Int(6);
    r.colorful = q.Int(7);
    r.colorindex = q.Int(8);
    r.color_value = q.Int(9);
    r.config_func = q.Int(10);
    r.reserved = q.Int(11);
    r.status = q.Int(12);
    return true;
}

}  // namespace

int SettingsDatabase::CountLights(int profile) {
    LockGuard guard(m_lock);
    return CountLightsLocked(profile);
}

int SettingsDatabase::CountLightsLocked(int profile) {
    Query q(m_db, kCountLights, profile);
    return q.Next() ? q.Int(0) : 0;
}

bool SettingsDatabase::EnsureDefaultLights(int profile) {
    LockGuard guard(m_lock);
    // The UI thread and the worker both get here on first use of a profile;
    // counting and creating as one change leaves exactly one set.
    SQLiteAutoTransaction transaction(&m_db, SQLiteAutoTransaction::Mode::kImmediate);
    if (!transaction.IsActive()) return false;
    if (!AddDefaultLightsLocked(profile)) {
        transaction.Rollback();
        return false;
    }
    return transaction.Commit();
}

// Run inside a transaction: a set cut short would be taken for the profile's own.
bool SettingsDatabase::AddDefaultLightsLocked(int profile) {
    if (CountLightsLocked(profile) > 0) return true;
    for (const LightRecord& light : DefaultLights(profile, m_deviceType))
        if (AddLightLocked(light) == 0) return false;
    return SetActiveLightModeLocked(profile, 0);
}

bool SettingsDatabase::DeleteProfileLights(int profile) {
    LockGuard guard(m_lock);
    return Query(m_db, kDeleteLights, profile).Run();
}

int SettingsDatabase::AddLight(const LightRecord& record) {
    LockGuard guard(m_lock);
    return AddLightLocked(record);
}

int SettingsDatabase::AddLightLocked(const LightRecord& r) {
    return Query(m_db, kInsertLight, r.profile, r.name, r.mode, r.brightness, r.speed, r.direction, r.colorful,
                 r.colorindex, r.color_value, r.config_func, r.reserved, r.status)
        .Insert();
}

bool SettingsDatabase::UpdateLight(int profile, int mode, const LightRecord& r) {
    LockGuard guard(m_lock);
    return Query(m_db, kUpdateLight, r.brightness, r.speed, r.direction, r.colorful, r.colorindex, r.color_value,
                 r.config_func, r.reserved, profile, mode)
        .Run();
}

bool SettingsDatabase::SetLightBrightness(int profile, int mode, int value) {
    LockGuard guard(m_lock);
    return Query(m_db, kSetBrightness, value, profile, mode).Run();
}

bool SettingsDatabase::SetLightSpeed(int profile, int mode, int value) {
    LockGuard guard(m_lock);
    return Query(m_db, kSetSpeed, value, profile, mode).Run();
}

bool SettingsDatabase::SetLightColor(int profile, int mode, int value) {
    LockGuard guard(m_lock);
    return Query(m_db, kSetColor, value, profile, mode).Run();
}

bool SettingsDatabase::SetActiveLightMode(int profile, int mode) {
    LockGuard guard(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    if (!SetActiveLightModeLocked(profile, mode)) {
        transaction.Rollback();
        return false;
    }
    return transaction.Commit();
}

// Run inside a transaction: a mode without a row must not leave the profile
// with no active mode.
bool SettingsDatabase::SetActiveLightModeLocked(int profile, int mode) {
    if (!Query(m_db, kClearActive, 0, profile).Run()) return false;
    return Query(m_db, kSetActive, 1, profile, mode).Run() && m_db.Changes() > 0;
}

int SettingsDatabase::GetActiveLightMode(int profile) {
    LockGuard guard(m_lock);
    Query q(m_db, kSelectActive, profile, 1);
    return q.Next() ? q.Int(0) : 0;
}

bool SettingsDatabase::GetLight(int profile, int mode, LightRecord& record) {
    LockGuard guard(m_lock);
    Query q(m_db, kSelectLight, profile, mode);
    LightRecord read;
    if (!q.Next() || !ReadLight(q, read)) return false;
    record = read;
    return true;
}

int SettingsDatabase::ListLights(int profile, std::vector<LightRecord>& records) {
    LockGuard guard(m_lock);
    records.clear();
    Query q(m_db, kSelectLights, profile);
    for (LightRecord r; q.Next();) {
        if (ReadLight(q, r)) records.push_back(r);
    }
    return static_cast<int>(records.size());
}
