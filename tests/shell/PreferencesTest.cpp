#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include <climits>

#include "FakeRegistry.h"
#include "Preferences.h"

namespace {

const CString kKey = L"SOFTWARE\\Corvane";
const CString kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct LanguageCase {
    const char* what;
    bool keyExists;
    const wchar_t* storedLcid;  // null: no value
    int uiLanguage;
    int expected;
};

class SettleLanguageTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(SettleLanguageTest, SettlesOnEnglishOrTheSecondLanguageAndSavesIt) {
    const LanguageCase& c = GetParam();
    FakeRegistry registry;
    if (c.keyExists) registry.keys[kKey];
    if (c.storedLcid) registry.keys[kKey][L"LCID"] = {c.storedLcid, true};
    EXPECT_EQ(Preferences(registry).SettleLanguage(c.uiLanguage), c.expected) << c.what;
    EXPECT_EQ(registry.Text(kKey, L"LCID"), std::to_wstring(c.expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettleLanguageTest,
    testing::Values(LanguageCase{"first run, English (United States) system", false, nullptr, 1033, 1033},
                    LanguageCase{"first run, German system", false, nullptr, 1031, 1055},
                    LanguageCase{"first run, English (United Kingdom) system", false, nullptr, 2057, 1055},
                    LanguageCase{"saved Simplified Chinese identifier", true, L"2052", 1033, 1055},
                    LanguageCase{"saved English wins over the system", true, L"1033", 1031, 1033},
                    LanguageCase{"saved second language", true, L"1055", 1033, 1055},
                    LanguageCase{"saved 0 asks the system", true, L"0", 1033, 1033},
                    LanguageCase{"saved text without digits asks the system", true, L"English", 1033, 1033},
                    LanguageCase{"digits then letters", true, L"1033 (en-US)", 1031, 1033},
                    LanguageCase{"key without the value", true, nullptr, 1033, 1033},
                    LanguageCase{"value too long for the buffer is unusable", true,
                                 L"1055000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                 L"00000000000000000000000000000000000000000000000000",
                                 1033, 1033}));

TEST(PreferencesTest, FirstRunCreatesTheProductKey) {
    FakeRegistry registry;
    Preferences(registry).SettleLanguage(1033);
    EXPECT_TRUE(registry.HasKey(kKey));
}

TEST(PreferencesTest, KeyThatCannotBeOpenedOrCreatedGivesTheSecondLanguageAndWritesNothing) {
    FakeRegistry denied;
    denied.deniedKeys.insert(kKey);
    EXPECT_EQ(Preferences(denied).ReadSavedLanguage(), 1055);
    EXPECT_EQ(Preferences(denied).SettleLanguage(1033), 1055);
    EXPECT_EQ(denied.writes, 0);

    FakeRegistry readOnly;
    readOnly.createFails = true;
    EXPECT_EQ(Preferences(readOnly).SettleLanguage(1033), 1055);
    EXPECT_FALSE(readOnly.HasKey(kKey));
}

TEST(PreferencesTest, DeviceTypeReadsTheLeadingNumberAndNeverCreatesTheKey) {
    FakeRegistry registry;
    Preferences prefs(registry);
    EXPECT_EQ(prefs.ReadDeviceType(), 0);
    prefs.WriteDeviceType(305);
    EXPECT_FALSE(registry.HasKey(kKey));

    registry.keys[kKey];
    EXPECT_EQ(prefs.ReadDeviceType(), 0);
    prefs.WriteDeviceType(305);
    EXPECT_EQ(registry.Text(kKey, L"DeviceType"), L"305");
    EXPECT_EQ(prefs.ReadDeviceType(), 305);
    registry.keys[kKey][L"DeviceType"] = {L"305abc", true};
    EXPECT_EQ(prefs.ReadDeviceType(), 305);
    registry.keys[kKey][L"DeviceType"] = {L"7", false};
    EXPECT_EQ(prefs.ReadDeviceType(), 0);
}

TEST(PreferencesTest, AutorunWritesTheQuotedPathOnceAndRemovesIt) {
    FakeRegistry registry;
    registry.keys[kRun];
    Preferences prefs(registry);
    EXPECT_FALSE(prefs.IsAutorunEnabled());
    prefs.SetAutorun(true, L"C:\\Program Files\\Corvane\\");
    prefs.SetAutorun(true, L"C:\\Program Files\\Corvane\\");
    ASSERT_EQ(registry.keys[kRun].size(), 1u);
    EXPECT_EQ(registry.Text(kRun, L"Corvane"), L"\"C:\\Program Files\\Corvane\\Mirevo.exe\"");
    EXPECT_TRUE(prefs.IsAutorunEnabled());
    prefs.SetAutorun(false, L"C:\\x\\");
    EXPECT_TRUE(registry.keys[kRun].empty());
    EXPECT_FALSE(prefs.IsAutorunEnabled());
    prefs.SetAutorun(false, L"C:\\x\\");  // nothing to remove
    EXPECT_TRUE(registry.keys[kRun].empty());
}

TEST(PreferencesTest, AutorunEntryThatDoesNotFitTheBufferCountsAsPresent) {
    FakeRegistry registry;
    registry.keys[kRun][L"Corvane"] = {CString(200, L'p'), true};
    EXPECT_TRUE(Preferences(registry).IsAutorunEnabled());
    registry.keys[kRun][L"Corvane"] = {L"", false};
    EXPECT_TRUE(Preferences(registry).IsAutorunEnabled());
}

TEST(PreferencesTest, MissingRunKeyMeansOffAndIsNeverCreated) {
    FakeRegistry registry;
    Preferences prefs(registry);
    prefs.SetAutorun(true, L"C:\\x\\");
    EXPECT_FALSE(prefs.IsAutorunEnabled());
    EXPECT_FALSE(registry.HasKey(kRun));
}

TEST(PreferencesTest, LeadingNumber) {
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"", 0},          {L"abc", 0},   {L"305abc", 305}, {L"  42", 42},           {L"-7", -7},
        {L"+8", 8},        {L"0x10", 0},  {L"1 2", 1},      {L"99999999999", INT_MAX}, {L"-99999999999", INT_MIN},
        {L"\x0661\x0662", 0},  // digits of other scripts are no decimal digits here
    };
    for (const auto& c : cases) EXPECT_EQ(Preferences::LeadingNumber(c.text), c.value) << c.text;
}

}  // namespace
