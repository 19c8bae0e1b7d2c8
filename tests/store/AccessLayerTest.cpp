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

// Every operation of a store with no file open reports failure and leaves the
// caller's output empty; none of them throws or crashes.
TEST(ClosedStoreTest, EveryOperationFailsSoftly) {
    SettingsDatabase store;
    store.SetDeviceType(250);
    CString text = L"stale";
    int number = 42;
    std::vector<ProfileRecord> profiles(2);
    std::vector<KeyAssignment> keys(2);
    std::vector<MacroHeader> macros(2);
    std::vector<MacroStep> steps(2);
    std::vector<LightRecord> lights(2);
    KeyAssignment key;
    key.macro_value = 1;
    MacroHeader header;
    LightRecord light;

    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(store.ResetAllTables());
    EXPECT_FALSE(store.SetConfigValue(1, L"dpi_index", L"2"));
    EXPECT_FALSE(store.SetConfigValue(1, L"dpi_index", 2));
    EXPECT_FALSE(store.GetConfigValue(1, L"dpi_index", text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(store.GetConfigInt(1, L"dpi_index", number));
    EXPECT_EQ(number, 42);
    EXPECT_EQ(store.EnsureProfiles(), 0);
    EXPECT_FALSE(store.RenameProfile(1, L"x"));
    text = L"stale";
    EXPECT_FALSE(store.GetProfileName(1, text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(store.ListProfiles(profiles), 0);
    EXPECT_TRUE(profiles.empty());
    EXPECT_FALSE(store.SetActiveProfile(1));
    EXPECT_EQ(store.GetActiveProfile(), 0);

    EXPECT_EQ(store.SaveKeyAssignment(key), 0);
    EXPECT_FALSE(store.GetKeyAssignment(1, 0, 1, key));
    EXPECT_FALSE(store.SetKeyDescription(1, 0, 1, L"x"));
    EXPECT_EQ(store.ListKeyAssignments(1, 0, keys), 0);
    EXPECT_TRUE(keys.empty());
    EXPECT_FALSE(store.DeleteProfileKeys(1));

    EXPECT_EQ(store.AddMacro(L"m"), 0);
    EXPECT_EQ(store.AddMacroWithSettings(header), 0);
    EXPECT_EQ(store.CopyMacro(1, L"c"), 0);
    EXPECT_FALSE(store.RenameMacro(1, L"x"));
    EXPECT_FALSE(store.UpdateMacro(header));
    EXPECT_FALSE(store.GetMacro(1, header));
    EXPECT_EQ(store.ListMacros(macros), 0);
    EXPECT_TRUE(macros.empty());
    EXPECT_FALSE(store.DeleteMacro(1));
    EXPECT_EQ(store.AddMacroStep(MacroStep{}), 0);
    EXPECT_FALSE(store.SaveMacroSteps({MacroStep{}}));
    EXPECT_FALSE(store.ReplaceMacroSteps(1, {MacroStep{}}));
    EXPECT_FALSE(store.DeleteMacroSteps(1));
    EXPECT_EQ(store.ListMacroSteps(1, steps), 0);
    EXPECT_TRUE(steps.empty());

    EXPECT_EQ(store.CountLights(1), 0);
    EXPECT_FALSE(store.EnsureDefaultLights(1));
    EXPECT_FALSE(store.DeleteProfileLights(1));
    EXPECT_EQ(store.AddLight(light), 0);
    EXPECT_FALSE(store.UpdateLight(1, 0, light));
    EXPECT_FALSE(store.SetLightBrightness(1, 0, 1));
    EXPECT_FALSE(store.SetLightSpeed(1, 0, 1));
    EXPECT_FALSE(store.SetLightColor(1, 0, 1));
    EXPECT_FALSE(store.SetActiveLightMode(1, 0));
    EXPECT_EQ(store.GetActiveLightMode(1), 0);
    EXPECT_FALSE(store.GetLight(1, 0, light));
    EXPECT_EQ(store.ListLights(1, lights), 0);
    EXPECT_TRUE(lights.empty());
    store.CloseIfOpen();
    EXPECT_EQ(store.DeviceType(), 250);
}

TEST_F(StoreTest, OperationsFailSoftlyAfterClose) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    m_store.CloseIfOpen();
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(m_store.ListProfiles(profiles), 0);
    EXPECT_FALSE(m_store.SetConfigValue(1, L"dpi_index", 2));
    EXPECT_EQ(m_store.EnsureProfiles(), 0);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Value("SELECT value FROM t_configdata WHERE profile = 1 AND key = 'dpi_index'"), "1");
}
