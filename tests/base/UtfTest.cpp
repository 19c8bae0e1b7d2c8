#include <gtest/gtest.h>

#include "Utf.h"

namespace {
const std::string kMixedUtf8 = "A\xC3\xA9\xE9\x85\x8D\xE7\xBD\xAE\xF0\x9F\x96\xB1";  // A é 配置 🖱
}

TEST(UtfTest, RoundTripsEveryPlaneIncludingSurrogatePairs) {
    std::wstring wide = utf::Utf8ToWide(kMixedUtf8);
    if (sizeof(wchar_t) == 2) {
        ASSERT_EQ(wide.size(), 6u);  // the mouse emoji takes a surrogate pair
        EXPECT_EQ(static_cast<unsigned>(wide[4]), 0xD83Du);
        EXPECT_EQ(static_cast<unsigned>(wide[5]), 0xDDB1u);
    } else {
        ASSERT_EQ(wide.size(), 5u);
        EXPECT_EQ(static_cast<unsigned>(wide[4]), 0x1F5B1u);
    }
    EXPECT_EQ(utf::WideToUtf8(wide), kMixedUtf8);
    std::u16string u16 = utf::WideToUtf16(wide);
    ASSERT_EQ(u16.size(), 6u);
    EXPECT_EQ(utf::Utf16ToWide(u16), wide);
}

TEST(UtfTest, IllFormedInputBecomesReplacementCharacters) {
    struct Case { std::string in; std::wstring out; };
    const Case cases[] = {
        {"a\x80" "b", L"a\xFFFD" L"b"},           // stray continuation byte
        {"\xC0\xAF", L"\xFFFD\xFFFD"},            // overlong lead is never valid
        {"\xE0\x80\xAF", L"\xFFFD\xFFFD\xFFFD"},  // overlong three-byte form
        {"\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},  // encoded surrogate
        {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},  // past U+10FFFF
        {"\xE9\x85", L"\xFFFD"},                  // truncated at the end
        {"\xFF", L"\xFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf::Utf8ToWide(c.in), c.out) << "input length " << c.in.size();
        EXPECT_FALSE(utf::IsValidUtf8(c.in));
    }
    EXPECT_TRUE(utf::IsValidUtf8(kMixedUtf8));
    EXPECT_TRUE(utf::IsValidUtf8("\xEF\xBF\xBD"));
}

TEST(UtfTest, LoneSurrogatesInWideTextAreReplaced) {
    std::u16string lone = {u'x', static_cast<char16_t>(0xD800), u'y', static_cast<char16_t>(0xDC00)};
    EXPECT_EQ(utf::WideToUtf8(utf::Utf16ToWide(lone)), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
    std::wstring bad;
    bad += L'q';
    bad += static_cast<wchar_t>(0xDC01);
    EXPECT_EQ(utf::WideToUtf8(bad), "q\xEF\xBF\xBD");
}
