#pragma once
// The store's one way of running a statement: a constant SQL text, prepared
// on the open connection and bound in order (ints and wide strings). Used only
// inside SettingsDatabase operations, with the store's lock already held.
#include <sqlite3.h>

#include <cstdint>

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
    // Runs an INSERT; the new row's identifier, or 0 when it failed.
    int Insert() {
        if (!Run()) return 0;
        std::int64_t id = m_db.LastInsertRowId();
        return id > 0 ? static_cast<int>(id & 0x7FFFFFFF) : 0;
    }

    int Int(int column) const { return m_statement.ColumnInt(column); }
    CString Text(int column) const { return m_statement.ColumnString(column); }

private:
    void Bind(int index, int value) { m_statement.BindInt(index, value); }
    void Bind(int index, const CString& text) { m_statement.BindText(index, text); }

    SQLiteDB& m_db;
    SQLiteStatement m_statement;
};
