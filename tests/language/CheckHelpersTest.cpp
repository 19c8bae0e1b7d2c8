// The checks of the language file test must themselves tell good from bad.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "CatalogueTextIds.h"
#include "PrintfConversions.h"

namespace {

TEST(PrintfConversions, TellsFillablePlaceholdersFromOtherConversionsAndProse) {
    struct Case {
        const wchar_t* text;
        int fillable;
        int other;
    };
    const Case cases[] = {
        {L"", 0, 0},
        {L"Battery 100%", 0, 0},
        {L"50% off", 0, 0},
        {L"50% done", 0, 0},
        {L"100%%", 0, 0},
        {L"%%d is literal", 0, 0},
        {L"%s", 1, 0},
        {L"%s %d", 2, 0},
        {L"%d%%", 1, 0},
        {L"%n", 0, 1},
        {L"%x", 0, 1},
        {L"%5d", 0, 1},
        {L"%-s", 0, 1},
        {L"%ls", 0, 1},
        {L"%.3f", 0, 1},
        {L"%I64d", 0, 1},
        {L"%*d", 0, 1},
        {L"rate %", 0, 0},
        {L"%,", 0, 0},
    };
    for (const Case& c : cases) {
        PrintfConversions found = CountPrintfConversions(c.text);
        EXPECT_EQ(found.fillable, c.fillable) << "case index " << (&c - cases);
        EXPECT_EQ(found.other, c.other) << "case index " << (&c - cases);
    }
}

TEST(CatalogueTextIds, FindsNameAndFuncDescIdsOnly) {
    const std::string xml =
        "<mouse device_name=\"12\">\n"
        "  <key name=\"700\" func_desc=\"106\" key_value=\"0\"/>\n"
        "  <key\tname = '701' func_desc='107'/>\n"
        "  <key name=\"Left\" func_desc=\"\"/>\n"
        "  <picture filename=\"55\"/>\n"
        "</mouse>\n";
    EXPECT_EQ(CatalogueTextIds(xml), (std::set<int>{106, 107, 700, 701}));
}

TEST(CatalogueTextIds, ReadsUtf16Files) {
    const std::string ascii = "<key name=\"705\"/>";
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii) utf16 += std::string{c, '\0'};
    EXPECT_EQ(CatalogueTextIds(utf16), (std::set<int>{705}));
}

}  // namespace
