#include <gtest/gtest.h>

#include "KeyUsage.h"

using namespace codec;

namespace {

struct KeyCase {
    int virtualKey;
    int usage;
};

// One or two keys of every run and every single key the conversion names.
const KeyCase kKeys[] = {
    {'A', 0x04}, {'Z', 0x1D}, {'1', 0x1E}, {'9', 0x26}, {'0', 0x27},
    {13, 0x28}, {27, 0x29}, {8, 0x2A}, {9, 0x2B}, {32, 0x2C},
    {189, 0x2D}, {187, 0x2E}, {219, 0x2F}, {221, 0x30}, {220, 0x31},
    {186, 0x33}, {222, 0x34}, {192, 0x35}, {188, 0x36}, {190, 0x37}, {191, 0x38},
    {226, 0x64}, {20, 0x39}, {112, 0x3A}, {123, 0x45}, {124, 0x68}, {135, 0x73},
    {44, 0x46}, {145, 0x47}, {19, 0x48}, {45, 0x49}, {36, 0x4A}, {33, 0x4B}, {46, 0x4C}, {35, 0x4D}, {34, 0x4E},
    {39, 0x4F}, {37, 0x50}, {40, 0x51}, {38, 0x52}, {144, 0x53},
    {111, 0x54}, {106, 0x55}, {109, 0x56}, {107, 0x57}, {108, 0x58},
    {97, 0x59}, {105, 0x61}, {96, 0x62}, {110, 0x63}, {93, 0x65},
    {162, 0xE0}, {160, 0xE1}, {164, 0xE2}, {91, 0xE3}, {163, 0xE4}, {161, 0xE5}, {165, 0xE6}, {92, 0xE7},
    {136, 136}, {139, 139}, {254, 0xAF}, {666, 0x32}, {301, 0xEC}, {302, 0xEB},
};

TEST(KeyUsageTest, VirtualKeysBecomeTheirUsagesAndBack) {
    for (const KeyCase& k : kKeys) EXPECT_EQ(UsageOfVirtualKey(k.virtualKey), k.usage) << k.virtualKey;
    for (int key : {0, 16, 17, 18, 1, 255, 1024}) EXPECT_EQ(UsageOfVirtualKey(key), 0) << key;
    EXPECT_EQ(VirtualKeyOfUsage(0), 0);
    EXPECT_EQ(VirtualKeyOfUsage(0x03), 0);
    for (int key = 0; key < 1024; ++key) {
        int usage = UsageOfVirtualKey(key);
        if (usage != 0) {
            EXPECT_EQ(VirtualKeyOfUsage(usage), key) << key;
        }
    }
}

TEST(KeyUsageTest, KeyNamesByUsage) {
    const std::pair<int, const wchar_t*> names[] = {
        {0x04, L"A"}, {0x1D, L"Z"}, {0x1E, L"1"}, {0x26, L"9"}, {0x27, L"0"}, {0x28, L"Enter"}, {0x58, L"Enter"},
        {0x29, L"Esc"}, {0x2A, L"Backspace"}, {0x2B, L"Tab"}, {0x2C, L"Space"}, {0x2D, L"-"}, {0x2E, L"="},
        {0x2F, L"["}, {0x30, L"]"}, {0x31, L"\\"}, {0x33, L";"}, {0x34, L"'"}, {0x35, L"`"}, {0x36, L","},
        {0x37, L"."}, {0x38, L"/"}, {0x39, L"Caps Lock"}, {0x3A, L"F1"}, {0x45, L"F12"}, {0x46, L"Print Screen"},
        {0x47, L"Scrlk"}, {0x48, L"Pause"}, {0x49, L"Insert"}, {0x4A, L"Home"}, {0x4B, L"Page Up"},
        {0x4C, L"Delete"}, {0x4D, L"End"}, {0x4E, L"Page Down"}, {0x4F, L"Right"}, {0x50, L"Left"},
        {0x51, L"Down"}, {0x52, L"Up"}, {0x53, L"Num"}, {0x54, L"//"}, {0x55, L"Num *"}, {0x56, L"Num -"},
        {0x57, L"Num +"}, {0x59, L"Num 1"}, {0x61, L"Num 9"}, {0x62, L"Num 0"}, {0x63, L"Num Del"},
        {0x65, L"Menu"}, {0xAF, L"Fn"}, {0xE0, L"Ctrl"}, {0xE4, L"Ctrl"}, {0xE1, L"Shift"}, {0xE5, L"Shift"},
        {0xE2, L"Alt"}, {0xE6, L"Alt"}, {0xE3, L"Windows"},
        {0x32, L""}, {0x64, L""}, {0xE7, L""}, {0x68, L""}, {0, L""},
    };
    for (const auto& [usage, name] : names) EXPECT_EQ(KeyName(usage), CString(name)) << usage;
}

}  // namespace
