#pragma once
// Owner of one SQLite connection. With no connection open every call fails
// softly: SQLITE_MISUSE, false or -1, never an exception.
#include <cstdint>
#include <string>
#include <vector>
#include <functional>

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

    // Decides whether a sound file is one the caller can use, before the
    // connection changes anything about the file (its journal mode). SQLITE_OK
    // accepts it; SQLITE_ERROR (tables of another layout), SQLITE_CORRUPT and
    // SQLITE_NOTADB refuse it as unusable; other codes as not reachable now.
    // Whatever it writes must be undone when it refuses.
    using Vetting = std::function<int(SQLiteDB&)>;

    // Closes any open connection, then opens the file. A file that is not a
    // sound database, or that `vet` refuses, is refused before anything is
    // written to it (FoundDamage tells that apart from a file that could not
    // be opened at all). An accepted connection runs in WAL mode with
    // synchronous = NORMAL: a crash can lose the last writes but never
    // corrupts the file.
    bool Open(const char* pathUtf8, int flags, const Vetting& vet = {});
    // Why the last Open failed (SQLITE_OK after a success).
    int OpenError() const { return m_openError; }
    // True when the last Open was refused because the file is damaged, no
    // database, or of another layout; false after a success or a failure to
    // reach the file (missing folder, no permission, locked by another program).
    bool FoundDamage() const { return m_foundDamage; }
    // False (and the connection kept) when SQLite refuses because statements are live.
    bool Close();
    bool IsOpen() const { return m_db != nullptr; }
    // The SQL of every statement still prepared on the connection: what keeps Close
    // from closing.
    std::vector<std::string> LiveStatements() const;

    // Finalizes whatever `statement` held, then prepares `sql` into it.
    int Prepare(SQLiteStatement& statement, const char* sql, int length = -1);
    int Exec(const char* sql, int (*callback)(void*, int, char**, char**) = nullptr, void* arg = nullptr);
    std::int64_t LastInsertRowId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE; 0 with no connection.
    int Changes() const;
    // True while a transaction is open on the connection.
    bool InTransaction() const;

private:
    int CheckSoundness();
    bool Configure();

    sqlite3* m_db = nullptr;
    int m_openError = 0;
    bool m_foundDamage = false;
};
