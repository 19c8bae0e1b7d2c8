// The file: where it lives, its tables, opening, repairing, refusing and emptying it.
#include <filesystem>
#include <iterator>
#include <system_error>
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

// Every table of the store (rows allowed), as a fresh file made by the store has them.
void ExpectFullSchemaWithRows(const CString& path) {
    RawDb raw(path);
    ASSERT_TRUE(raw.IsOpen());
    for (const ExpectedTable& t : kTables) {
        std::vector<Row> cols = raw.Rows(std::string("PRAGMA table_info(") + t.name + ")");
        ASSERT_EQ(cols.size(), t.columns.size()) << t.name;
    }
    EXPECT_EQ(raw.Int("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"), 7);
}

// The files in the db folder whose names start with `prefix`.
std::vector<CString> FilesStartingWith(const CString& folder, const CString& prefix) {
    std::vector<CString> found;
    std::string utf8 = file::NativeUtf8(folder);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(std::u8string(utf8.begin(), utf8.end()), error)) {
        std::u8string name = entry.path().filename().u8string();
        CString wide(utf::Utf8ToWide(std::string(name.begin(), name.end())));
        if (wide.str().starts_with(prefix.str())) found.push_back(wide);
    }
    return found;
}

// `folder` with an empty db folder in it, whatever an earlier run left there.
CString EmptyFolder(const CString& folder) {
    std::string utf8 = file::NativeUtf8(folder);
    std::error_code error;
    std::filesystem::remove_all(std::u8string(utf8.begin(), utf8.end()), error);
    file::MakeDirectory(folder);
    file::MakeDirectory(file::Join(folder, L"db"));
    return folder;
}

struct UnusableFile {
    const char* what;
    void (*make)(const CString& folder, const CString& path);
};

void MakeTextFile(const CString&, const CString& path) { WriteBytes(path, std::string(3000, 'x') + "user's notes, not a database"); }

// A sound file whose second page is then overwritten.
void MakeDamagedFile(const CString& folder, const CString& path) {
    {
        SettingsDatabase store;
        ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
        ASSERT_EQ(store.EnsureProfiles(), 1);
    }
    std::string bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 8192u);
    for (std::size_t i = 4096; i < 8192; ++i) bytes[i] = static_cast<char>(0xA5);
    WriteBytes(path, bytes);
}

// An older layout: the macro table has no macro_id, so its index cannot be made.
void MakeFileWithoutIndexedColumn(const CString&, const CString& path) {
    RawDb raw(path, true);
    ASSERT_TRUE(raw.Exec("CREATE TABLE t_macro_data(id INTEGER PRIMARY KEY, name TEXT);"
                         "INSERT INTO t_macro_data(name) VALUES ('old macro');"));
}

// An older layout: the configuration table lacks its value column.
void MakeFileWithoutValueColumn(const CString&, const CString& path) {
    RawDb raw(path, true);
    ASSERT_TRUE(raw.Exec("CREATE TABLE t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, profile INTEGER, "
                         "key TEXT); INSERT INTO t_configdata(profile, key) VALUES (1, 'dpi_index');"));
}

const UnusableFile kUnusableFiles[] = {
    {"text", MakeTextFile},
    {"damaged page", MakeDamagedFile},
    {"index on a missing column", MakeFileWithoutIndexedColumn},
    {"table without a column", MakeFileWithoutValueColumn},
};

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


// The user's settings may be in there: the file is kept as it is under a name
// of its own, the trace says so, and the program goes on with a fresh file.
TEST(SchemaTest, UnusableFileIsSetAsideUnchangedAndAFreshOneWorks) {
    for (const UnusableFile& c : kUnusableFiles) {
        SCOPED_TRACE(c.what);
        CString folder = EmptyFolder(file::Join(ScratchFolder(), CString(utf::Utf8ToWide(c.what))));
        CString path = SettingsDatabase::DatabasePath(folder, L"M1");
        c.make(folder, path);
        std::string before = ReadBytes(path);
        ASSERT_FALSE(before.empty());

        std::vector<CString> notes;
        SettingsDatabase store;
        store.SetTrace([&](const CString& note) { notes.push_back(note); });
        ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));

        std::vector<CString> aside = FilesStartingWith(file::Join(folder, L"db"), L"M1_data7.db.damaged-");
        std::erase_if(aside, [](const CString& name) { return name.str().ends_with(L"-wal"); });
        ASSERT_EQ(aside.size(), 1u);
        CString asidePath = file::Join(file::Join(folder, L"db"), aside[0]);
        EXPECT_EQ(ReadBytes(asidePath), before) << "the set-aside file is byte for byte the old one";
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_NE(notes[0].Find(path), -1) << utf::WideToUtf8(notes[0].str());
        EXPECT_NE(notes[0].Find(asidePath), -1) << utf::WideToUtf8(notes[0].str());

        EXPECT_EQ(store.EnsureProfiles(), 1);
        EXPECT_TRUE(store.SetConfigValue(2, L"dpi_index", 3));
        int macro = store.AddMacro(L"new");
        EXPECT_GT(macro, 0);
        store.CloseIfOpen();
        ExpectFullSchemaWithRows(path);
        RawDb fresh(path);
        EXPECT_EQ(fresh.Value("SELECT value FROM t_configdata WHERE profile = 2 AND key = 'dpi_index'"), "3");
    }
}

// A file another program holds locked is not damaged: it is left alone.
TEST(SchemaTest, LockedFileIsLeftAlone) {
    CString folder = EmptyFolder(ScratchFolder());
    CString path = SettingsDatabase::DatabasePath(folder, L"M1");
    {
        SettingsDatabase store;
        ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
        ASSERT_EQ(store.EnsureProfiles(), 1);
    }
    RawDb other(path);
    ASSERT_TRUE(other.Exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE t_profile_data SET name = 'x';"));
    std::string before = ReadBytes(path);
    SettingsDatabase store;
    EXPECT_FALSE(store.OpenForDevice(folder, L"M1"));
    EXPECT_TRUE(FilesStartingWith(file::Join(folder, L"db"), L"M1_data7.db.damaged-").empty());
    EXPECT_EQ(ReadBytes(path), before);
    ASSERT_TRUE(other.Exec("ROLLBACK"));
}

// A model name comes from a catalogue file; it must stay one file-name part.
TEST(SchemaTest, UnsafeModelNamesNeverReachTheFileSystem) {
    const wchar_t* const unsafe[] = {
        L"../M1", L"..", L"a..b", L"db/M1", L"db\\M1", L"C:M1", L"M1:stream", L"CON", L"con", L"Con.txt", L"PRN",
        L"aux", L"NUL.db", L"COM1", L"com9.x", L"LPT1", L"lpt9", L"CONIN$", L"M1?", L"M1*", L"M1|", L"M1\x01",
    };
    CString folder = EmptyFolder(ScratchFolder());
    CString db = file::Join(folder, L"db");
    std::vector<CString> notes;
    SettingsDatabase store;
    store.SetTrace([&](const CString& note) { notes.push_back(note); });
    for (const wchar_t* name : unsafe) {
        SCOPED_TRACE(utf::WideToUtf8(name));
        EXPECT_TRUE(SettingsDatabase::DatabasePath(folder, name).IsEmpty());
        EXPECT_FALSE(store.OpenForDevice(folder, name));
        EXPECT_FALSE(store.OpenForDeviceAndReset(folder, name));
        EXPECT_FALSE(store.IsOpen());
    }
    EXPECT_EQ(notes.size(), 2 * std::size(unsafe));
    EXPECT_TRUE(FilesStartingWith(db, L"").empty()) << "nothing was created";
    EXPECT_TRUE(FilesStartingWith(folder, L"").size() == 1u) << "only the db folder";

    for (const wchar_t* name : {L"M1", L"", L"CONSOLE", L"COM0", L"LPT10", L"a.b", L"Mouse 2 (Pro)"}) {
        SCOPED_TRACE(utf::WideToUtf8(name));
        EXPECT_TRUE(store.OpenForDevice(folder, name));
        EXPECT_TRUE(file::Exists(SettingsDatabase::DatabasePath(folder, name)));
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
    // The connection stays: its write-ahead log is not folded into the file
    // by a close, and the file is not checked and opened again.
    CString wal = SettingsDatabase::DatabasePath(folder, L"M1") + L"-wal";
    std::string log = ReadBytes(wal);
    ASSERT_FALSE(log.empty());
    ASSERT_TRUE(store.OpenForDevice(folder, L"M1"));
    EXPECT_TRUE(ReadBytes(wal) == log) << "the connection was closed and opened again";
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
