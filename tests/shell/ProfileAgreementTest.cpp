// The portable reader must return what the Windows profile reader returns for the
// shipped language files and for the fixtures, so both platforms show the same texts.
#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include <windows.h>

#include <set>

#include "AppPaths.h"
#include "CurrentLanguage.h"
#include "File.h"
#include "FixturePath.h"
#include "LanguageFile.h"
#include "TextLookup.h"
#include "Texts.h"
#include "WinProfileReader.h"

namespace {

CString ShippedPath(const wchar_t* name) {
    return FixturePath(L"") + L"..\\..\\..\\assets\\language\\" + name;
}

void ExpectSameTexts(const CString& path) {
    std::string bytes;
    ASSERT_TRUE(file::ReadAll(path, bytes)) << path.str();
    auto texts = language::ParseSection(bytes, L"LAN");
    std::set<int> ids{0, -1, -9, 1, 2, 3};
    for (const auto& entry : texts) {
        ids.insert(entry.first);
        ids.insert(entry.first + 1);
    }
    WinProfileReader windows;
    for (int id : ids) {
        auto found = texts.find(id);
        CString portable = found == texts.end() ? CString() : found->second;
        EXPECT_EQ(windows.ReadText(path, L"LAN", id), portable) << path.str() << " id " << id;
    }
}

TEST(ProfileAgreementTest, FixturesReadAlike) {
    for (const wchar_t* name : {L"program\\language\\1033.lan", L"quirks.lan", L"utf8-bom.lan", L"blanks-utf16.lan"})
        ExpectSameTexts(FixturePath(name));
}

TEST(ProfileAgreementTest, ShippedLanguageFilesReadAlike) {
    for (const wchar_t* name : {L"1033.lan", L"1055.lan"}) ExpectSameTexts(ShippedPath(name));
}

TEST(ProfileAgreementTest, LookupThroughEitherReaderGivesTheSameText) {
    CString folder = FixturePath(L"program\\");
    WinProfileReader windows;
    LanguageFileReader portable;
    for (int id : {5, 61, 100, 101, 102, 103, 104, 105, 106, 9999})
        EXPECT_EQ(LookupText(windows, folder, 1033, L"LAN", id), LookupText(portable, folder, 1033, L"LAN", id)) << id;
    EXPECT_EQ(LookupText(windows, folder, 1055, L"LAN", 5), L"");
}

}  // namespace

namespace {

// An ASCII text as a UTF-16LE file with its mark.
std::string Utf16File(const char* text) {
    std::string bytes("\xFF\xFE");
    for (const char* c = text; *c; ++c) bytes += std::string{*c, '\0'};
    return bytes;
}

// The Windows reader keeps files it has read; an edit must still be seen at once.
TEST(ProfileAgreementTest, WindowsReaderSeesAnEditAtTheNextLookup) {
    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    CString root = CString(temp) + L"mirevo-edit-" + std::to_wstring(GetCurrentProcessId()).c_str();
    ASSERT_TRUE(file::MakeDirectory(root));
    ASSERT_TRUE(file::MakeDirectory(root + L"\\language"));
    CString folder = root + L"\\";
    CString path = LanguageFilePath(folder, 1033);
    WinProfileReader reader;
    ASSERT_TRUE(file::WriteAll(path, Utf16File("[LAN]\r\n12=A\r\n")));
    EXPECT_EQ(LookupText(reader, folder, 1033, L"LAN", 12), L"A");
    ASSERT_TRUE(file::WriteAll(path, Utf16File("[LAN]\r\n11=C\r\n12=BB\r\n")));
    EXPECT_EQ(LookupText(reader, folder, 1033, L"LAN", 12), L"BB");
    file::Remove(path);
    EXPECT_EQ(LookupText(reader, folder, 1033, L"LAN", 12), L"");
    RemoveDirectoryW(root + L"\\language");
    RemoveDirectoryW(root);
}

// GetText reads the current language's file beside the running program, here the
// test program, which gets two small language files for the purpose.
TEST(ProfileAgreementTest, GetTextFollowsTheCurrentLanguage) {
    int saved = CurrentLanguage.load();
    CString folder = GetProgramFolder() + L"language";
    bool madeFolder = !file::IsDirectory(folder);
    ASSERT_TRUE(file::MakeDirectory(folder));
    ASSERT_TRUE(file::WriteAll(LanguageFilePath(GetProgramFolder(), 1033), Utf16File("[LAN]\r\n5=Close\r\n61=Profile\r\n")));
    ASSERT_TRUE(file::WriteAll(LanguageFilePath(GetProgramFolder(), 1055), Utf16File("[LAN]\r\n5=Kapat\r\n")));
    const struct {
        int language;
        int id;
        const wchar_t* expected;
    } cases[] = {
        {1033, 5, L"Close"}, {1033, 61, L"Profile"}, {1055, 5, L"Kapat"},
        {1055, 61, L""},  // not in that language's file
        {4242, 5, L""},   // no file for that language
    };
    for (const auto& c : cases) {
        CurrentLanguage.store(c.language);
        EXPECT_EQ(GetText(L"LAN", c.id), c.expected) << c.language << " " << c.id;
    }
    CurrentLanguage.store(saved);
    file::Remove(LanguageFilePath(GetProgramFolder(), 1033));
    file::Remove(LanguageFilePath(GetProgramFolder(), 1055));
    if (madeFolder) RemoveDirectoryW(folder);
}

}  // namespace
