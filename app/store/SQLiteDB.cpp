#include "SQLiteDB.h"

#include <sqlite3.h>

#include <cstring>

#include "SQLiteStatement.h"

namespace {

// Settings files are small; a full structural check costs little and keeps a
// damaged or foreign file from being written to.
int CheckCallback(void* arg, int columns, char** values, char**) {
    bool* sound = static_cast<bool*>(arg);
    *sound = *sound && columns == 1 && values[0] && std::strcmp(values[0], "ok") == 0;
    return 0;
}

// Another program (a second tool on the same file) may hold a write lock briefly.
constexpr int kBusyTimeoutMs = 2000;

}  // namespace

SQLiteDB::~SQLiteDB() {
    if (m_db) sqlite3_interrupt(m_db);
    Close();
}

bool SQLiteDB::Open(const char* pathUtf8, int flags, const Vetting& vet) {
    m_foundDamage = false;
    m_openError = SQLITE_MISUSE;
    if (m_db) {
        sqlite3_interrupt(m_db);
        if (!Close()) return false;
    }
    if (!pathUtf8) return false;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(pathUtf8, &db, flags, nullptr) & 0xFF;
    m_db = db;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        // Until the file is accepted, closing must not fold a write-ahead log
        // into it: a refused file stays exactly as it was.
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        rc = CheckSoundness();
        m_foundDamage = rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB;
        if (rc == SQLITE_OK && vet) {
            rc = vet(*this) & 0xFF;
            m_foundDamage = rc == SQLITE_ERROR || rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB;
        }
        if (rc == SQLITE_OK && !Configure()) {
            rc = sqlite3_errcode(m_db) & 0xFF;
            if (rc == SQLITE_OK) rc = SQLITE_ERROR;
        }
    }
    if (rc != SQLITE_OK) {
        m_openError = rc;
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    m_openError = SQLITE_OK;
    return true;
}

// SQLITE_OK for a sound file; SQLITE_CORRUPT when the check finds damage;
// otherwise the error that kept it from reading the file.
int SQLiteDB::CheckSoundness() {
    bool sound = true;
    int rc = sqlite3_exec(m_db, "PRAGMA quick_check(1)", CheckCallback, &sound, nullptr) & 0xFF;
    if (rc == SQLITE_OK && !sound) return SQLITE_CORRUPT;
    return rc;
}

bool SQLiteDB::Configure() {
    // Where WAL is impossible SQLite answers with the mode it kept instead of
    // failing; the file then goes on with its rollback journal.
    if (sqlite3_exec(m_db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    return sqlite3_exec(m_db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::vector<std::string> SQLiteDB::LiveStatements() const {
    std::vector<std::string> live;
    if (!m_db) return live;
    for (sqlite3_stmt* stmt = sqlite3_next_stmt(m_db, nullptr); stmt; stmt = sqlite3_next_stmt(m_db, stmt)) {
        const char* sql = sqlite3_sql(stmt);
        live.emplace_back(sql ? sql : "");
    }
    return live;
}

bool SQLiteDB::Close() {
    if (!m_db) return true;
    if (sqlite3_close(m_db) != SQLITE_OK) return false;
    m_db = nullptr;
    return true;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, const char* sql, int length) {
    if (statement.Finalize() != SQLITE_OK) return SQLITE_MISUSE;
    if (!m_db || !sql) return SQLITE_MISUSE;
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, length, &stmt, nullptr);
    statement.m_stmt = stmt;
    statement.m_done = stmt == nullptr;
    return rc;
}

int SQLiteDB::Exec(const char* sql, int (*callback)(void*, int, char**, char**), void* arg) {
    if (!m_db || !sql) return SQLITE_MISUSE;
    return sqlite3_exec(m_db, sql, callback, arg, nullptr);
}

std::int64_t SQLiteDB::LastInsertRowId() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : -1;
}

int SQLiteDB::Changes() const {
    return m_db ? sqlite3_changes(m_db) : 0;
}

bool SQLiteDB::InTransaction() const { return m_db && sqlite3_get_autocommit(m_db) == 0; }
