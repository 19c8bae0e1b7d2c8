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
    m_active = m_db->Exec(m_mode == Mode::kImmediate ? "BEGIN IMMEDIATE" : "BEGIN") == SQLITE_OK;
    return m_active;
}

bool SQLiteAutoTransaction::Commit() {
    if (!m_db || !m_active) return false;
    m_active = false;
    if (m_db->Exec("END") == SQLITE_OK) return true;
    m_db->Exec("ROLLBACK");
    return false;
}

bool SQLiteAutoTransaction::Rollback() {
    if (!m_db || !m_active) return false;
    m_active = false;
    return m_db->Exec("ROLLBACK") == SQLITE_OK;
}
