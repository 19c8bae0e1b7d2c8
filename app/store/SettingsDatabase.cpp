#include "SettingsDatabase.h"

#include <cstdlib>

#include "DamagedFile.h"
#include "File.h"
#include "ModelName.h"
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "Schema.h"
#include "StoreTrace.h"
#include "Utf.h"

namespace {

// Gives an empty or partial file (a crash right after creation, an older
// version's file) its missing tables, and checks that the tables it has are
// laid out as the store reads them. One transaction: a file that fails keeps
// every byte it had.
int PrepareSchema(SQLiteDB& db) {
    int rc = db.Exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    for (auto statements : {schema::CreateStatements(), schema::LayoutChecks()}) {
        for (const char* sql : statements) {
            rc = db.Exec(sql);
            if (rc != SQLITE_OK) {
                db.Exec("ROLLBACK");
                return rc;
            }
        }
    }
    rc = db.Exec("COMMIT");
    if (rc != SQLITE_OK) db.Exec("ROLLBACK");
    return rc;
}

CString Quoted(const CString& text) { return L"\"" + text + L"\""; }

CString ErrorText(int rc) { return CString(utf::Utf8ToWide(sqlite3_errstr(rc))); }

}  // namespace

SettingsDatabase::~SettingsDatabase() {
    LockGuard guard(m_lock);
    m_db.Close();
    m_path.Empty();
}

SettingsDatabase& SettingsDatabase::Instance() {
    static SettingsDatabase* const instance = [] {
        auto* store = new SettingsDatabase;
        std::atexit([] { Instance().CloseForGood(); });
        return store;
    }();
    return *instance;
}

CString SettingsDatabase::DatabasePath(const CString& dataFolder, const CString& deviceAttr) {
    if (!IsSafeModelName(deviceAttr)) return CString();
    return file::Join(file::Join(dataFolder, L"db"), deviceAttr + L"_data7.db");
}

bool SettingsDatabase::OpenForDevice(const CString& dataFolder, const CString& deviceAttr) {
    LockGuard guard(m_lock);
    return OpenModelLocked(dataFolder, deviceAttr);
}

bool SettingsDatabase::OpenForDeviceAndReset(const CString& dataFolder, const CString& deviceAttr) {
    LockGuard guard(m_lock);
    return OpenModelLocked(dataFolder, deviceAttr) && ResetLocked();
}

bool SettingsDatabase::OpenModelLocked(const CString& dataFolder, const CString& deviceAttr) {
    CString path = DatabasePath(dataFolder, deviceAttr);
    if (path.IsEmpty()) {
        TraceLocked(L"model name " + Quoted(deviceAttr) + L" refused: it is no plain file name");
        return false;
    }
    return OpenFileLocked(path);
}

bool SettingsDatabase::OpenFileLocked(const CString& path) {
    if (m_closedForGood) return false;
    // Reopening the file in use keeps its connection; any other file replaces it,
    // so a reset never empties a file other than the one asked for.
    if (m_db.IsOpen() && path == m_path) return true;
    if (!CloseLocked()) return false;
    m_path = path;
    bool existed = file::Exists(path);
    if (OpenVettedLocked(existed)) return true;
    if (!existed || !m_db.FoundDamage()) return false;
    // The user's settings are in there: keep the file as it is and go on with
    // a fresh one rather than failing on every start.
    CString reason = ErrorText(m_db.OpenError());
    CString aside = SetAsideDamagedFile(path);
    if (aside.IsEmpty()) {
        TraceLocked(L"settings file " + Quoted(path) + L" cannot be used (" + reason +
                    L") and cannot be renamed aside; left as it is");
        return false;
    }
    TraceLocked(L"settings file " + Quoted(path) + L" cannot be used (" + reason + L"); kept as " +
                Quoted(aside) + L", a new file takes its place");
    return OpenVettedLocked(false);
}

bool SettingsDatabase::OpenVettedLocked(bool existing) {
    int flags = existing ? SQLiteDB::kOpenExisting : SQLiteDB::kOpenOrCreate;
    return m_db.Open(file::NativeUtf8(m_path).c_str(), flags, PrepareSchema);
}

void SettingsDatabase::CloseIfOpen() {
    LockGuard guard(m_lock);
    CloseLocked();
}

// A connection that stays open keeps the file locked until the program ends; the trace
// names what holds it.
bool SettingsDatabase::CloseLocked() {
    if (m_db.Close()) return true;
    CString note = L"settings file " + Quoted(m_path) + L" stays open: statements still live:";
    for (const std::string& sql : m_db.LiveStatements()) note += L" [" + CString(utf::Utf8ToWide(sql)) + L"]";
    TraceLocked(note);
    return false;
}

void SettingsDatabase::CloseForGood() {
    LockGuard guard(m_lock);
    m_closedForGood = true;
    m_db.Close();
}

void SettingsDatabase::SetTrace(Trace trace) {
    LockGuard guard(m_lock);
    m_trace = std::move(trace);
}

void SettingsDatabase::TraceLocked(const CString& note) const {
    if (m_trace) m_trace(note);
    else DefaultStoreTrace(note);
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

bool SettingsDatabase::RunAsOneChange(const std::function<bool()>& change) {
    LockGuard guard(m_lock);
    SQLiteAutoTransaction transaction(&m_db, SQLiteAutoTransaction::Mode::kImmediate);
    if (!transaction.IsActive()) return false;
    if (change()) return transaction.Commit();
    transaction.Rollback();
    return false;
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

void SettingsDatabase::SetHasLighting(bool hasLighting) {
    LockGuard guard(m_lock);
    m_hasLighting = hasLighting;
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
