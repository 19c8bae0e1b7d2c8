// The registry preferences against the real (Wine) registry of the test prefix. The
// product key and the Run value are put back as they were after each test.
#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include <windows.h>

#include "AppPaths.h"
#include "AppPreferences.h"

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Corvane";
const wchar_t kBackup[] = L"SOFTWARE\\MirevoTests\\RegistryBackup";
const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void CopyKey(const wchar_t* from, const wchar_t* to) {
    HKEY source = nullptr, target = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &source), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCopyTreeW(source, nullptr, target), ERROR_SUCCESS);
    RegCloseKey(source);
    RegCloseKey(target);
}

void SetRaw(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
    RegCloseKey(key);
}

// The stored bytes of a value; false when it does not exist.
bool GetRaw(const wchar_t* path, const wchar_t* name, DWORD& type, std::wstring& text, DWORD& bytes) {
    wchar_t buffer[2048] = {};
    bytes = sizeof buffer - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &bytes) != ERROR_SUCCESS)
        return false;
    text = buffer;
    return true;
}

class RegistryHelpersTest : public testing::Test {
protected:
    void SetUp() override {
        m_hadKey = KeyExists(kKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kBackup);
        if (m_hadKey) CopyKey(kKey, kBackup);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        DWORD type = 0, bytes = 0;
        m_hadRun = GetRaw(kRun, L"Corvane", type, m_runValue, bytes);
    }

    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        if (m_hadKey) CopyKey(kBackup, kKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kBackup);
        SetAutorun(false);
        if (m_hadRun)
            SetRaw(kRun, L"Corvane", REG_SZ, m_runValue.c_str(), static_cast<DWORD>((m_runValue.size() + 1) * 2));
    }

    bool m_hadKey = false;
    bool m_hadRun = false;
    std::wstring m_runValue;
};

TEST_F(RegistryHelpersTest, LanguageKeyIsCreatedOnFirstReadAndSavedAsText) {
    EXPECT_EQ(ReadSavedLanguage(), 0);
    EXPECT_TRUE(KeyExists(kKey));
    SaveLanguage(1033);
    DWORD type = 0, bytes = 0;
    std::wstring text;
    ASSERT_TRUE(GetRaw(kKey, L"LCID", type, text, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, L"1033");
    EXPECT_EQ(bytes, 10u);  // four characters and the closing NUL
    EXPECT_EQ(ReadSavedLanguage(), 1033);
}

TEST_F(RegistryHelpersTest, DeviceTypeRoundTripsWithoutCreatingTheKey) {
    WriteDeviceType(305);
    EXPECT_FALSE(KeyExists(kKey));
    EXPECT_EQ(ReadDeviceType(), 0);

    SetRaw(kKey, L"LCID", REG_SZ, L"1033", 10);
    EXPECT_EQ(ReadDeviceType(), 0);
    WriteDeviceType(305);
    DWORD type = 0, bytes = 0;
    std::wstring text;
    ASSERT_TRUE(GetRaw(kKey, L"DeviceType", type, text, bytes));
    EXPECT_EQ(text, L"305");
    EXPECT_EQ(bytes, 8u);
    EXPECT_EQ(ReadDeviceType(), 305);
}

TEST_F(RegistryHelpersTest, DeviceTypeReadsOddlyStoredValuesSafely) {
    const struct {
        const char* what;
        DWORD type;
        std::wstring data;
        DWORD bytes;
        int expected;
    } cases[] = {
        {"digits then letters", REG_SZ, L"305abc", 14, 305},
        {"no closing NUL", REG_SZ, L"4127", 8, 4127},
        {"no digits", REG_SZ, L"none", 10, 0},
        {"too long for the buffer", REG_SZ, std::wstring(200, L'9'), 402, 0},
        {"not a string", REG_DWORD, std::wstring(L"\x0131\x0000", 2), 4, 0},
    };
    for (const auto& c : cases) {
        SetRaw(kKey, L"DeviceType", c.type, c.data.data(), c.bytes);
        EXPECT_EQ(ReadDeviceType(), c.expected) << c.what;
    }
}

TEST_F(RegistryHelpersTest, AutorunWritesTheQuotedProgramPathOnce) {
    SetAutorun(false);
    EXPECT_FALSE(IsAutorunEnabled());
    SetAutorun(true);
    SetAutorun(true);
    EXPECT_TRUE(IsAutorunEnabled());
    DWORD type = 0, bytes = 0;
    std::wstring text;
    ASSERT_TRUE(GetRaw(kRun, L"Corvane", type, text, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, L"\"" + GetProgramFolder().str() + L"Mirevo.exe\"");
    SetAutorun(false);
    EXPECT_FALSE(IsAutorunEnabled());
    EXPECT_FALSE(GetRaw(kRun, L"Corvane", type, text, bytes));
    SetAutorun(false);
    EXPECT_FALSE(IsAutorunEnabled());
}

TEST_F(RegistryHelpersTest, LongAutorunPathStillCountsAsEnabled) {
    std::wstring path = L"\"C:\\" + std::wstring(180, L'd') + L"\\Mirevo.exe\"";
    SetRaw(kRun, L"Corvane", REG_SZ, path.c_str(), static_cast<DWORD>((path.size() + 1) * 2));
    EXPECT_TRUE(IsAutorunEnabled());
}

}  // namespace
