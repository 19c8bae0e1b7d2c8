#include <gtest/gtest.h>

#include "XmlDocument.h"
#include "XmlEntities.h"

namespace {

CString ValueOf(const wchar_t* raw) {
    XmlDocument doc;
    std::wstring text = L"<a v=\"" + std::wstring(raw) + L"\"/>";
    EXPECT_TRUE(doc.SetDocumentText(text.c_str()));
    EXPECT_TRUE(doc.FindNextElement(L"a"));
    return doc.GetAttribute(L"v");
}

}  // namespace

TEST(XmlEntitiesTest, DecodesNamedEntitiesAndValidCharacterReferences) {
    struct Case { const wchar_t* raw; std::wstring decoded; };
    const Case cases[] = {
        {L"&lt;&amp;&gt;&apos;&quot;", L"<&>'\""},
        {L"&#65;&#x42;&#X43;", L"ABC"},
        {L"&#xFC;ber", L"\xFC" L"ber"},
        {L"&#x10FFFF;", std::wstring(1, L'\0')},  // replaced below: depends on wchar_t width
        {L"&#1;", std::wstring(1, L'\x01')},
        // Leading zeros, however many, change nothing.
        {L"&#0000000000000000000000000000000000000000065;", L"A"},
        {L"&#x00000000000000000000000000000000000000042;&#X0043;", L"BC"},
        {L"&#00009;&#x000A;", L"\t\n"},
    };
    for (const Case& c : cases) {
        std::wstring expected = c.decoded;
        if (std::wstring(c.raw) == L"&#x10FFFF;") {
            expected.clear();
            if (sizeof(wchar_t) == 2) expected = {static_cast<wchar_t>(0xDBFF), static_cast<wchar_t>(0xDFFF)};
            else expected = {static_cast<wchar_t>(0x10FFFF)};
        }
        EXPECT_EQ(ValueOf(c.raw).str(), expected) << "raw " << testing::PrintToString(std::wstring(c.raw));
    }
}

TEST(XmlEntitiesTest, LeavesReferencesToNoScalarValueLiteral) {
    // NUL, surrogates, past U+10FFFF, digit strings that would overflow, no digits,
    // unknown names and a missing ';' all stay as written.
    const wchar_t* literal[] = {
        L"&#0;", L"&#x0;", L"&#xD800;", L"&#57343;", L"&#x110000;", L"&#1114112;",
        L"&#99999999999999999999999;", L"&#xFFFFFFFFFFFFFFFF41;", L"&#;", L"&#x;", L"&#-1;",
        L"&#12a;", L"&nbsp;", L"&amp", L"&", L"a & b", L"&#0000000000000000000000000000000000000;",
        L"&#x00000000000000000000000000110000;", L"&#0000000000000000000000000000000000055296;",
    };
    for (const wchar_t* raw : literal) {
        EXPECT_EQ(ValueOf(raw).str(), std::wstring(raw)) << testing::PrintToString(std::wstring(raw));
    }
}

TEST(XmlEntitiesTest, EncodesTheFiveSpecialCharacters) {
    EXPECT_EQ(xml::EncodeEntities(L"a<b&c>d'e\"f"), L"a&lt;b&amp;c&gt;d&apos;e&quot;f");
    EXPECT_EQ(xml::DecodeEntities(xml::EncodeEntities(L"&#65; &amp;")), L"&#65; &amp;");
}

// Another XML reader turns a literal tab, CR or LF in a value into a blank; as
// references they reach every reader as written.
TEST(XmlEntitiesTest, LineBreaksAndTabsInAValueAreWrittenAsReferences) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<a/>"));
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    const CString value = L"one\ttwo\r\nthree\n";
    ASSERT_TRUE(doc.SetAttribute(L"v", value));
    EXPECT_EQ(doc.GetDocumentText().str(), L"<a v=\"one&#9;two&#13;&#10;three&#10;\"/>");
    EXPECT_EQ(doc.GetAttribute(L"v"), value);
    XmlDocument back;
    ASSERT_TRUE(back.SetDocumentText(doc.GetDocumentText()));
    ASSERT_TRUE(back.FindNextElement(L"a"));
    EXPECT_EQ(back.GetAttribute(L"v"), value);
}
