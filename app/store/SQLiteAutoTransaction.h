#pragma once
// A transaction bound to a scope: begun on construction when the connection is
// open, committed when the scope ends unless Commit or Rollback ran first.
class SQLiteDB;

class SQLiteAutoTransaction {
public:
    explicit SQLiteAutoTransaction(SQLiteDB* db);
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
    bool m_active = false;
};
