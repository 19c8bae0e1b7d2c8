// The file: where it lives, its tables, opening, repairing, refusing and emptying it.
#include <string>
#include <vector>

#include "File.h"
#include "Utf.h"
#include "StoreTestSupport.h"

using namespace storetest;

namespace {

struct ExpectedTable {
    const char* name;
    std::vector<std::pair<const char*, const char*>> columns;  // name, declared type
    const char* index;                                         // on the first column; null for none
};

const std::vector<ExpectedTable> kTables = {
    {"t_configdata", {{"config_id", "INTEGER"}, {"profile", "INTEGER"}, {"key", "TEXT"}, {"value", "TEXT"}}, nullptr},
    {"t_profile_data",
     {{"profile", "INTEGER"}, {"name", "TEXT"}, {"status", "INTEGER"}, {"app", "TEXT"}, {"type", "INTEGER"}},
     "profileindex"},
    {"t_key_macro_data",
     {{"key_id", "INTEGER"}, {"profile", "INTEGER"}, {"fn_layer", "INTEGER"}, {"key_code", "INTEGER"},
      {"layout_value", "INTEGER"}, {"layout_desc", "TEXT"}, {"macro_type", "INTEGER"}, {"macro_value", "INTEGER"},
      {"macro_value2", "INTEGER"}, {"macro_value3", "INTEGER"}, {"macro_desc", "TEXT"}},
     "keyindex"},
    {"t_key_otherdata", {{"macro_value", "INTEGER"}, {"macro_desc", "TEXT"}, {"param", "TEXT"}, {"type", "INTEGER"}},
     "otheridindex"},
    {"t_macro_data",
     {{"macro_id", "INTEGER"}, {"name", "TEXT"}, {"play_type", "INTEGER"}, {"play_times", "INTEGER"},
      {"delay_type", "INTEGER"}, {"delay_time", "INTEGER"}},
     "macroidindex"},
    {"t_macrorecord",
     {{"record_id", "INTEGER"}, {"macro_id", "INTEGER"}, {"type", "INTEGER"}, {"record_index", "INTEGER"},
      {"desc", "TEXT"}, {"value", "INTEGER"}, {"delay_time", "INTEGER"}},
     "macrorecordindex"},
    {"t_light_data",
     {{"light_id", "INTEGER"}, {"profile", "INTEGER"}, {"name", "TEXT"}, {"mode", "INTEGER"},
      {"brightness", "INTEGER"}, {"speed", "INTEGER"}, {"direction", "INTEGER"}, {"colorful", "INTEGER"},
      {"colorindex", "INTEGER"}, {"color_value", "INTEGER"}, {"config_func", "INTEGER"}, {"reserved", "INTEGER"},
      {"status", "INTEGER"}},
     "lightindex"},
    {"t_key_light_data",
     {{"keylight_id", "INTEGER"}, {"profile", "INTEGER"}, {"light_id", "INTEGER"}, {"key_code", "INTEGER"},
      {"key_rgb", "INTEGER"}},
     "keylightindex"},
};

void ExpectFullSchema(const CString& path) {
    RawDb raw(path);
    ASSERT_TRUE(raw.IsOpen());
    std::vector<Row> tables =
        raw.Rows("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence' ORDER BY name");
    EXPECT_EQ(tables.size(), kTables.size());
    for (const ExpectedTable& t : kTables) {
        SCOPED_TRACE(t.name);
        std::vector<Row> cols = raw.Rows(std::string("PRAGMA table_info(") + t.name + ")");
        ASSERT_EQ(cols.size(), t.columns.size());
        for (std::size_t i = 0; i < cols.size(); ++i) {
            EXPECT_EQ(cols[i][1], t.columns[i].first) << "column " << i;
            EXPECT_EQ(cols[i][2], t.columns[i].second) << "column " << i;
            EXPECT_EQ(cols[i][3], "0") << "no NOT NULL";
            EXPECT_EQ(cols[i][4], "<null>") << "no default";
            EXPECT_EQ(cols[i][5], i == 0 ? "1" : "0") << "primary key";
        }
        std::string sql = raw.Value(std::string("SELECT sql FROM sqlite_master WHERE name = '") + t.name + "'");
        EXPECT_NE(sql.find("INTEGER PRIMARY KEY AUTOINCREMENT"), std::string::npos) << sql;
        if (t.index) {
            EXPECT_EQ(raw.Value(std::string("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND name = '") +
                                t.index + "'"),
                      t.name);
            std::vector<Row> indexed = raw.Rows(std::string("PRAGMA index_info(") + t.index + ")");
            ASSERT_EQ(indexed.size(), 1u);
            EXPECT_EQ(indexed[0][2], t.columns[0].first);
        }
        EXPECT_EQ(raw.Int(std::string("SELECT count(*) FROM ") + t.name), 0);
    }
    EXPECT_EQ(raw.Int("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"), 7);
}

// Byte 18 and 19 of the header are 2 in a write-ahead-log file.
bool IsWalFile(const CString& path) {
    std::string bytes = ReadBytes(path);
    return bytes.size() >= 100 && bytes[18] == 2 && bytes[19] == 2;
}

}  // namespace

TEST(SchemaTest, PathIsTheModelsFileInTheDbFolder) {
    CString sep(1, file::Separator());
    EXPECT_EQ(SettingsDatabase::DatabasePath(L"data", L"M1"), L"data" + sep + L"db" + sep + L"M1_data7.db");
    EXPECT_EQ(SettingsDatabase::DatabasePath(L"data" + sep, L""), L"data" + sep + L"db" + sep + L"_data7.db");
}

TEST(SchemaTest, NewFileGetsEveryTableAndIndexAndNoRows) {
    CString folder = ScratchFolder();
    CString path = SettingsDatabase::DatabasePath(folder, L"M1");
    {
        SettingsDatabase store;
        ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
        EXPECT_TRUE(store.IsOpen());
        EXPECT_EQ(store.Path(), path);
    }
    ExpectFullSchema(path);
    EXPECT_TRUE(IsWalFile(path));
}

TEST(SchemaTest, EmptyFileIsRepaired) {
    CString folder = ScratchFolder();
    CString path = SettingsDatabase::DatabasePath(folder, L"M1");
    WriteBytes(path, "");
    {
        SettingsDatabase store;
        ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    }
    ExpectFullSchema(path);
}

TEST(SchemaTest, PartialFileGetsTheMissingTablesAndKeepsItsRows) {
    CString folder = ScratchFolder();
    CString path = SettingsDatabase::DatabasePath(folder, L"M1");
    {
        RawDb raw(path, true);
        ASSERT_TRUE(raw.Exec("CREATE TABLE t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
                             "play_type INTEGER, play_times INTEGER, delay_type INTEGER, delay_time INTEGER);"
                             "INSERT INTO t_macro_data(name, play_type, play_times, delay_type, delay_time) "
                             "VALUES ('kept', 1, 2, 3, 4);"));
    }
    SettingsDatabase store;
    ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    MacroHeader macro;
    ASSERT_TRUE(store.GetMacro(1, macro));
    EXPECT_EQ(macro.name, L"kept");
    EXPECT_EQ(store.EnsureProfiles(), 1);
    RawDb raw(path);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name LIKE 't_%'"), 8);
}

TEST(SchemaTest, ForeignOrDamagedFilesAreRefusedAndLeftAsTheyWere) {
    CString folder = ScratchFolder({L"Text", L"Damaged", L"Fine"});
    // A sound file whose second page is then overwritten.
    CString damaged = SettingsDatabase::DatabasePath(folder, L"Damaged");
    {
        SettingsDatabase store;
        ASSERT_TRUE(store.OpenForDevice(folder, L"Damaged"));
        ASSERT_EQ(store.EnsureProfiles(), 1);
    }
    std::string bytes = ReadBytes(damaged);
    ASSERT_GT(bytes.size(), 8192u);
    for (std::size_t i = 4096; i < 8192; ++i) bytes[i] = static_cast<char>(0xA5);
    WriteBytes(damaged, bytes);

    CString text = SettingsDatabase::DatabasePath(folder, L"Text");
    WriteBytes(text, std::string(3000, 'x') + "user's notes, not a database");

    SettingsDatabase store;
    ASSERT_TRUE(store.OpenForDevice(folder, L"Fine"));
    for (const wchar_t* attr : {L"Text", L"Damaged"}) {
        SCOPED_TRACE(utf::WideToUtf8(attr));
        CString path = SettingsDatabase::DatabasePath(folder, attr);
        std::string before = ReadBytes(path);
        EXPECT_FALSE(store.OpenForDevice(folder, attr));
        EXPECT_FALSE(store.OpenForDeviceAndReset(folder, attr));
        EXPECT_FALSE(store.IsOpen());
        EXPECT_EQ(store.EnsureProfiles(), 0);
        EXPECT_FALSE(store.SetConfigValue(1, L"dpi_index", 2));
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_FALSE(file::Exists(path + L"-wal"));
    }
}

TEST(SchemaTest, MissingDbFolderFailsQuietly) {
    CString folder = file::Join(ScratchFolder(), L"absent");
    SettingsDatabase store;
    EXPECT_FALSE(store.OpenForDevice(folder, L"M1"));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(file::Exists(SettingsDatabase::DatabasePath(folder, L"M1")));
}

TEST(SchemaTest, SameFileKeepsItsConnectionAnotherFileReplacesIt) {
    CString folder = ScratchFolder({L"M1", L"M2"});
    SettingsDatabase store;
    ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    ASSERT_EQ(store.EnsureProfiles(), 1);
    ASSERT_TRUE(store.SetConfigValue(1, L"dpi_index", 3));
    ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    EXPECT_EQ(store.GetActiveProfile(), 1);

    // A factory reset for another model empties that model's file only.
    EXPECT_TRUE(store.OpenForDeviceAndReset(folder, L"M2"));
    EXPECT_EQ(store.Path(), SettingsDatabase::DatabasePath(folder, L"M2"));
    EXPECT_EQ(store.GetActiveProfile(), 0);
    CString text;
    EXPECT_FALSE(store.GetConfigValue(1, L"dpi_index", text));

    store.CloseIfOpen();
    EXPECT_FALSE(store.IsOpen());
    ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    int value = 0;
    EXPECT_TRUE(store.GetConfigInt(1, L"dpi_index", value));
    EXPECT_EQ(value, 3);
}

TEST_F(StoreTest, FactoryResetEmptiesEveryTableAndRestartsNumbering) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    ASSERT_TRUE(m_store.SetActiveProfile(4));
    KeyAssignment key;
    key.profile = 4;
    key.key_code = 2;
    key.macro_value = 7;
    ASSERT_GT(m_store.SaveKeyAssignment(key), 0);
    int macro = m_store.AddMacro(L"m");
    ASSERT_GT(macro, 0);
    ASSERT_TRUE(m_store.ReplaceMacroSteps(macro, {MacroStep{}}));
    ASSERT_TRUE(m_store.EnsureDefaultLights(4));
    {
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("INSERT INTO t_key_otherdata(macro_desc, param, type) VALUES ('a', 'b', 1);"
                             "INSERT INTO t_key_light_data(profile, light_id, key_code, key_rgb) VALUES (1, 1, 1, 1);"));
    }

    ASSERT_TRUE(m_store.OpenForDeviceAndReset(m_folder, L"M1"));
    {
        RawDb raw(DbPath());
        for (const ExpectedTable& t : kTables) {
            EXPECT_EQ(raw.Int(std::string("SELECT count(*) FROM ") + t.name), 0) << t.name;
        }
        EXPECT_EQ(raw.Int("SELECT count(*) FROM sqlite_sequence"), 0);
    }
    EXPECT_EQ(m_store.EnsureProfiles(), 1);
    std::vector<ProfileRecord> profiles;
    ASSERT_EQ(m_store.ListProfiles(profiles), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(profiles[i].profile, i + 1);
}

TEST_F(StoreTest, ResetIsAllOrNothing) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    {
        // A table that refuses deletes part-way through the reset.
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("CREATE TRIGGER keep BEFORE DELETE ON t_macro_data BEGIN SELECT RAISE(ABORT, 'no'); END;"
                             "INSERT INTO t_macro_data(name) VALUES ('x');"));
    }
    EXPECT_FALSE(m_store.ResetAllTables());
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data"), 5);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_macro_data"), 1);
}
