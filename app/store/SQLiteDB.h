#pragma once
// Owner of one SQLite connection. With no connection open every call fails
// softly: SQLITE_MISUSE, false or -1, never an exception.
#include <cstdint>

struct sqlite3;
class SQLiteStatement;

class SQLiteDB {
public:
    // READWRITE | FULLMUTEX, and the same with CREATE.
    static constexpr int kOpenExisting = 0x10002;
    static constexpr int kOpenOrCreate = 0x10006;

    SQLiteDB() = default;
    virtual ~SQLiteDB();
    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;

    // Closes any open connection, then opens the file. A file that is not a
    // sound database is refused before anything is written to it. An accepted
    // connection runs in WAL mode with synchronous = NORMAL: a crash can lose
    // the last writes but never corrupts the file.
    bool Open(const char* pathUtf8, int flags);
    // False (and the connection kept) when SQLite refuses because statements are live.
    bool Close();
    bool IsOpen() const { return m_db != nullptr; }

    // Finalizes whatever `statement` held, then prepares `sql` into it.
    int Prepare(SQLiteStatement& statement, const char* sql, int length = -1);
    int Exec(const char* sql, int (*callback)(void*, int, char**, char**) = nullptr, void* arg = nullptr);
    std::int64_t LastInsertRowId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE; 0 with no connection.
    int Changes() const;

private:
    bool IsSoundDatabase();
    bool Configure();

    sqlite3* m_db = nullptr;
};
