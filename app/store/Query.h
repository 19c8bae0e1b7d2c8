#pragma once
// The store's one way of running a statement: a constant SQL text, prepared
// on the open connection and bound in order (ints and wide strings). Used only
// inside SettingsDatabase operations, with the store's lock already held.
#include <sqlite3.h>

#include <cstdint>
#include <limits>

#include "CString.h"
#include "SQLiteDB.h"
#include "SQLiteStatement.h"

class Query {
public:
    template <class... Args>
    Query(SQLiteDB& db, const char* sql, const Args&... args) : m_db(db) {
        m_db.Prepare(m_statement, sql);
        int index = 1;
        (Bind(index++, args), ...);
    }

    // Steps once; a write succeeded when the step did not report an error.
    bool Run() {
        int rc = m_statement.Step();
        return rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE;
    }
    // Steps to the next row; false at the end or on any error.
    bool Next() { return m_statement.Step() == SQLITE_ROW; }
    // Runs an INSERT; the new row's identifier, or 0 when it failed. Callers
    // hold identifiers in 32 bits, so a row whose identifier would not fit is
    // taken back (a savepoint makes that possible inside or outside a
    // transaction) and counts as a failure rather than a truncated id.
    int Insert() {
        if (m_db.Exec("SAVEPOINT store_insert") != SQLITE_OK) return 0;
        std::int64_t id = Run() ? m_db.LastInsertRowId() : 0;
        bool fits = IdFits(id);
        if (!fits) m_db.Exec("ROLLBACK TO store_insert");
        if (m_db.Exec("RELEASE store_insert") != SQLITE_OK) return 0;
        return fits ? static_cast<int>(id) : 0;
    }

    int Int(int column) const { return m_statement.ColumnInt(column); }
    // A row identifier; false when it is not one a 32-bit caller can hold
    // (a file written by something else), so the row is not read as another.
    bool Id(int column, int& id) const {
        std::int64_t value = m_statement.ColumnInt64(column);
        if (!IdFits(value)) return false;
        id = static_cast<int>(value);
        return true;
    }
    CString Text(int column) const { return m_statement.ColumnString(column); }

private:
    static bool IdFits(std::int64_t id) { return id > 0 && id <= std::numeric_limits<int>::max(); }
    void Bind(int index, int value) { m_statement.BindInt(index, value); }
    void Bind(int index, const CString& text) { m_statement.BindText(index, text); }

    SQLiteDB& m_db;
    SQLiteStatement m_statement;
};
