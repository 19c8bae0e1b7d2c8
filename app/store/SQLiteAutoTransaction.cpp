#include "SQLiteAutoTransaction.h"

#include <sqlite3.h>

#include "SQLiteDB.h"

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB* db, Mode mode) : m_db(db), m_mode(mode) {
    Begin();
}

SQLiteAutoTransaction::~SQLiteAutoTransaction() {
    if (m_active) Commit();
}

bool SQLiteAutoTransaction::Begin() {
    if (!m_db || m_active || !m_db->IsOpen()) return false;
    m_nested = m_db->InTransaction();
    const char* begin = m_nested ? "SAVEPOINT nested" : m_mode == Mode::kImmediate ? "BEGIN IMMEDIATE" : "BEGIN";
    m_active = m_db->Exec(begin) == SQLITE_OK;
    return m_active;
}

bool SQLiteAutoTransaction::Commit() {
    if (!m_db || !m_active) return false;
    m_active = false;
    if (m_db->Exec(m_nested ? "RELEASE nested" : "END") == SQLITE_OK) return true;
    m_active = true;
    Rollback();
    return false;
}

bool SQLiteAutoTransaction::Rollback() {
    if (!m_db || !m_active) return false;
    m_active = false;
    if (!m_nested) return m_db->Exec("ROLLBACK") == SQLITE_OK;
    return m_db->Exec("ROLLBACK TO nested") == SQLITE_OK && m_db->Exec("RELEASE nested") == SQLITE_OK;
}
