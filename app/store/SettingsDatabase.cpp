#include "SettingsDatabase.h"

#include "File.h"
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "Schema.h"

SettingsDatabase::~SettingsDatabase() {
    LockGuard guard(m_lock);
    m_db.Close();
    m_path.Empty();
}

SettingsDatabase& SettingsDatabase::Instance() {
    static SettingsDatabase instance;
    return instance;
}

CString SettingsDatabase::DatabasePath(const CString& dataFolder, const CString& deviceAttr) {
    return file::Join(file::Join(dataFolder, L"db"), deviceAttr + L"_data7.db");
}

bool SettingsDatabase::OpenForDevice(const CString& dataFolder, const CString& deviceAttr) {
    LockGuard guard(m_lock);
    return OpenFileLocked(DatabasePath(dataFolder, deviceAttr));
}

bool SettingsDatabase::OpenForDeviceAndReset(const CString& dataFolder, const CString& deviceAttr) {
    LockGuard guard(m_lock);
    if (!OpenFileLocked(DatabasePath(dataFolder, deviceAttr))) return false;
    return ResetLocked();
}

bool SettingsDatabase::OpenFileLocked(const CString& path) {
    // Reopening the file in use keeps its connection; any other file replaces it,
    // so a reset never empties a file other than the one asked for.
    if (m_db.IsOpen() && path == m_path) return true;
    if (!m_db.Close()) return false;
    m_path = path;
    int flags = file::Exists(path) ? SQLiteDB::kOpenExisting : SQLiteDB::kOpenOrCreate;
    if (!m_db.Open(file::NativeUtf8(path).c_str(), flags)) return false;
    // An empty or partial file (a crash right after creation, an older
    // version's file) gets its missing tables on every open.
    if (!CreateSchemaLocked()) {
        m_db.Close();
        return false;
    }
    return true;
}

bool SettingsDatabase::CreateSchemaLocked() {
    bool ok = true;
    for (const char* sql : schema::CreateStatements()) ok = m_db.Exec(sql) == SQLITE_OK && ok;
    return ok;
}

void SettingsDatabase::CloseIfOpen() {
    LockGuard guard(m_lock);
    m_db.Close();
}

bool SettingsDatabase::IsOpen() const {
    LockGuard guard(m_lock);
    return m_db.IsOpen();
}

CString SettingsDatabase::Path() const {
    LockGuard guard(m_lock);
    return m_path;
}

bool SettingsDatabase::ResetAllTables() {
    LockGuard guard(m_lock);
    return ResetLocked();
}

bool SettingsDatabase::ResetLocked() {
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    for (const char* sql : schema::ResetStatements()) {
        if (!Query(m_db, sql).Run()) {
            transaction.Rollback();
            return false;
        }
    }
    return transaction.Commit();
}

void SettingsDatabase::SetDeviceType(int deviceType) {
    LockGuard guard(m_lock);
    m_deviceType = deviceType;
}

int SettingsDatabase::DeviceType() const {
    LockGuard guard(m_lock);
    return m_deviceType;
}

void SettingsDatabase::SetProfileNaming(const ProfileNaming* naming) {
    LockGuard guard(m_lock);
    m_naming = naming;
}

CString SettingsDatabase::LocalisedLocked(const CString& stored) const {
    return m_naming ? profile_names::Localise(stored, m_naming->CurrentLanguage()) : stored;
}
