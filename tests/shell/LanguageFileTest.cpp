#include <gtest/gtest.h>

#include "File.h"
#include "FixturePath.h"
#include "LanguageFile.h"
#include "Utf.h"
#include "CStringPrinter.h"

namespace {

std::string Utf16Le(const std::wstring& text, bool mark = true) {
    std::string bytes = mark ? std::string("\xFF\xFE") : std::string();
    for (char16_t unit : utf::WideToUtf16(text)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Utf16Be(const std::wstring& text) {
    std::string bytes("\xFE\xFF");
    for (char16_t unit : utf::WideToUtf16(text)) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

std::string Utf8(const std::wstring& text) { return utf::WideToUtf8(text); }

using Texts = std::map<int, CString>;

TEST(LanguageFileTest, ReadsEveryAcceptedEncoding) {
    const std::wstring body = L"[LAN]\r\n5=\x5173\x95ED\r\n61=\x914D\x7F6E\r\n";
    const Texts expected{{5, L"\x5173\x95ED"}, {61, L"\x914D\x7F6E"}};
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"UTF-16LE with mark", Utf16Le(body)},
        {"UTF-16BE with mark", Utf16Be(body)},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + Utf8(body)},
        {"UTF-8 without mark", Utf8(body)},
    };
    for (const auto& f : files) EXPECT_EQ(language::ParseSection(f.bytes, L"LAN"), expected) << f.name;
}

TEST(LanguageFileTest, FollowsTheProfileReaderRules) {
    const struct {
        const char* what;
        std::wstring body;
        Texts expected;
    } cases[] = {
        {"first occurrence wins", L"[LAN]\n7=one\n7=two\n", {{7, L"one"}}},
        {"a bare key is an empty first occurrence", L"[LAN]\n7\n7=two\n", {{7, L""}}},
        {"blanks around key and value", L"[LAN]\n \t 7 \t= \t text here \t\n", {{7, L"text here"}}},
        {"double quotes removed, inner blanks kept", L"[LAN]\n7=\"  a  \"\n", {{7, L"  a  "}}},
        {"single quotes removed", L"[LAN]\n7='a'\n", {{7, L"a"}}},
        {"unbalanced quote kept", L"[LAN]\n7=\"a\n8='a\"\n", {{7, L"\"a"}, {8, L"'a\""}}},
        {"a lone quote is text", L"[LAN]\n7=\"\n", {{7, L"\""}}},
        {"empty quotes", L"[LAN]\n7=\"\"\n", {{7, L""}}},
        {"only the first '=' splits", L"[LAN]\n7=a=b\n", {{7, L"a=b"}}},
        {"placeholders stay as they are", L"[LAN]\n7=%s %d %n 100%\n", {{7, L"%s %d %n 100%"}}},
        {"only the %d spelling of an id is a key", L"[LAN]\n07=a\n+8=b\n-9=c\n 10x=d\n-0=e\n", {{-9, L"c"}}},
        {"ids beyond 32 bits are no ids", L"[LAN]\n4294967296=a\n2147483647=b\n", {{2147483647, L"b"}}},
        {"section names compare without case", L"[lan]\n7=a\n", {{7, L"a"}}},
        {"other sections and lines before any section are ignored",
         L"7=none\n[Other]\n7=other\n[LAN]\n8=mine\n[Next]\n9=next\n", {{8, L"mine"}}},
        {"only the first section of the name counts", L"[LAN]\n7=a\n[LAN]\n7=b\n8=c\n", {{7, L"a"}}},
        {"a blank-padded name is another section", L"[ LAN ]\n7=a\n[LAN]\n8=b\n", {{8, L"b"}}},
        {"a header runs to the last bracket", L"[LAN] ; the texts ]\n7=a\n[LAN]x\n8=b\n", {{8, L"b"}}},
        {"a broken header is an ordinary line", L"[LAN]\n[LAN\n7=a\n", {{7, L"a"}}},
        {"CR, LF and CRLF all end lines", L"[LAN]\r7=a\r\n8=b\n\n9=c", {{7, L"a"}, {8, L"b"}, {9, L"c"}}},
        {"Ctrl-Z is trimmed, Unicode spaces are text", L"[LAN]\n7=\x3000" L"a\x00A0\x001A\n8= b\x001A \n",
         {{7, L"\x3000" L"a\x00A0"}, {8, L"b"}}},
        {"a NUL ends the text", std::wstring(L"[LAN]\n7=ab\0cd\n", 14), {{7, L"ab"}}},
        {"no section at all", L"7=a\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(language::ParseSection(Utf16Le(c.body), L"LAN"), c.expected) << c.what;
}

TEST(LanguageFileTest, TextsAreCutAt259Characters) {
    std::wstring body = L"[LAN]\n1=" + std::wstring(259, L'a') + L"\n2=" + std::wstring(300, L'b') + L"\n3=\"" +
                        std::wstring(300, L'c') + L"\"\n";
    Texts texts = language::ParseSection(Utf16Le(body), L"LAN");
    EXPECT_EQ(texts[1], CString(259, L'a'));
    EXPECT_EQ(texts[2], CString(259, L'b'));
    EXPECT_EQ(texts[3], CString(259, L'c'));
}

TEST(LanguageFileTest, DamagedFilesGiveWhatCanBeRead) {
    EXPECT_TRUE(language::ParseSection("", L"LAN").empty());
    EXPECT_TRUE(language::ParseSection("\xFF\xFE", L"LAN").empty());
    std::string odd = Utf16Le(L"[LAN]\n7=a\n8=b") + "\x41";  // a stray last byte
    EXPECT_EQ(language::ParseSection(odd, L"LAN"), (Texts{{7, L"a"}, {8, L"b"}}));
    Texts bad = language::ParseSection("[LAN]\n7=a\xFF" "b\n", L"LAN");
    EXPECT_EQ(bad[7], L"a\xFFFD" L"b");
}

TEST(LanguageFileTest, FixtureOfTheProgramFolder) {
    std::string bytes;
    ASSERT_TRUE(file::ReadAll(FixturePath(L"program/language/1033.lan"), bytes));
    Texts texts = language::ParseSection(bytes, L"LAN");
    EXPECT_EQ(texts[5], L"Close");
    EXPECT_EQ(texts[61], L"Profile");
    EXPECT_EQ(texts[100], L"  quoted with blanks  ");
    EXPECT_EQ(texts[104], L"\x914D\x7F6E\x6587\x4EF6");
    EXPECT_EQ(texts[105], L"spaced out");
    EXPECT_EQ(texts[103].GetLength(), 259);
    EXPECT_EQ(texts.count(106), 0u);
}

}  // namespace
