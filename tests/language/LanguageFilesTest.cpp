// Checks the two shipped language files: encoding, completeness against every id
// the program and the shipped model descriptions ask for, length, and that no
// text carries a printf conversion that a caller could trip over.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CatalogueTextIds.h"
#include "File.h"
#include "LanguageFile.h"
#include "PrintfConversions.h"
#include "ProgramTextIds.h"
#include "Utf.h"
#include "TestPaths.h"

namespace {

constexpr int kLanguages[] = {1033, 1055};

// Texts whose callers fill placeholders in them (with the safe formatter), with
// the number each fills: the macro page's file messages and the key page's notice
// about a macro that is cut. Every other caller passes texts as arguments to its
// own pattern ("%s 2", "%s %d" ...). A text becomes a pattern only by adding it
// here together with the caller that fills it.
const std::map<int, int> kFilledPlaceholders = {{761, 1}, {762, 2}, {763, 2}, {764, 2},
                                                {766, 3}, {767, 1}, {768, 1}, {769, 1}};

CString SourcePath(const char* relative) {
    return file::Join(CString(utf::Utf8ToWide(testpaths::SourceDir())), CString(utf::Utf8ToWide(relative)));
}

std::string ReadLanguageFile(int lcid) {
    std::string bytes;
    std::string name = "assets/language/" + std::to_string(lcid) + ".lan";
    EXPECT_TRUE(file::ReadAll(SourcePath(name.c_str()), bytes)) << name;
    return bytes;
}

std::map<int, CString> ReadTexts(int lcid) { return language::ParseSection(ReadLanguageFile(lcid), L"LAN"); }

// The lines of a UTF-16LE file exactly as stored, without the byte-order mark.
// `lineEnds` collects what ended each line, so stray LF or CR can be seen.
std::vector<std::u16string> RawLines(const std::string& bytes, std::vector<std::u16string>* lineEnds) {
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] != u'\r' && units[i] != u'\n') continue;
        std::size_t endLength = (units[i] == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') ? 2 : 1;
        lines.push_back(units.substr(start, i - start));
        if (lineEnds) lineEnds->push_back(units.substr(i, endLength));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < units.size()) {
        lines.push_back(units.substr(start));
        if (lineEnds) lineEnds->push_back(u"");
    }
    return lines;
}

// The ids named by every shipped model description; each description must name some.
std::set<int> ShippedCatalogueIds() {
    std::set<int> ids;
    std::error_code error;
    int descriptions = 0;
    const std::filesystem::path folder = std::filesystem::path(testpaths::Source("assets/device"));
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() != ".xml") continue;
        ++descriptions;
        std::string bytes;
        EXPECT_TRUE(file::ReadAll(CString(it->path().wstring()), bytes)) << it->path().string();
        std::set<int> found = CatalogueTextIds(bytes);
        EXPECT_FALSE(found.empty()) << it->path().string() << " names no text ids";
        ids.insert(found.begin(), found.end());
    }
    EXPECT_FALSE(error) << folder.string() << ": " << error.message();
    EXPECT_GT(descriptions, 0) << "no model description found in " << folder.string();
    return ids;
}

std::string Join(const std::vector<int>& ids) {
    std::string out;
    for (int id : ids) out += (out.empty() ? "" : ", ") + std::to_string(id);
    return out;
}

template <typename Ids>
std::vector<int> MissingOrEmpty(const std::map<int, CString>& texts, const Ids& ids) {
    std::vector<int> missing;
    for (int id : ids) {
        auto it = texts.find(id);
        if (it == texts.end() || CString(it->second).Trim().IsEmpty()) missing.push_back(id);
    }
    return missing;
}

class LanguageFileTest : public testing::TestWithParam<int> {};

TEST_P(LanguageFileTest, IsUtf16LittleEndianWithMarkCrlfAndOneSection) {
    const std::string bytes = ReadLanguageFile(GetParam());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
    EXPECT_EQ(bytes.size() % 2, 0u);
    std::vector<std::u16string> ends;
    const std::vector<std::u16string> lines = RawLines(bytes, &ends);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), u"[LAN]");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(ends[i], u"\r\n") << "line " << i + 1;
        EXPECT_TRUE(i == 0 || lines[i].empty() || lines[i].front() != u'[') << "second section at line " << i + 1;
    }
}

TEST_P(LanguageFileTest, DefinesEveryTextTheProgramAsksFor) {
    EXPECT_EQ(Join(MissingOrEmpty(ReadTexts(GetParam()), ProgramTextIds())), "");
}

TEST_P(LanguageFileTest, DefinesEveryTextTheShippedModelDescriptionsName) {
    EXPECT_EQ(Join(MissingOrEmpty(ReadTexts(GetParam()), ShippedCatalogueIds())), "");
}

TEST_P(LanguageFileTest, NoTextIsLongerThanTheProgramReads) {
    // Measured on the stored lines: the reader cuts long texts, so its result
    // cannot show that a text was too long.
    for (const std::u16string& line : RawLines(ReadLanguageFile(GetParam()), nullptr)) {
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string::npos) continue;
        std::u16string text = line.substr(equals + 1);
        if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') text = text.substr(1, text.size() - 2);
        EXPECT_LE(text.size(), static_cast<std::size_t>(language::kMaxTextLength))
            << utf::WideToUtf8(utf::Utf16ToWide(line.substr(0, equals)));
    }
}

TEST_P(LanguageFileTest, TextsCarryOnlyThePlaceholdersTheirCallersFill) {
    for (const auto& [id, text] : ReadTexts(GetParam())) {
        const PrintfConversions found = CountPrintfConversions(text.str());
        auto filled = kFilledPlaceholders.find(id);
        EXPECT_EQ(found.fillable, filled == kFilledPlaceholders.end() ? 0 : filled->second)
            << "text " << id << ": " << utf::WideToUtf8(text.str());
        EXPECT_EQ(found.other, 0) << "text " << id << ": " << utf::WideToUtf8(text.str());
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFileTest, testing::ValuesIn(kLanguages));

TEST(LanguageFiles, BothLanguagesDefineTheSameTexts) {
    std::set<int> english, chinese;
    for (const auto& entry : ReadTexts(1033)) english.insert(entry.first);
    for (const auto& entry : ReadTexts(1055)) chinese.insert(entry.first);
    std::vector<int> onlyEnglish, onlyChinese;
    std::set_difference(english.begin(), english.end(), chinese.begin(), chinese.end(), std::back_inserter(onlyEnglish));
    std::set_difference(chinese.begin(), chinese.end(), english.begin(), english.end(), std::back_inserter(onlyChinese));
    EXPECT_EQ(Join(onlyEnglish), "");
    EXPECT_EQ(Join(onlyChinese), "");
}

// Stored names keep the words of the language they were made in; the program
// recognises those words to show the names in the other language. The texts
// that form such names must be exactly the words it recognises.
TEST(LanguageFiles, WordsInStoredNamesAreTheOnesTheProgramRecognises) {
    struct Word {
        int lcid;
        int id;
        const wchar_t* text;
        const char* why;
    };
    const Word words[] = {
        {1033, 61, L"Profile", "English profile names are kept as they are"},
        {1055, 61, L"\u914D\u7F6E", "first of the profile words that English shows as Profile"},
        {1033, 351, L"Custom", "the six characters replaced in macro names on the mouse"},
        {1055, 351, L"\u81EA\u5B9A\u4E49", "first of the default macro words that English replaces"},
        {1055, 31, L"\u590D\u5236", "first of the copy words that English shows as Copy"},
        {1055, 280, L"\u5173\u95ED", "stored name of lighting mode 0"},
        {1055, 281, L"\u5355\u8272\u5E38\u4EAE", "stored name of lighting mode 1"},
        {1055, 282, L"\u5355\u8272\u547C\u5438", "stored name of lighting mode 2"},
        {1055, 283, L"\u5149\u8C31\u5FAA\u73AF", "stored name of lighting mode 3"},
    };
    const std::map<int, CString> texts[] = {ReadTexts(1033), ReadTexts(1055)};
    for (const Word& word : words) {
        const std::map<int, CString>& table = texts[word.lcid == 1033 ? 0 : 1];
        auto it = table.find(word.id);
        ASSERT_NE(it, table.end()) << word.lcid << ": " << word.id;
        EXPECT_EQ(utf::WideToUtf8(it->second.str()), utf::WideToUtf8(word.text)) << word.lcid << ": " << word.id << " (" << word.why << ")";
    }
}

TEST(LanguageFiles, ProgramIdTableHoldsEachIdOnce) {
    std::vector<int> ids = ProgramTextIds();
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ids.size(), 257u);
}

}  // namespace
