// Profiles: always five, created together, exactly one active.
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "SettingsDatabase.h"

namespace {

constexpr int kProfileCount = kLastProfile - kFirstProfile + 1;

const char* const kInsertProfile = "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);";
const char* const kCountProfiles = "SELECT count(*) FROM t_profile_data";
const char* const kRenameProfile = "UPDATE t_profile_data SET name = ? WHERE profile = ?";
const char* const kSelectName = "SELECT name FROM t_profile_data WHERE profile = ?";
const char* const kSelectProfiles = "SELECT profile, name, status, app, type FROM t_profile_data";
const char* const kClearActive = "UPDATE t_profile_data SET status = ?";
const char* const kSetActive = "UPDATE t_profile_data SET status = ? WHERE profile = ?";
const char* const kSelectActive = "SELECT profile FROM t_profile_data WHERE status = ?";
const char* const kSelectIds = "SELECT profile FROM t_profile_data";
const char* const kSelectFirst = "SELECT min(profile) FROM t_profile_data";

}  // namespace

int SettingsDatabase::EnsureProfiles() {
    LockGuard guard(m_lock);
    // Counting and creating under one lock hold and one transaction: two
    // threads arriving together, or a crash half-way, never leave other than five.
    SQLiteAutoTransaction transaction(&m_db, SQLiteAutoTransaction::Mode::kImmediate);
    if (!transaction.IsActive()) return 0;
    CString word = m_naming ? m_naming->ProfileWord() : CString();
    // A missing language text must not give profiles nameless numbers.
    if (word.IsEmpty()) word = profile_names::kFallbackWord;
    for (int n = CountProfilesLocked() + 1; n <= kProfileCount; ++n) {
        if (AddProfileLocked(profile_names::DefaultName(word, n)) == 0) {
            transaction.Rollback();
            return 0;
        }
    }
    // Profile 1 in every file this program made; the lowest one in any other.
    if (GetActiveProfileLocked() < 1 && !SetActiveProfileLocked(FirstProfileLocked())) {
        transaction.Rollback();
        return 0;
    }
    if (m_hasLighting && !AddDefaultLightsToEveryProfileLocked()) {
        transaction.Rollback();
        return 0;
    }
    if (!transaction.Commit()) return 0;
    return GetActiveProfileLocked();
}

bool SettingsDatabase::AddDefaultLightsToEveryProfileLocked() {
    std::vector<int> ids;
    {
        Query q(m_db, kSelectIds);
        int profile = 0;
        while (q.Next())
            if (q.Id(0, profile)) ids.push_back(profile);
    }
    for (int profile : ids)
        if (!AddDefaultLightsLocked(profile)) return false;
    return true;
}

int SettingsDatabase::CountProfilesLocked() {
    Query q(m_db, kCountProfiles);
    return q.Next() ? q.Int(0) : 0;
}

int SettingsDatabase::FirstProfileLocked() {
    Query q(m_db, kSelectFirst);
    int profile = 0;
    return q.Next() && q.Id(0, profile) ? profile : 0;
}

int SettingsDatabase::AddProfileLocked(const CString& name) {
    // A new profile is never active.
    int id = Query(m_db, kInsertProfile, name, 0, CString(), 0).Insert();
    if (id > 0 && !WriteDefaultConfigLocked(id)) return 0;
    return id;
}

bool SettingsDatabase::RenameProfile(int profile, const CString& name) {
    LockGuard guard(m_lock);
    return Query(m_db, kRenameProfile, name, profile).Run();
}

bool SettingsDatabase::GetProfileName(int profile, CString& name) {
    LockGuard guard(m_lock);
    name.Empty();
    Query q(m_db, kSelectName, profile);
    if (!q.Next()) return false;
    name = LocalisedLocked(q.Text(0));
    return true;
}

int SettingsDatabase::ListProfiles(std::vector<ProfileRecord>& profiles) {
    LockGuard guard(m_lock);
    profiles.clear();
    Query q(m_db, kSelectProfiles);
    while (q.Next()) {
        ProfileRecord r;
        if (!q.Id(0, r.profile)) continue;
        r.name = LocalisedLocked(q.Text(1));
        r.status = q.Int(2);
        r.app = q.Text(3);
        r.type = q.Int(4);
        profiles.push_back(r);
    }
    return static_cast<int>(profiles.size());
}

bool SettingsDatabase::SetActiveProfile(int profile) {
    LockGuard guard(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    if (!SetActiveProfileLocked(profile)) {
        transaction.Rollback();
        return false;
    }
    return transaction.Commit();
}

// Run inside a transaction: activating a profile that has no row must not
// leave the file with no active profile at all.
bool SettingsDatabase::SetActiveProfileLocked(int profile) {
    if (!Query(m_db, kClearActive, 0).Run()) return false;
    return Query(m_db, kSetActive, 1, profile).Run() && m_db.Changes() > 0;
}

int SettingsDatabase::GetActiveProfile() {
    LockGuard guard(m_lock);
    return GetActiveProfileLocked();
}

int SettingsDatabase::GetActiveProfileLocked() {
    Query q(m_db, kSelectActive, 1);
    int profile = 0;
    return q.Next() && q.Id(0, profile) ? profile : 0;
}
