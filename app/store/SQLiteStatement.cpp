#include "SQLiteStatement.h"

#include <sqlite3.h>

#include <string>

#include "Utf.h"

SQLiteStatement::~SQLiteStatement() { Finalize(); }

int SQLiteStatement::Finalize() {
    if (!m_stmt) return SQLITE_OK;
    // sqlite3_finalize releases the statement even when it reports the error
    // of the last step, so the handle is gone either way.
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_done = true;
    return SQLITE_OK;
}

int SQLiteStatement::BindInt(int index, int value) {
    if (!m_stmt) return SQLITE_MISUSE;
    return sqlite3_bind_int(m_stmt, index, value);
}

int SQLiteStatement::BindText(int index, const char* utf8, int bytes) {
    if (!m_stmt) return SQLITE_MISUSE;
    if (!utf8) {
        utf8 = "";
        bytes = 0;
    }
    return sqlite3_bind_text(m_stmt, index, utf8, bytes, SQLITE_TRANSIENT);
}

int SQLiteStatement::BindText(int index, const CString& text) {
    std::string bytes = utf::WideToUtf8(text.str());
    return BindText(index, bytes.c_str(), static_cast<int>(bytes.size()));
}

int SQLiteStatement::Step() {
    if (!m_stmt) return SQLITE_MISUSE;
    int rc = sqlite3_step(m_stmt);
    m_done = rc != SQLITE_ROW;
    return rc;
}

int SQLiteStatement::ColumnInt(int column) const {
    return m_stmt ? sqlite3_column_int(m_stmt, column) : 0;
}

long long SQLiteStatement::ColumnInt64(int column) const {
    return m_stmt ? sqlite3_column_int64(m_stmt, column) : 0;
}

const char* SQLiteStatement::ColumnText(int column) const {
    return m_stmt ? reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)) : nullptr;
}

CString SQLiteStatement::ColumnString(int column) const {
    const char* text = ColumnText(column);
    if (!text) return CString();
    int bytes = sqlite3_column_bytes(m_stmt, column);
    return CString(utf::Utf8ToWide(std::string_view(text, static_cast<std::size_t>(bytes))));
}
