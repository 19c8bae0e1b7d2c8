// Configuration values and profiles.
#include <string>
#include <vector>

#include "ConfigDefaults.h"
#include "StoreTestSupport.h"
#include "Utf.h"

using namespace storetest;

namespace {

struct DefaultsCase {
    int deviceType;
    const char* sleepLight;
    const char* reportRate;
    const char* respondTime;
};

// Three ranges (feature dialect, output dialect, second family) and the bounds
// that fall outside both first-family ranges.
const DefaultsCase kDefaultsCases[] = {
    {250, "3", "3", "4"}, {201, "3", "3", "4"}, {299, "3", "3", "4"},
    {350, "1", "1", "4"}, {301, "1", "1", "4"}, {399, "1", "1", "4"},
    {0, "2", "3", "8"},   {200, "2", "3", "8"}, {300, "2", "3", "8"},
    {400, "2", "3", "8"}, {500, "2", "3", "8"},
};

std::vector<Row> ExpectedConfig(const DefaultsCase& c) {
    return {
        {"version", "1.0.1"}, {"lightmode", "0"}, {"sleep_light", c.sleepLight}, {"wakeup_mode", "2"},
        {"angle_tunability", "0"}, {"angle_tunability_switch", "0"}, {"report_rate", c.reportRate},
        {"button_respondtime", c.respondTime}, {"sensor_flag", "53"}, {"liftoff_height", "1"},
        {"scroll_flag", "1"}, {"e-sports_flag", "0"}, {"perf_mode", "0"}, {"leftbtn_lock", "1"},
        {"dpi_flag", "5"}, {"dpi_index", "1"}, {"dpi_count", "5"},
        {"dpi_x_group0_value", "400"}, {"dpi_x_group1_value", "800"}, {"dpi_x_group2_value", "1600"},
        {"dpi_x_group3_value", "3200"}, {"dpi_x_group4_value", "4800"}, {"dpi_x_group5_value", "16000"},
        {"dpi_y_group0_value", "400"}, {"dpi_y_group1_value", "800"}, {"dpi_y_group2_value", "1600"},
        {"dpi_y_group3_value", "3200"}, {"dpi_y_group4_value", "4800"}, {"dpi_y_group5_value", "16000"},
        {"dpi_group0_rgb", "255"}, {"dpi_group1_rgb", "65280"}, {"dpi_group2_rgb", "16711680"},
        {"dpi_group3_rgb", "8388736"}, {"dpi_group4_rgb", "16777215"}, {"dpi_group5_rgb", "2139135"},
    };
}

class DefaultsTest : public StoreTest, public ::testing::WithParamInterface<DefaultsCase> {};

class FakeNaming : public ProfileNaming {
public:
    FakeNaming(int language, CString word) : m_language(language), m_word(std::move(word)) {}
    int CurrentLanguage() const override { return m_language; }
    CString ProfileWord() const override { return m_word; }

private:
    int m_language;
    CString m_word;
};

std::string Utf8(const CString& s) { return utf::WideToUtf8(s.str()); }

}  // namespace

TEST_P(DefaultsTest, NewFileGetsFiveProfilesWithEveryDefault) {
    const DefaultsCase& c = GetParam();
    m_store.SetDeviceType(c.deviceType);
    EXPECT_EQ(m_store.EnsureProfiles(), 1);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Rows("SELECT profile, name, status, app, type FROM t_profile_data ORDER BY profile"),
              (std::vector<Row>{{"1", "Profile 1", "1", "", "0"},
                                {"2", "Profile 2", "0", "", "0"},
                                {"3", "Profile 3", "0", "", "0"},
                                {"4", "Profile 4", "0", "", "0"},
                                {"5", "Profile 5", "0", "", "0"}}));
    for (int profile = 1; profile <= 5; ++profile) {
        SCOPED_TRACE(profile);
        EXPECT_EQ(raw.Rows("SELECT key, value FROM t_configdata WHERE profile = " + std::to_string(profile) +
                           " ORDER BY config_id"),
                  ExpectedConfig(c));
    }
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata WHERE key LIKE 'dpi_group%_value'"), 0);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata WHERE typeof(value) <> 'text'"), 0);
}

INSTANTIATE_TEST_SUITE_P(DeviceTypes, DefaultsTest, ::testing::ValuesIn(kDefaultsCases),
                         [](const auto& param) { return "type" + std::to_string(param.param.deviceType); });

TEST_F(StoreTest, EnsureProfilesCreatesOnceAndKeepsTheActiveProfile) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    ASSERT_TRUE(m_store.SetActiveProfile(3));
    EXPECT_EQ(m_store.EnsureProfiles(), 3);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data"), 5);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);

    // A file with no active profile gets its first one activated.
    ASSERT_TRUE(raw.Exec("UPDATE t_profile_data SET status = 0"));
    EXPECT_EQ(m_store.EnsureProfiles(), 1);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data WHERE status = 1"), 1);
}

TEST_F(StoreTest, EnsureProfilesCompletesAFileWithTooFewProfiles) {
    {
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("INSERT INTO t_profile_data(name, status, app, type) VALUES ('Mine', 0, '', 0);"
                             "INSERT INTO t_profile_data(name, status, app, type) VALUES ('Other', 1, '', 0);"));
    }
    EXPECT_EQ(m_store.EnsureProfiles(), 2);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Rows("SELECT profile, name, status FROM t_profile_data ORDER BY profile"),
              (std::vector<Row>{{"1", "Mine", "0"},
                                {"2", "Other", "1"},
                                {"3", "Profile 3", "0"},
                                {"4", "Profile 4", "0"},
                                {"5", "Profile 5", "0"}}));
    // The two existing profiles keep their (absent) rows; the new ones get defaults.
    EXPECT_EQ(raw.Rows("SELECT DISTINCT profile FROM t_configdata ORDER BY profile"),
              (std::vector<Row>{{"3"}, {"4"}, {"5"}}));
}

TEST_F(StoreTest, FailedCreationLeavesNoProfiles) {
    {
        // The fourth profile's insert is refused.
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("CREATE TRIGGER refuse BEFORE INSERT ON t_profile_data WHEN NEW.name = 'Profile 4' "
                             "BEGIN SELECT RAISE(ABORT, 'no'); END;"));
    }
    EXPECT_EQ(m_store.EnsureProfiles(), 0);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data"), 0);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 0);
    ASSERT_TRUE(raw.Exec("DROP TRIGGER refuse"));
    EXPECT_EQ(m_store.EnsureProfiles(), 1);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data"), 5);
}

TEST_F(StoreTest, ProfileNamesUseTheLanguageWordAndLocaliseInEnglish) {
    FakeNaming turkish(1055, L"Profil");
    m_store.SetProfileNaming(&turkish);
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    CString name;
    ASSERT_TRUE(m_store.GetProfileName(4, name));
    EXPECT_EQ(name, L"Profil 4");

    const CString chinese = L"\u914D\u7F6E 2";
    ASSERT_TRUE(m_store.RenameProfile(2, chinese));
    ASSERT_TRUE(m_store.RenameProfile(3, L"\u30DC\u30BF\u30F3X"));
    ASSERT_TRUE(m_store.RenameProfile(5, L""));
    EXPECT_TRUE(m_store.GetProfileName(2, name));
    EXPECT_EQ(name, chinese) << "other languages show names as stored";

    FakeNaming english(1033, L"Profile");
    m_store.SetProfileNaming(&english);
    std::vector<ProfileRecord> profiles;
    ASSERT_EQ(m_store.ListProfiles(profiles), 5);
    std::vector<std::string> names;
    for (const ProfileRecord& p : profiles) names.push_back(Utf8(p.name));
    EXPECT_EQ(names, (std::vector<std::string>{"Profil 1", "Profile  2", "Profile X", "Profil 4", ""}));
    EXPECT_EQ(profiles[0].status, 1);
    EXPECT_EQ(profiles[1].status, 0);

    m_store.SetProfileNaming(nullptr);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Value("SELECT name FROM t_profile_data WHERE profile = 2"), Utf8(chinese));
    EXPECT_FALSE(m_store.GetProfileName(9, name));
    EXPECT_TRUE(name.IsEmpty());
}

TEST(ProfileNamesTest, EnglishReplacesEachForeignWordOnly) {
    struct Case {
        const wchar_t* stored;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"\u914D\u7F6E 1", L"Profile  1"},
        {L"\u914D\u5BD8 2", L"Profile  2"},
        {L"\u30DC\u30BF\u30F33", L"Profile 3"},
        {L"\uD504\uB85C\uD30C\uC77C 4", L"Profile  4"},
        {L"\u062A\u0643\u0648\u064A\u0646 5", L"Profile  5"},
        {L"\u914D", L"\u914D"},
        {L"Profile 1", L"Profile 1"},
        {L"Gaming \u914D\u7F6E", L"Gaming \u914D\u7F6E"},
        {L"%s %d \u914D\u7F6E", L"%s %d \u914D\u7F6E"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profile_names::Localise(c.stored, 1033), c.shown) << Utf8(c.stored);
        EXPECT_EQ(profile_names::Localise(c.stored, 1055), c.stored);
    }
    EXPECT_EQ(profile_names::Localise(L"\u914D\u7F6E%s", 1033), L"Profile %s");
    EXPECT_EQ(profile_names::DefaultName(L"%s%d", 3), L"%s%d 3");
}

TEST_F(StoreTest, ActivatingAProfileLeavesExactlyOneActive) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    EXPECT_TRUE(m_store.SetActiveProfile(3));
    EXPECT_EQ(m_store.GetActiveProfile(), 3);
    EXPECT_FALSE(m_store.SetActiveProfile(9));
    EXPECT_EQ(m_store.GetActiveProfile(), 3) << "an unknown profile changes nothing";
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Rows("SELECT profile FROM t_profile_data WHERE status = 1"), (std::vector<Row>{{"3"}}));
}

TEST_F(StoreTest, ConfigValuesAreUpdatedInPlace) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    EXPECT_TRUE(m_store.SetConfigValue(2, L"dpi_index", 4));
    EXPECT_TRUE(m_store.SetConfigValue(2, L"dpi_group1_rgb", L"123"));
    EXPECT_TRUE(m_store.SetConfigValue(5, L"version", L""));
    CString text;
    int value = 0;
    EXPECT_TRUE(m_store.GetConfigValue(2, L"dpi_index", text));
    EXPECT_EQ(text, L"4");
    EXPECT_TRUE(m_store.GetConfigInt(2, L"dpi_group1_rgb", value));
    EXPECT_EQ(value, 123);
    EXPECT_TRUE(m_store.GetConfigInt(1, L"dpi_index", value));
    EXPECT_EQ(value, 1) << "other profiles are untouched";

    EXPECT_FALSE(m_store.GetConfigValue(2, L"absent", text));
    EXPECT_TRUE(text.IsEmpty());
    {
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("UPDATE t_configdata SET value = '12abc' WHERE profile = 2 AND key = 'dpi_count'"));
    }
    value = 99;
    EXPECT_FALSE(m_store.GetConfigInt(2, L"dpi_count", value)) << "not a decimal number";
    EXPECT_FALSE(m_store.GetConfigInt(2, L"absent", value));
    EXPECT_EQ(value, 99);

    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
    EXPECT_EQ(raw.Rows("SELECT value, typeof(value) FROM t_configdata WHERE profile = 5 AND key = 'version'"),
              (std::vector<Row>{{"", "text"}}));
}

// Only the five profiles and the configuration keys are settings: anything
// else is a caller's slip and must not grow the file.
TEST_F(StoreTest, ConfigValuesOutsideTheProfilesAndKeysAreRefused) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    struct Case { int profile; const wchar_t* key; };
    const Case refused[] = {
        {0, L"dpi_index"}, {6, L"dpi_index"}, {-1, L"dpi_index"}, {1, L"dpi_group0_value"}, {1, L"new_key"},
        {1, L""}, {1, L"DPI_INDEX"}, {1, L"dpi_index "},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(m_store.SetConfigValue(c.profile, c.key, L"7")) << c.profile << " " << utf::WideToUtf8(c.key);
    }
    {
        RawDb raw(DbPath());
        EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
        EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata WHERE value = '7'"), 0);
    }
    // Every one of the 35 keys, in the first and the last profile.
    for (const ConfigDefault& row : DefaultConfig(0)) {
        EXPECT_TRUE(m_store.SetConfigValue(1, row.key, L"7")) << utf::WideToUtf8(row.key);
        EXPECT_TRUE(m_store.SetConfigValue(5, row.key, L"7")) << utf::WideToUtf8(row.key);
    }
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata WHERE value = '7'"), 2 * 35);
}

TEST_F(StoreTest, OlderFileWithMissingRowsStillAnswers) {
    {
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("INSERT INTO t_profile_data(name, status, app, type) VALUES ('A', 1, NULL, 0);"
                             "INSERT INTO t_profile_data(name, status, app, type) VALUES ('B', 0, '', 0);"
                             "INSERT INTO t_profile_data(name, status, app, type) VALUES ('C', 0, '', 0);"
                             "INSERT INTO t_profile_data(name, status, app, type) VALUES ('D', 0, '', 0);"
                             "INSERT INTO t_profile_data(name, status, app, type) VALUES (NULL, 0, '', 0);"
                             "INSERT INTO t_configdata(profile, key, value) VALUES (1, 'report_rate', '2');"));
    }
    EXPECT_EQ(m_store.EnsureProfiles(), 1);
    std::vector<ProfileRecord> profiles;
    ASSERT_EQ(m_store.ListProfiles(profiles), 5);
    EXPECT_EQ(profiles[0].app, L"");
    EXPECT_EQ(profiles[4].name, L"");
    int value = 0;
    EXPECT_TRUE(m_store.GetConfigInt(1, L"report_rate", value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(m_store.GetConfigInt(1, L"dpi_x_group1_value", value));
    EXPECT_TRUE(m_store.SetConfigValue(1, L"dpi_x_group1_value", 850));
    EXPECT_TRUE(m_store.GetConfigInt(1, L"dpi_x_group1_value", value));
    EXPECT_EQ(value, 850);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 2) << "no defaults are forced into existing profiles";
}

TEST(DeviceModelTest, SeparateModelsKeepSeparateSettings) {
    CString folder = ScratchFolder({L"A", L"B"});
    SettingsDatabase store;
    ASSERT_TRUE(store.OpenForDevice(folder, L"A"));
    store.SetDeviceType(250);
    ASSERT_EQ(store.EnsureProfiles(), 1);
    ASSERT_TRUE(store.SetConfigValue(1, L"dpi_index", 3));
    store.CloseIfOpen();
    ASSERT_TRUE(store.OpenForDevice(folder, L"B"));
    store.SetDeviceType(350);
    ASSERT_EQ(store.EnsureProfiles(), 1);
    int value = 0;
    EXPECT_TRUE(store.GetConfigInt(1, L"dpi_index", value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(store.GetConfigInt(1, L"sleep_light", value));
    EXPECT_EQ(value, 1);
    store.CloseIfOpen();
    ASSERT_TRUE(store.OpenForDevice(folder, L"A"));
    EXPECT_TRUE(store.GetConfigInt(1, L"dpi_index", value));
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(store.GetConfigInt(1, L"sleep_light", value));
    EXPECT_EQ(value, 3);
}

TEST_F(StoreTest, MissingLanguageWordFallsBackToEnglish) {
    FakeNaming broken(1055, L"");
    m_store.SetProfileNaming(&broken);
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    CString name;
    ASSERT_TRUE(m_store.GetProfileName(5, name));
    EXPECT_EQ(name, L"Profile 5");
}
