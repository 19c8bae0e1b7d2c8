#include <gtest/gtest.h>

#include "XmlDocument.h"

namespace {

struct IllFormed {
    const char* what;
    const wchar_t* text;
    const wchar_t* record;    // expected in the result
    const wchar_t* reachable; // a top-level element still navigable, or null
};

const IllFormed kCases[] = {
    {"second root", L"<a><x/></a><b/>", L"<root_has_sibling tagname=\"b\"", L"a"},
    {"lone end tag", L"<a></z></a>", L"<lone_end_tag tagname=\"z\"", L"a"},
    {"unended start tag", L"<a><b></a>", L"<unended_start_tag tagname=\"b\"", L"a"},
    {"unended root", L"<a><b/>", L"<unended_start_tag tagname=\"a\"", L"a"},
    {"no root", L"<?xml version=\"1.0\"?>\r\n<!-- only -->", L"<no_root_element", nullptr},
    {"empty text", L"", L"<no_root_element", nullptr},
    {"text only", L"just text", L"<no_root_element", nullptr},
    {"unterminated start tag", L"<a><b x=\"1\"", L"<unterminated_tag_syntax tagname=\"b\"", L"a"},
    {"unterminated quote", L"<a><b x=\"1/></a>", L"<unterminated_tag_syntax tagname=\"b\"", L"a"},
    {"tag cut by another", L"<a><b <c/></a>", L"<unterminated_tag_syntax tagname=\"b\"", L"a"},
    {"unterminated end tag", L"<a></a", L"<unterminated_tag_syntax tagname=\"a\"", L"a"},
    {"bad first tag", L"< a/>", L"<first_tag_syntax", nullptr},
    {"bad first tag inside", L"<a><=/></a>", L"<first_tag_syntax", L"a"},
    {"lone '<' at the end", L"<a/><", L"<unterminated_tag_syntax", L"a"},
    {"unterminated comment", L"<a/><!-- open", L"<comment_tag_syntax", L"a"},
    {"bad comment opener", L"<a><!-x--></a>", L"<comment_tag_syntax", L"a"},
    {"unterminated cdata", L"<a><![CDATA[ x ]></a>", L"<cdata_section_syntax", L"a"},
    {"bad cdata opener", L"<a><![CDAT[x]]></a>", L"<cdata_section_syntax", L"a"},
    {"unterminated doctype", L"<!DOCTYPE a [ <!ELEMENT a ANY>", L"<doctype_tag_syntax", nullptr},
    {"unknown declaration", L"<!FOO><a/>", L"<doctype_tag_syntax", L"a"},
    {"unterminated instruction", L"<?xml version=\"1.0\"", L"<unterminated_tag_syntax", nullptr},
};

}  // namespace

TEST(XmlIllFormedTest, FailsWithItsRecordAndStaysNavigable) {
    for (const IllFormed& c : kCases) {
        XmlDocument doc;
        EXPECT_FALSE(doc.SetDocumentText(c.text)) << c.what;
        EXPECT_NE(doc.GetResult().Find(c.record), -1) << c.what << ": " << testing::PrintToString(doc.GetResult().str());
        if (c.reachable) {
            EXPECT_TRUE(doc.FindNextElement(c.reachable)) << c.what;
        }
        EXPECT_EQ(doc.GetDocumentText().str(), std::wstring(c.text)) << c.what;  // the text is kept as given
    }
}

TEST(XmlIllFormedTest, SecondRootLoadsButTheFirstStaysNavigable) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(L"<a v=\"1\"><x w=\"2\"/></a>\r\n<b/>"));
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    EXPECT_EQ(doc.GetAttribute(L"v"), L"1");
    doc.EnterElement();
    ASSERT_TRUE(doc.FindNextElement(L"x"));
    EXPECT_EQ(doc.GetAttribute(L"w"), L"2");
}

TEST(XmlIllFormedTest, UnendedElementsCloseAtTheirParentsEnd) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(L"<r><a><b></r>"));
    ASSERT_TRUE(doc.FindNextElement(L"r"));
    doc.EnterElement();
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    doc.EnterElement();
    EXPECT_TRUE(doc.FindNextElement(L"b"));
    // Editing an ill-formed document stays within the text.
    EXPECT_TRUE(doc.SetAttribute(L"k", L"v"));
    EXPECT_TRUE(doc.AddElement(L"c"));
    EXPECT_EQ(doc.GetDocumentText().str(), L"<r><a><b k=\"v\">\r\n<c/></r>");
}

// An end tag closes the innermost open element of its name; what was opened
// inside that one is unended. Whatever lies between is no lone end tag.
TEST(XmlIllFormedTest, EndTagClosesTheInnermostElementOfItsName) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(L"<a id=\"outer\"><b><a id=\"inner\"><c></a><d/></b></a>"));
    EXPECT_EQ(doc.GetResult().Find(L"lone_end_tag"), -1);
    EXPECT_NE(doc.GetResult().Find(L"<unended_start_tag tagname=\"c\""), -1);
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    doc.EnterElement();
    ASSERT_TRUE(doc.FindNextElement(L"b"));
    doc.EnterElement();
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    EXPECT_EQ(doc.GetAttribute(L"id"), L"inner");
    doc.EnterElement();
    EXPECT_TRUE(doc.FindNextElement(L"c"));
    doc.LeaveElement();
    EXPECT_TRUE(doc.FindNextElement(L"d")) << "d follows the inner a inside b";
}

// Stray end tags deep inside a document are ignored one by one.
TEST(XmlIllFormedTest, StrayEndTagsInADeepDocumentLeaveItsTree) {
    std::wstring text;
    for (int i = 0; i < 300; ++i) text += L"<e" + std::to_wstring(i % 7) + L">";
    for (int i = 0; i < 300; ++i) text += L"</z>";
    for (int i = 299; i >= 0; --i) text += L"</e" + std::to_wstring(i % 7) + L">";
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(text.c_str()));
    EXPECT_NE(doc.GetResult().Find(L"<lone_end_tag tagname=\"z\""), -1);
    EXPECT_EQ(doc.GetResult().Find(L"unended_start_tag"), -1);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(doc.FindNextElement((L"e" + std::to_wstring(i % 7)).c_str())) << "depth " << i;
        ASSERT_TRUE(doc.EnterElement());
    }
}

TEST(XmlIllFormedTest, ResultStopsGrowingPastItsLimit) {
    std::wstring text = L"<a>";
    for (int i = 0; i < 500; ++i) text += L"</zz>";
    text += L"</a>";
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(text.c_str()));
    EXPECT_GT(doc.GetResult().GetLength(), 999);
    EXPECT_LT(doc.GetResult().GetLength(), 1200);
    EXPECT_TRUE(doc.FindNextElement(L"a"));
}

TEST(XmlIllFormedTest, NeverReadsPastTheText) {
    // Every prefix of a document that uses every construct: the sanitizers watch.
    const std::wstring full =
        L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE r [<!ENTITY e \"x\">]>\r\n"
        L"<r a=\"1\" b='&lt;&#65;&#x42;'><!-- c --><![CDATA[d]]><?p q?><e/><f g=h>t</f></r>\r\n";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        XmlDocument doc;
        doc.SetDocumentText(full.substr(0, n).c_str());
        if (doc.FindNextElement(L"r")) {
            doc.GetAttribute(L"b");
            doc.EnterElement();
            doc.FindNextElement(L"f");
            doc.GetAttribute(L"g");
            doc.AddElement(L"z");
            doc.SetAttribute(L"k", L"v");
        }
    }
}
