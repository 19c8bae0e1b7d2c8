#pragma once
// One prepared statement. Text is always bound as a copy, so the caller's
// buffer may die before the step, and an empty string binds as '' (never NULL).
#include "CString.h"

struct sqlite3_stmt;

class SQLiteStatement {
public:
    SQLiteStatement() = default;
    virtual ~SQLiteStatement();
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;

    int Finalize();
    // Parameter indexes start at 1; SQLITE_MISUSE when nothing is prepared.
    int BindInt(int index, int value);
    int BindText(int index, const char* utf8, int bytes);
    int BindText(int index, const CString& text);
    int Step();
    // Column indexes start at 0. A NULL or missing column reads as 0 or "".
    int ColumnInt(int column) const;
    long long ColumnInt64(int column) const;
    const char* ColumnText(int column) const;
    CString ColumnString(int column) const;

    bool HasHandle() const { return m_stmt != nullptr; }
    // True when no row work is pending: nothing prepared, or the last step finished.
    bool IsDone() const { return m_done; }

private:
    friend class SQLiteDB;

    sqlite3_stmt* m_stmt = nullptr;
    bool m_done = true;
};
