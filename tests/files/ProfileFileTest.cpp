#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "File.h"
#include "FormatTestSupport.h"
#include "ImportedDocument.h"
#include "MacroTransfer.h"
#include "ProfileFile.h"
#include "ProfileSwitch.h"
#include "ProfileTransfer.h"
#include "Utf.h"

namespace {

using formattest::SampleBytes;
using formattest::SamplePath;
using formattest::Text;

// One profile's buttons, lighting and configuration, without anything that
// names the profile itself, so two profiles can be compared.
std::string ProfileData(const CString& dbPath, int profile) {
    std::string p = std::to_string(profile);
    const std::string queries[] = {
        "SELECT fn_layer, key_code, macro_type, macro_value, macro_value2, macro_value3, macro_desc "
        "FROM t_key_macro_data WHERE profile = " + p + " ORDER BY key_code",
        "SELECT name, mode, brightness, speed, direction, colorful, colorindex, color_value, config_func, reserved, status "
        "FROM t_light_data WHERE profile = " + p + " ORDER BY mode",
        "SELECT key, value FROM t_configdata WHERE profile = " + p + " ORDER BY key",
    };
    storetest::RawDb db(dbPath);
    std::string text;
    for (const std::string& query : queries) {
        for (const storetest::Row& row : db.Rows(query)) {
            for (const std::string& value : row) text += value + "|";
            text += "\n";
        }
        text += "--\n";
    }
    return text;
}

class ProfileFileTest : public formattest::FileStoreTest {
protected:
    std::string Data(int profile) { return ProfileData(DbPath(), profile); }
    std::string DataBesideButtons(int profile) {
        std::string data = Data(profile);
        return data.substr(data.find("--\n") + 3);
    }
    std::string Config(int profile, const wchar_t* key) {
        CString value;
        m_store.GetConfigValue(profile, key, value);
        return utf::WideToUtf8(value.str());
    }
    int KeyCount(int profile) {
        std::vector<KeyAssignment> keys;
        return m_store.ListKeyAssignments(profile, 0, keys);
    }
    LightRecord Light(int profile, int mode) {
        LightRecord light;
        EXPECT_TRUE(m_store.GetLight(profile, mode, light));
        return light;
    }
    FileOutcome Import(const char* sample) { return ImportProfile(m_store, 1, SamplePath(sample)); }
};

TEST_F(ProfileFileTest, ExportWritesTheProfileLayoutByteForByte) {
    SeedProfile1();
    FileOutcome outcome = ExportProfile(m_store, 1, ExportFolder(), 4242);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(outcome.path, file::Join(ExportFolder(), L"Profile 1-4242.xml"));
    EXPECT_EQ(storetest::ReadBytes(outcome.path), SampleBytes("expected/profile-seeded.xml"));
}

TEST_F(ProfileFileTest, ExportOfANewProfileWritesTheDefaults) {
    ASSERT_TRUE(m_store.EnsureDefaultLights(1));
    FileOutcome outcome = ExportProfile(m_store, 1, ExportFolder(), 1);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(storetest::ReadBytes(outcome.path), SampleBytes("profile/default-export.xml"));
}

TEST_F(ProfileFileTest, ExportWritesOnlyTheExportedProfile) {
    SeedProfile1();  // profile 1 stays the active one
    ASSERT_TRUE(m_store.RenameProfile(2, L"Second"));
    ASSERT_TRUE(m_store.EnsureDefaultLights(2));
    ASSERT_TRUE(m_store.SetActiveLightMode(2, 3));
    ASSERT_TRUE(m_store.SetConfigValue(2, L"report_rate", L"0"));
    ASSERT_TRUE(m_store.SetConfigValue(2, L"dpi_x_group0_value", L"50"));

    FileOutcome outcome = ExportProfile(m_store, 2, ExportFolder(), 9);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(outcome.path, file::Join(ExportFolder(), L"Second-9.xml"));
    ProfileFileContent read;
    ASSERT_TRUE(ReadProfileFile(storetest::ReadBytes(outcome.path), outcome.path, read).Ok());
    EXPECT_EQ(read.name, L"Second");
    EXPECT_TRUE(read.keys.empty());
    EXPECT_EQ(read.lightMode, 3);
    EXPECT_EQ(read.config[L"report_rate"], L"0");
    EXPECT_EQ(read.config[L"dpi_x_group0_value"], L"50");
    EXPECT_EQ(read.config[L"leftbtn_lock"], L"1");  // profile 1 holds 0
}

TEST_F(ProfileFileTest, ExportThenImportRestoresTheProfileExactly) {
    SeedProfile1();
    const std::string before = Data(1);
    FileOutcome exported = ExportProfile(m_store, 1, ExportFolder(), 5);
    ASSERT_TRUE(exported.Ok()) << Text(exported);

    // Change every part the file carries, then read the file back in.
    ASSERT_TRUE(m_store.DeleteProfileKeys(1));
    KeyAssignment other;
    other.profile = 1;
    other.key_code = 6;
    other.macro_type = 1;
    other.macro_value = 3;
    ASSERT_GT(m_store.SaveKeyAssignment(other), 0);
    ASSERT_TRUE(m_store.SetActiveLightMode(1, 0));
    ASSERT_TRUE(m_store.SetLightSpeed(1, 2, 99));
    for (const CString& key : ProfileFileConfigKeys()) ASSERT_TRUE(m_store.SetConfigValue(1, key, L"1"));
    ASSERT_NE(Data(1), before);

    FileOutcome imported = ImportProfile(m_store, 1, exported.path);
    ASSERT_TRUE(imported.Ok()) << Text(imported);
    EXPECT_TRUE(imported.skipped.empty()) << Text(imported);
    EXPECT_EQ(Data(1), before);

    // Into another profile the same file gives the same settings; the name stays.
    ASSERT_TRUE(m_store.EnsureDefaultLights(3));
    ASSERT_TRUE(ImportProfile(m_store, 3, exported.path).Ok());
    EXPECT_EQ(Data(3), before);
    CString name;
    m_store.GetProfileName(3, name);
    EXPECT_EQ(name, L"Profile 3");
}

TEST_F(ProfileFileTest, AProfileNameNeverLeadsOutOfTheFolder) {
    ASSERT_TRUE(m_store.RenameProfile(1, L"..\\..\\evil/../x"));
    const CString folder = ExportFolder();
    FileOutcome outcome = ExportProfile(m_store, 1, folder, 3);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(outcome.path, file::Join(folder, L".._.._evil_.._x-3.xml"));
    EXPECT_TRUE(file::Exists(outcome.path));
    // The file still carries the name as it is.
    ProfileFileContent read;
    ASSERT_TRUE(ReadProfileFile(storetest::ReadBytes(outcome.path), outcome.path, read).Ok());
    EXPECT_EQ(read.name, L"..\\..\\evil/../x");
}

TEST_F(ProfileFileTest, ExportsThatCannotBeMadeWriteNothing) {
    const CString missingFolder = file::Join(m_folder, L"no-such-folder");
    const struct {
        int profile;
        CString folder;
        FileProblem problem;
    } cases[] = {
        {0, ExportFolder(), FileProblem::kNoSuchProfile},
        {6, ExportFolder(), FileProblem::kNoSuchProfile},
        {1, missingFolder, FileProblem::kUnwritable},
    };
    for (const auto& c : cases) {
        FileOutcome outcome = ExportProfile(m_store, c.profile, c.folder, 1);
        EXPECT_EQ(outcome.problem, c.problem) << Text(outcome);
    }
    EXPECT_FALSE(file::Exists(missingFolder));
    EXPECT_FALSE(file::Exists(file::Join(ExportFolder(), L"Profile 1-1.xml")));
}

TEST_F(ProfileFileTest, AFileWithoutButtonsClearsTheButtonsAndAppliesTheRest) {
    SeedProfile1();
    FileOutcome outcome = Import("profile/empty-keyitems.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_TRUE(outcome.skipped.empty()) << Text(outcome);
    EXPECT_EQ(KeyCount(1), 0);
    EXPECT_EQ(m_store.GetActiveLightMode(1), 1);
    LightRecord light = Light(1, 1);
    EXPECT_EQ(light.brightness, 60);
    EXPECT_EQ(light.speed, 5);
    EXPECT_EQ(light.colorindex, 1);
    EXPECT_EQ(light.color_value, 65535);
    EXPECT_EQ(light.config_func, 17);  // not part of the file: kept
    EXPECT_EQ(Config(1, L"dpi_count"), "2");
    EXPECT_EQ(Config(1, L"dpi_index"), "0");
    EXPECT_EQ(Config(1, L"dpi_x_group4_value"), "5000");
    EXPECT_EQ(Config(1, L"dpi_y_group4_value"), "5000");
    EXPECT_EQ(Config(1, L"button_respondtime"), "4");
    EXPECT_EQ(Config(1, L"e-sports_flag"), "2");
    CString name;
    m_store.GetProfileName(1, name);
    EXPECT_EQ(name, L"Profile 1");  // the file's name is not applied
}

TEST_F(ProfileFileTest, LightingOfModesTheProfileLacksIsLeftOut) {
    ASSERT_TRUE(m_store.EnsureDefaultLights(1));
    FileOutcome outcome = Import("profile/unknown-lightmode.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const std::vector<SkippedValue> expected = {
        {L"profile/profileinfo/Lightitems", L"lightmode", L"7", SkipReason::kNoLightingMode},
        {L"profile/profileinfo/Lightitems/item", L"light_mode", L"7", SkipReason::kNoLightingMode},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    EXPECT_EQ(m_store.GetActiveLightMode(1), 0);
    EXPECT_EQ(Light(1, 1).brightness, 100);
    EXPECT_EQ(Light(1, 1).color_value, 4321);
    EXPECT_EQ(m_store.CountLights(1), 4);
}

TEST_F(ProfileFileTest, ElementsBeforeOnesAlreadyReadAreListedNotRead) {
    FileOutcome outcome = Import("profile/out-of-order.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const std::vector<SkippedValue> expected = {
        {L"profile/profileinfo/Mouse_DPI/DPI2", L"", L"", SkipReason::kOutOfOrder},
        {L"profile/profileinfo/Mouse", L"", L"", SkipReason::kOutOfOrder},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    EXPECT_EQ(KeyCount(1), 1);
    EXPECT_EQ(Config(1, L"dpi_flag"), "7");
    EXPECT_EQ(Config(1, L"dpi_count"), "3");
    EXPECT_EQ(Config(1, L"dpi_x_group0_value"), "1100");
    EXPECT_EQ(Config(1, L"dpi_x_group1_value"), "800");  // DPI2 stood before DPI1
    EXPECT_EQ(Config(1, L"dpi_x_group2_value"), "3300");
    EXPECT_EQ(Config(1, L"button_respondtime"), "8");  // Mouse stood before Mouse_DPI
}

TEST_F(ProfileFileTest, EmptyValuesKeepTheStoredOnes) {
    SeedProfile1();
    std::string before = DataBesideButtons(1);
    FileOutcome outcome = Import("profile/empty-values.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    // 4 of the button, 1 + 6 of the lighting. Settings written empty are what an
    // export writes for values the store does not hold: nothing to report.
    EXPECT_EQ(outcome.skipped.size(), 11u) << Text(outcome);
    for (const SkippedValue& s : outcome.skipped) {
        EXPECT_EQ(s.reason, SkipReason::kEmpty) << Text(outcome);
        EXPECT_TRUE(s.where.str().starts_with(L"profile/profileinfo/keyitems/") ||
                    s.where.str().starts_with(L"profile/profileinfo/Lightitems"))
            << Text(outcome);
    }
    // The buttons are replaced by the file's, which has none that could be stored.
    EXPECT_EQ(KeyCount(1), 0);
    EXPECT_EQ(DataBesideButtons(1), before);
}

TEST_F(ProfileFileTest, OlderFilesGiveBothAxesTheLevelsValue) {
    FileOutcome outcome = Import("profile/single-dpi-value.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_TRUE(outcome.skipped.empty()) << Text(outcome);
    const char* const values[] = {"450", "850", "1650", "3250", "4850"};
    for (int level = 0; level < 5; ++level) {
        std::wstring n = std::to_wstring(level);
        EXPECT_EQ(Config(1, (L"dpi_x_group" + n + L"_value").c_str()), values[level]);
        EXPECT_EQ(Config(1, (L"dpi_y_group" + n + L"_value").c_str()), values[level]);
        EXPECT_EQ(Config(1, (L"dpi_group" + n + L"_rgb").c_str()), std::to_string(level + 1));
    }
}

TEST_F(ProfileFileTest, UnicodeFilesWithAMarkAreRead) {
    FileOutcome outcome = Import("profile/utf16be-mark.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    KeyAssignment key;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 7, key));
    EXPECT_EQ(key.macro_value, 2);
    EXPECT_EQ(key.macro_desc, L"Middle");
}

TEST_F(ProfileFileTest, ValuesOutsideTheirRangeAreLeftOutAndListed) {
    SeedProfile1();
    FileOutcome outcome = Import("profile/huge-numbers.xml");
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const CString keys = L"profile/profileinfo/keyitems/";
    const CString dpi = L"profile/profileinfo/Mouse_DPI";
    const CString mouse = L"profile/profileinfo/Mouse/";
    const std::vector<SkippedValue> expected = {
        {keys + L"item[1]", L"key_code", L"99999999999999999999", SkipReason::kOutOfRange},
        {keys + L"item[2]", L"macro_value", L"-4", SkipReason::kOutOfRange},
        {keys + L"item[3]", L"macro_type", L"12", SkipReason::kOutOfRange},
        {keys + L"item[4]", L"macro_value", L"0x10", SkipReason::kNotANumber},
        {L"profile/profileinfo/Lightitems", L"lightmode", L"4294967296", SkipReason::kOutOfRange},
        {L"profile/profileinfo/Lightitems/item[1]", L"brightness", L"256", SkipReason::kOutOfRange},
        {L"profile/profileinfo/Lightitems/item[1]", L"color_value", L"16777216", SkipReason::kOutOfRange},
        {dpi, L"dpi_count", L"2147483648", SkipReason::kOutOfRange},
        {dpi + L"/DPI1", L"value", L"65536", SkipReason::kOutOfRange},
        {dpi + L"/DPI1", L"color", L"-1", SkipReason::kOutOfRange},
        {dpi + L"/DPI2", L"value", L"1e3", SkipReason::kNotANumber},
        {mouse + L"button_respondtime", L"value", L"21", SkipReason::kOutOfRange},
        {mouse + L"report_rate", L"value", L"7", SkipReason::kOutOfRange},
        {mouse + L"sensor_flag", L"value", L" 53", SkipReason::kNotANumber},
        {mouse + L"scroll_flag", L"value", L"0", SkipReason::kOutOfRange},
        {mouse + L"leftbtn_lock", L"value", L"+1", SkipReason::kNotANumber},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    // What did fit is stored; everything else kept its value.
    EXPECT_EQ(KeyCount(1), 0);
    EXPECT_EQ(Config(1, L"dpi_index"), "1");
    EXPECT_EQ(Config(1, L"dpi_count"), "4");
    EXPECT_EQ(Config(1, L"dpi_group1_rgb"), "255");
    EXPECT_EQ(Config(1, L"dpi_x_group0_value"), "400");
    EXPECT_EQ(Config(1, L"report_rate"), "2");
    EXPECT_EQ(m_store.GetActiveLightMode(1), 2);
    EXPECT_EQ(Light(1, 1).brightness, 255);
}

TEST_F(ProfileFileTest, TheCurrentLevelMustBeOneOfTheLevels) {
    SeedProfile1();  // four levels
    const std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<profile><profileinfo name=\"x\">"
                             "<Mouse_DPI dpi_flag=\"5\" dpi_index=\"4\"/></profileinfo></profile>";
    FileOutcome outcome = ImportProfile(m_store, 1, Scratch(L"level.xml", file));
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const std::vector<SkippedValue> expected = {
        {L"profile/profileinfo/Mouse_DPI", L"dpi_count", L"", SkipReason::kEmpty},
        {L"profile/profileinfo/Mouse_DPI", L"dpi_index", L"4", SkipReason::kOutOfRange},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    EXPECT_EQ(Config(1, L"dpi_index"), "2");
}

TEST_F(ProfileFileTest, DeeplyNestedItemsAreNoButtons) {
    std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<profile><profileinfo name=\"deep\"><keyitems>"
                       "<item key_code=\"2\" macro_type=\"1\" macro_value=\"3\" macro_value2=\"0\" macro_value3=\"0\" macro_desc=\"RB\">";
    for (int i = 0; i < 20000; ++i) file += "<item key_code=\"9\">";
    for (int i = 0; i < 20000; ++i) file += "</item>";
    file += "</item></keyitems></profileinfo></profile>";
    FileOutcome outcome = ImportProfile(m_store, 1, Scratch(L"deep.xml", file));
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    std::vector<KeyAssignment> keys;
    ASSERT_EQ(m_store.ListKeyAssignments(1, 0, keys), 1);
    EXPECT_EQ(keys[0].key_code, 2);
}

// Files that are not profile files, or not readable as one, change nothing.
TEST_F(ProfileFileTest, RefusedFilesChangeNothing) {
    SeedProfile1();
    const std::string sample = SampleBytes("profile/default-export.xml");
    std::string deepOpen, deepClosed;
    for (int i = 0; i < 100000; ++i) deepOpen += "<a>";
    deepClosed = deepOpen;
    for (int i = 0; i < 100000; ++i) deepClosed += "</a>";
    const struct {
        const char* what;
        std::function<CString()> path;
        FileProblem problem;
    } cases[] = {
        {"another document", [] { return SamplePath("profile/foreign-root.xml"); }, FileProblem::kForeign},
        {"HTML", [] { return SamplePath("profile/html.xml"); }, FileProblem::kForeign},
        {"a macro file", [] { return SamplePath("macro/no-steps.xml"); }, FileProblem::kForeign},
        {"no profileinfo", [] { return SamplePath("profile/no-profileinfo.xml"); }, FileProblem::kMissingPart},
        {"mismatched tags", [] { return SamplePath("profile/mismatched-tags.xml"); }, FileProblem::kNotXml},
        {"two roots", [] { return SamplePath("profile/two-roots.xml"); }, FileProblem::kNotXml},
        {"Latin-1 declared UTF-8", [] { return SamplePath("profile/latin1-declared-utf8.xml"); }, FileProblem::kBadEncoding},
        {"UTF-16 without a mark", [] { return SamplePath("profile/utf16-no-mark.xml"); }, FileProblem::kBadEncoding},
        {"8-bit declared UTF-16", [] { return SamplePath("profile/declares-utf16.xml"); }, FileProblem::kBadEncoding},
        {"half a UTF-16 character", [] { return SamplePath("profile/utf16-odd-length.xml"); }, FileProblem::kBadEncoding},
        {"unknown encoding", [] { return SamplePath("profile/unknown-encoding.xml"); }, FileProblem::kBadEncoding},
        {"cut after a quarter", [&] { return Scratch(L"cut1.xml", sample.substr(0, sample.size() / 4)); }, FileProblem::kNotXml},
        {"cut in half", [&] { return Scratch(L"cut2.xml", sample.substr(0, sample.size() / 2)); }, FileProblem::kNotXml},
        {"cut in the last tag", [&] { return Scratch(L"cut3.xml", sample.substr(0, sample.size() - 5)); }, FileProblem::kNotXml},
        {"deep and never closed", [&] { return Scratch(L"deep-open.xml", deepOpen); }, FileProblem::kNotXml},
        {"deep, of another kind", [&] { return Scratch(L"deep-closed.xml", deepClosed); }, FileProblem::kForeign},
        {"empty", [&] { return Scratch(L"empty.xml", ""); }, FileProblem::kNotXml},
        {"too large", [&] { return Scratch(L"large.xml", sample + std::string(kMaxImportFileBytes, ' ')); }, FileProblem::kTooLarge},
        {"missing", [&] { return file::Join(m_folder, L"no-such-file.xml"); }, FileProblem::kUnreadable},
        {"a folder", [&] { return ExportFolder(); }, FileProblem::kUnreadable},
    };
    const std::string before = Rows();
    for (const auto& c : cases) {
        CString path = c.path();
        FileOutcome outcome = ImportProfile(m_store, 1, path);
        EXPECT_EQ(outcome.problem, c.problem) << c.what << ": " << Text(outcome);
        EXPECT_EQ(outcome.path, path) << c.what;
        EXPECT_NE(Describe(outcome).str().find(path.str()), std::wstring::npos) << c.what;
        EXPECT_EQ(Rows(), before) << c.what;
    }
}

// The last value the import writes is refused, after the buttons, the lighting
// and the other values have been written: the import is one transaction, so
// nothing of it stays, also when the refusal would meet any way of writing the
// old value back.
TEST_F(ProfileFileTest, AStoreFailurePartWayChangesNothing) {
    SeedProfile1();
    const std::string before = Rows();
    storetest::RawDb db(DbPath());
    const char* refusals[] = {"WHEN NEW.key = 'leftbtn_lock' AND NEW.value = '1'", "WHEN NEW.key = 'leftbtn_lock'"};
    for (const char* when : refusals) {
        ASSERT_TRUE(db.Exec(std::string("CREATE TRIGGER refuse BEFORE UPDATE ON t_configdata ") + when +
                            " BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
        FileOutcome outcome = Import("profile/default-export.xml");
        EXPECT_EQ(outcome.problem, FileProblem::kStoreRefused) << when << ": " << Text(outcome);
        EXPECT_EQ(Rows(), before) << when;
        ASSERT_TRUE(db.Exec("DROP TRIGGER refuse"));
    }
}

TEST_F(ProfileFileTest, ButtonsPlayingMacrosFollowTheMacroByItsName) {
    MacroHeader macro;
    macro.name = L"Unrelated";
    ASSERT_EQ(m_store.AddMacroWithSettings(macro), 1);
    macro.name = L"Copy & paste";
    ASSERT_EQ(m_store.AddMacroWithSettings(macro), 2);

    // A file from another store, where "Copy & paste" was macro 1.
    ProfileFileContent content;
    auto key = [](int code, int id, const wchar_t* name) {
        KeyAssignment k;
        k.key_code = code;
        k.macro_type = 4;
        k.macro_value = id;
        k.macro_desc = name;
        return k;
    };
    content.keys = {key(3, 1, L"Copy & paste"), key(4, 2, L"Copy & paste"), key(5, 7, L"Gone")};
    XmlDocument doc;
    BuildProfileDocument(content, doc);
    std::string bytes;
    ASSERT_TRUE(doc.SaveToBytes(bytes));

    FileOutcome outcome = ImportProfile(m_store, 1, Scratch(L"macros.xml", bytes));
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const SkippedValue unknown{L"profile/profileinfo/keyitems/item", L"macro_value", L"7", SkipReason::kUnknownMacro};
    EXPECT_EQ(std::count(outcome.skipped.begin(), outcome.skipped.end(), unknown), 1) << Text(outcome);
    KeyAssignment stored;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 3, stored));
    EXPECT_EQ(stored.macro_value, 2);
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 4, stored));
    EXPECT_EQ(stored.macro_value, 2);
    EXPECT_FALSE(m_store.GetKeyAssignment(1, 0, 5, stored));
}

TEST_F(ProfileFileTest, ImportIntoAProfileThatDoesNotExistChangesNothing) {
    const std::string before = Rows();
    for (int profile : {0, 6, -1}) {
        FileOutcome outcome = ImportProfile(m_store, profile, SamplePath("profile/empty-keyitems.xml"));
        EXPECT_EQ(outcome.problem, FileProblem::kNoSuchProfile) << profile;
    }
    EXPECT_EQ(Rows(), before);
}

TEST(ProfileImportTaskTest, FollowsTheWorkersDialect) {
    // Feature dialect: apply profile; output dialect and second family: apply
    // everything. 300 and 400 are feature-dialect models on the wire.
    const std::pair<int, int> cases[] = {{0, 5}, {100, 5}, {200, 5}, {201, 17}, {250, 17}, {299, 17},
                                         {300, 5}, {301, 17}, {350, 17}, {399, 17}, {400, 5}, {500, 5}};
    for (const auto& [deviceType, task] : cases) EXPECT_EQ(DeviceTaskAfterProfileImport(deviceType), task) << deviceType;
}

TEST(ProfileCommandTest, OnlyKnownCommandsForProfilesOneToFiveAreActedOn) {
    using K = ProfileCommandKind;
    const struct {
        std::intptr_t command, profile;
        ProfileCommand expected;
    } cases[] = {
        {0, 1, {K::kSwitch, 1}}, {0, 5, {K::kSwitch, 5}},   {0, 0, {}},  {0, 6, {}},   {0, 999, {}}, {0, -1, {}},
        {1, 0, {K::kImport, 0}}, {1, 999, {K::kImport, 0}}, {2, 3, {K::kExport, 3}}, {2, 0, {}}, {2, 0x100000001LL, {}},
        {3, 1, {}},              {-1, 1, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeProfileCommand(c.command, c.profile), c.expected) << c.command << " " << c.profile;
    }
}

TEST_F(ProfileFileTest, SwitchingMakesOnlyAStoredProfileActive) {
    CString name;
    ASSERT_TRUE(SwitchProfile(m_store, 3, name));
    EXPECT_EQ(name, L"Profile 3");
    EXPECT_EQ(m_store.GetActiveProfile(), 3);
    const std::string before = Rows();
    for (int profile : {0, 6, 999, -1}) {
        CString unchanged = L"kept";
        EXPECT_FALSE(SwitchProfile(m_store, profile, unchanged)) << profile;
        EXPECT_EQ(unchanged, L"kept");
    }
    EXPECT_EQ(Rows(), before);
}

TEST_F(ProfileFileTest, AClosedStoreRefusesEveryRequest) {
    m_store.CloseIfOpen();
    CString name;
    MacroHeader added;
    EXPECT_FALSE(SwitchProfile(m_store, 2, name));
    EXPECT_EQ(ImportProfile(m_store, 1, SamplePath("profile/default-export.xml")).problem, FileProblem::kStoreRefused);
    EXPECT_EQ(ExportProfile(m_store, 1, ExportFolder(), 1).problem, FileProblem::kStoreRefused);
    EXPECT_EQ(ImportMacro(m_store, SamplePath("macro/no-steps.xml"), added).problem, FileProblem::kStoreRefused);
    EXPECT_EQ(ExportMacro(m_store, 1, L"x", ExportFolder(), 1).problem, FileProblem::kStoreRefused);
}

}  // namespace
