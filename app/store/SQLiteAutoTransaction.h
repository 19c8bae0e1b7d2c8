#pragma once
// A transaction bound to a scope: begun on construction when the connection is
// open, committed when the scope ends unless Commit or Rollback ran first.
// Begun inside another transaction it is a savepoint of that one: its commit
// keeps its changes for the outer one to commit or roll back, its rollback
// undoes only its own.
class SQLiteDB;

class SQLiteAutoTransaction {
public:
    enum class Mode {
        kDeferred,   // takes the write lock at the first write
        // Takes the write lock at once. For a change that reads before it
        // writes: another connection cannot commit in between, so what was read
        // is still true when the writes run (a deferred one would fail there).
        kImmediate,
    };

    explicit SQLiteAutoTransaction(SQLiteDB* db, Mode mode = Mode::kDeferred);
    virtual ~SQLiteAutoTransaction();
    SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
    SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;

    // False when one is already active or no connection is open.
    bool Begin();
    // A commit that fails rolls back, so the connection is never left inside
    // an open transaction that would swallow the following writes.
    bool Commit();
    bool Rollback();
    bool IsActive() const { return m_active; }

private:
    SQLiteDB* m_db;
    Mode m_mode;
    bool m_active = false;
    bool m_nested = false;
};
