#include <gtest/gtest.h>

#include <vector>

#include "KeyNames.h"

// Shows wide strings in failure messages (RecorderTest.cpp).
void PrintTo(const CString& text, std::ostream* os);

namespace {

TEST(KeyNamesTest, GenericModifiersAreRecordedAsTheLeftHandKeys) {
    const std::pair<int, int> cases[] = {{16, 160}, {17, 162}, {18, 164}, {160, 160}, {161, 161},
                                         {163, 163}, {165, 165}, {65, 65}, {0, 0}};
    for (const auto& [key, code] : cases) EXPECT_EQ(RecordedKeyCode(key), code) << key;
}

TEST(KeyNamesTest, ModifierAndLockKeysHaveFixedNames) {
    const std::pair<int, const wchar_t*> cases[] = {
        {16, L"Shift"},    {17, L"Ctrl"},     {18, L"Alt"},          {19, L"Pause"},     {44, L"Print Screen"},
        {91, L"Windows"},  {92, L"RWindows"}, {93, L"Application"},  {144, L"Num Lock"}, {160, L"Shift"},
        {161, L"RShift"},  {162, L"Ctrl"},    {163, L"RCtrl"},       {164, L"Alt"},      {165, L"RAlt"},
    };
    for (const auto& [key, name] : cases) {
        ASSERT_NE(FixedKeyName(key), nullptr) << key;
        EXPECT_EQ(CString(FixedKeyName(key)), CString(name)) << key;
    }
    for (int key : {8, 13, 20, 32, 65, 112, 145, 166}) EXPECT_EQ(FixedKeyName(key), nullptr) << key;
}

TEST(KeyNamesTest, NavigationKeysAskForTheExtendedKeysName) {
    for (int key : {33, 34, 35, 36, 37, 38, 39, 40, 45, 46}) EXPECT_EQ(NameScanCode(key, 0x47), 0x147) << key;
    for (int key : {32, 41, 44, 47, 65, 103}) EXPECT_EQ(NameScanCode(key, 0x47), 0x47) << key;
}

TEST(KeyNamesTest, OtherKeysTakeTheLayoutsName) {
    std::vector<int> asked;
    LayoutKeyName layout = [&](int key) {
        asked.push_back(key);
        return key == 65 ? CString(L"A") : CString(L"\u00C4");
    };
    EXPECT_EQ(VirtualKeyName(65, layout), L"A");
    EXPECT_EQ(VirtualKeyName(222, layout), L"\u00C4");
    EXPECT_EQ(VirtualKeyName(16, layout), L"Shift");
    EXPECT_EQ(VirtualKeyName(165, layout), L"RAlt");
    EXPECT_EQ(asked, (std::vector<int>{65, 222}));
    EXPECT_EQ(VirtualKeyName(65, LayoutKeyName()), L"");
}

}  // namespace
