// Configuration values: one decimal text per profile and key.
#include <cwchar>
#include <limits>
#include <string>

#include "ConfigDefaults.h"
#include "Query.h"
#include "SettingsDatabase.h"

namespace {

const char* const kUpdateValue = "UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?";
const char* const kInsertValue = "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);";
const char* const kSelectValue = "SELECT value FROM t_configdata WHERE profile = ? and key = ?";

bool ParseInt(const CString& text, int& value) {
    const std::wstring& s = text.str();
    if (s.empty()) return false;
    wchar_t* end = nullptr;
    long long parsed = std::wcstoll(s.c_str(), &end, 10);
    if (end != s.c_str() + s.size()) return false;
    if (parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

bool SettingsDatabase::SetConfigValue(int profile, const CString& key, const CString& value) {
    // A row the program never reads is no setting: a caller's slip must not
    // grow the file with it.
    if (profile < kFirstProfile || profile > kLastProfile || !IsConfigKey(key)) return false;
    LockGuard guard(m_lock);
    if (!Query(m_db, kUpdateValue, value, profile, key).Run()) return false;
    // A file from another version may lack the row; storing nothing while
    // reporting success would lose the user's setting.
    if (m_db.Changes() > 0) return true;
    return Query(m_db, kInsertValue, profile, key, value).Run();
}

bool SettingsDatabase::SetConfigValue(int profile, const CString& key, int value) {
    return SetConfigValue(profile, key, CString(std::to_wstring(value)));
}

bool SettingsDatabase::GetConfigValue(int profile, const CString& key, CString& value) {
    LockGuard guard(m_lock);
    value.Empty();
    Query q(m_db, kSelectValue, profile, key);
    if (!q.Next()) return false;
    value = q.Text(0);
    return true;
}

bool SettingsDatabase::GetConfigInt(int profile, const CString& key, int& value) {
    CString text;
    return GetConfigValue(profile, key, text) && ParseInt(text, value);
}

bool SettingsDatabase::WriteDefaultConfigLocked(int profile) {
    bool ok = true;
    for (const ConfigDefault& row : DefaultConfig(m_deviceType)) {
        ok = Query(m_db, kInsertValue, profile, CString(row.key), row.value).Run() && ok;
    }
    return ok;
}
