#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include "File.h"
#include "FixturePath.h"
#include "TextLookup.h"

namespace {

CString ProgramFolder() { return file::Join(FixturePath(L"program"), L""); }

TEST(TextLookupTest, LanguageFileBesideTheProgram) {
#ifdef _WIN32
    EXPECT_EQ(LanguageFilePath(L"C:\\Program Files\\Corvane\\", 1055), L"C:\\Program Files\\Corvane\\language\\1055.lan");
    EXPECT_EQ(LanguageFilePath(L"C:\\Mirevo\\", 1033), L"C:\\Mirevo\\language\\1033.lan");
#else
    EXPECT_EQ(LanguageFilePath(L"/opt/corvane/", 1055), L"/opt/corvane/language/1055.lan");
#endif
}

TEST(TextLookupTest, LooksUpTextsOfTheFixtureFolder) {
    LanguageFileReader reader;
    const struct {
        int language;
        int id;
        const wchar_t* expected;
    } cases[] = {
        {1033, 5, L"Close"},
        {1033, 61, L"Profile"},  // the first of two entries
        {1033, 102, L"100% sure %d %s %n"},
        {1033, 9999, L""},   // no such id
        {1033, 106, L""},    // only in another section
        {1055, 5, L""},      // no such file
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookupText(reader, ProgramFolder(), c.language, L"LAN", c.id), c.expected) << c.id;
    EXPECT_EQ(LookupText(reader, ProgramFolder(), 1033, L"Missing", 5), L"");
    EXPECT_EQ(LookupText(reader, ProgramFolder(), 1033, L"LAN", 103).GetLength(), 259);
}

class EndlessReader : public ProfileReader {
public:
    CString ReadText(const CString&, const CString&, int) override { return CString(1000, L'x'); }
};

TEST(TextLookupTest, AnyReaderIsCutAtTheLimit) {
    EndlessReader reader;
    EXPECT_EQ(LookupText(reader, L"x", 1033, L"LAN", 1), CString(259, L'x'));
}

TEST(TextLookupTest, EditedFileIsSeenByTheNextLookup) {
    CString folder = file::Join(L".", L"lookup-edit");
    ASSERT_TRUE(file::MakeDirectory(folder));
    ASSERT_TRUE(file::MakeDirectory(file::Join(folder, L"language")));
    CString path = LanguageFilePath(file::Join(folder, L""), 1033);
    LanguageFileReader reader;
    ASSERT_TRUE(file::WriteAll(path, "[LAN]\r\n12=Exit\r\n"));
    EXPECT_EQ(LookupText(reader, file::Join(folder, L""), 1033, L"LAN", 12), L"Exit");
    ASSERT_TRUE(file::WriteAll(path, "[LAN]\r\n12=Quit\r\n13=New\r\n"));
    EXPECT_EQ(LookupText(reader, file::Join(folder, L""), 1033, L"LAN", 12), L"Quit");
    EXPECT_EQ(LookupText(reader, file::Join(folder, L""), 1033, L"LAN", 13), L"New");
    ASSERT_TRUE(file::Remove(path));
    EXPECT_EQ(LookupText(reader, file::Join(folder, L""), 1033, L"LAN", 12), L"");
}

}  // namespace
