// The SQLite wrappers, and a store with no file open.
#include <sqlite3.h>

#include "SQLiteAutoTransaction.h"
#include "SQLiteDB.h"
#include "SQLiteStatement.h"
#include "StoreTestSupport.h"
#include "File.h"

using namespace storetest;

namespace {

class AccessLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = SettingsDatabase::DatabasePath(ScratchFolder(), L"M1");
        ASSERT_TRUE(m_db.Open(file::NativeUtf8(m_path).c_str(), SQLiteDB::kOpenOrCreate));
        ASSERT_EQ(m_db.Exec("CREATE TABLE t(a INTEGER, b TEXT)"), SQLITE_OK);
    }
    int Count() {
        SQLiteStatement s;
        m_db.Prepare(s, "SELECT count(*) FROM t");
        return s.Step() == SQLITE_ROW ? s.ColumnInt(0) : -1;
    }

    CString m_path;
    SQLiteDB m_db;
};

}  // namespace

TEST_F(AccessLayerTest, TextIsCopiedAndEmptyTextIsNotNull) {
    SQLiteStatement insert;
    ASSERT_EQ(m_db.Prepare(insert, "INSERT INTO t(a, b) VALUES (?, ?)"), SQLITE_OK);
    {
        std::string temporary = "gone before the step";
        EXPECT_EQ(insert.BindText(2, temporary.c_str(), static_cast<int>(temporary.size())), SQLITE_OK);
        temporary.assign(temporary.size(), '#');
    }
    EXPECT_EQ(insert.BindInt(1, 1), SQLITE_OK);
    EXPECT_EQ(insert.Step(), SQLITE_DONE);
    EXPECT_TRUE(insert.IsDone());
    EXPECT_EQ(m_db.LastInsertRowId(), 1);

    ASSERT_EQ(m_db.Prepare(insert, "INSERT INTO t(a, b) VALUES (2, ?)"), SQLITE_OK);
    EXPECT_EQ(insert.BindText(1, CString()), SQLITE_OK);
    EXPECT_EQ(insert.Step(), SQLITE_DONE);
    ASSERT_EQ(m_db.Prepare(insert, "INSERT INTO t(a, b) VALUES (3, NULL)"), SQLITE_OK);
    EXPECT_EQ(insert.Step(), SQLITE_DONE);

    SQLiteStatement select;
    ASSERT_EQ(m_db.Prepare(select, "SELECT b, typeof(b) FROM t ORDER BY a"), SQLITE_OK);
    ASSERT_EQ(select.Step(), SQLITE_ROW);
    EXPECT_FALSE(select.IsDone());
    EXPECT_EQ(select.ColumnString(0), L"gone before the step");
    ASSERT_EQ(select.Step(), SQLITE_ROW);
    EXPECT_STREQ(select.ColumnText(1), "text");
    ASSERT_EQ(select.Step(), SQLITE_ROW);
    EXPECT_STREQ(select.ColumnText(1), "null");
    EXPECT_EQ(select.ColumnString(0), L"");
    EXPECT_EQ(select.Step(), SQLITE_DONE);
}

TEST_F(AccessLayerTest, WideTextRoundTripsThroughUtf8) {
    const CString text = L"\u914D\u7F6E \U0001F5B1 \u00FC";
    SQLiteStatement s;
    ASSERT_EQ(m_db.Prepare(s, "INSERT INTO t(a, b) VALUES (1, ?)"), SQLITE_OK);
    s.BindText(1, text);
    ASSERT_EQ(s.Step(), SQLITE_DONE);
    ASSERT_EQ(m_db.Prepare(s, "SELECT b, hex(b) FROM t"), SQLITE_OK);
    ASSERT_EQ(s.Step(), SQLITE_ROW);
    EXPECT_EQ(s.ColumnString(0), text);
    EXPECT_STREQ(s.ColumnText(1), "E9858DE7BDAE20F09F96B120C3BC");
}

// A connection with a statement still prepared stays open, and says which statement
// holds it; once that statement is gone it closes.
TEST_F(AccessLayerTest, ALiveStatementKeepsTheConnectionOpenAndIsNamed) {
    {
        SQLiteStatement s;
        ASSERT_EQ(m_db.Prepare(s, "SELECT a FROM t"), SQLITE_OK);
        EXPECT_FALSE(m_db.Close());
        EXPECT_TRUE(m_db.IsOpen());
        EXPECT_EQ(m_db.LiveStatements(), std::vector<std::string>{"SELECT a FROM t"});
    }
    EXPECT_TRUE(m_db.LiveStatements().empty());
    EXPECT_TRUE(m_db.Close());
    EXPECT_FALSE(m_db.IsOpen());
}

TEST_F(AccessLayerTest, FailedPrepareLeavesNothingToStep) {
    SQLiteStatement s;
    EXPECT_NE(m_db.Prepare(s, "SELECT * FROM no_such_table"), SQLITE_OK);
    EXPECT_FALSE(s.HasHandle());
    EXPECT_EQ(s.BindInt(1, 1), SQLITE_MISUSE);
    EXPECT_EQ(s.BindText(1, CString(L"x")), SQLITE_MISUSE);
    EXPECT_EQ(s.Step(), SQLITE_MISUSE);
    EXPECT_EQ(s.ColumnInt(0), 0);
    EXPECT_EQ(s.ColumnText(0), nullptr);
    EXPECT_EQ(m_db.Prepare(s, nullptr), SQLITE_MISUSE);
}

TEST_F(AccessLayerTest, TransactionCommitsAtScopeEndAndRollsBackOnRequest) {
    {
        SQLiteAutoTransaction transaction(&m_db);
        EXPECT_TRUE(transaction.IsActive());
        EXPECT_FALSE(transaction.Begin());
        m_db.Exec("INSERT INTO t(a) VALUES (1)");
    }
    EXPECT_EQ(Count(), 1);
    {
        SQLiteAutoTransaction transaction(&m_db);
        m_db.Exec("INSERT INTO t(a) VALUES (2)");
        EXPECT_TRUE(transaction.Rollback());
        EXPECT_FALSE(transaction.IsActive());
    }
    EXPECT_EQ(Count(), 1);
    {
        SQLiteAutoTransaction transaction(&m_db);
        m_db.Exec("INSERT INTO t(a) VALUES (3)");
        EXPECT_TRUE(transaction.Commit());
        EXPECT_FALSE(transaction.Commit());
    }
    EXPECT_EQ(Count(), 2);
}

// A crash of the machine may lose the last writes but must never leave a
// damaged file: write-ahead log with synchronous NORMAL (OFF would not sync
// the log at checkpoints, and a power cut could then corrupt the file).
TEST_F(AccessLayerTest, ConnectionSurvivesACrashOfTheMachine) {
    SQLiteStatement s;
    ASSERT_EQ(m_db.Prepare(s, "PRAGMA journal_mode"), SQLITE_OK);
    ASSERT_EQ(s.Step(), SQLITE_ROW);
    EXPECT_STREQ(s.ColumnText(0), "wal");
    ASSERT_EQ(m_db.Prepare(s, "PRAGMA synchronous"), SQLITE_OK);
    ASSERT_EQ(s.Step(), SQLITE_ROW);
    EXPECT_EQ(s.ColumnInt(0), 1) << "NORMAL";
}

// With a rollback journal, a reader holding its lock makes COMMIT fail with
// the transaction still open. Left open, it would swallow every later write
// of the program and lose them all when the program ends.
TEST_F(AccessLayerTest, FailedCommitRollsBackAndLeavesNoTransactionOpen) {
    ASSERT_EQ(m_db.Exec("PRAGMA journal_mode = DELETE; PRAGMA busy_timeout = 20"), SQLITE_OK);
    RawDb reader(m_path);
    ASSERT_TRUE(reader.Exec("BEGIN; SELECT count(*) FROM t;"));
    {
        SQLiteAutoTransaction transaction(&m_db);
        ASSERT_EQ(m_db.Exec("INSERT INTO t(a) VALUES (1)"), SQLITE_OK);
        EXPECT_FALSE(transaction.Commit());
        EXPECT_FALSE(transaction.IsActive());
    }
    EXPECT_EQ(Count(), 0) << "the insert was rolled back";
    EXPECT_EQ(m_db.Exec("BEGIN"), SQLITE_OK) << "no transaction was left open";
    m_db.Exec("ROLLBACK");
    ASSERT_TRUE(reader.Exec("COMMIT"));
    {
        SQLiteAutoTransaction transaction(&m_db);
        m_db.Exec("INSERT INTO t(a) VALUES (2)");
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_EQ(RawDb(m_path).Int("SELECT count(*) FROM t"), 1);
}

TEST_F(AccessLayerTest, ImmediateTransactionTakesTheWriteLockAtOnce) {
    RawDb other(m_path);
    {
        SQLiteAutoTransaction transaction(&m_db, SQLiteAutoTransaction::Mode::kImmediate);
        ASSERT_TRUE(transaction.IsActive());
        EXPECT_FALSE(other.Exec("PRAGMA busy_timeout = 0; BEGIN IMMEDIATE"));
    }
    SQLiteAutoTransaction deferred(&m_db);
    ASSERT_TRUE(deferred.IsActive());
    EXPECT_TRUE(other.Exec("BEGIN IMMEDIATE; ROLLBACK"));
}

TEST(AccessLayerClosedTest, ClosedConnectionRefusesEverything) {
    SQLiteDB db;
    SQLiteStatement s;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(db.Close());
    EXPECT_EQ(db.Prepare(s, "SELECT 1"), SQLITE_MISUSE);
    EXPECT_EQ(db.Exec("SELECT 1"), SQLITE_MISUSE);
    EXPECT_EQ(db.LastInsertRowId(), -1);
    EXPECT_EQ(db.Changes(), 0);
    EXPECT_FALSE(db.Open(nullptr, SQLiteDB::kOpenOrCreate));

    SQLiteAutoTransaction transaction(&db);
    EXPECT_FALSE(transaction.IsActive());
    EXPECT_FALSE(transaction.Begin());
    EXPECT_FALSE(transaction.Commit());
    SQLiteAutoTransaction none(nullptr);
    EXPECT_FALSE(none.Begin());
}

