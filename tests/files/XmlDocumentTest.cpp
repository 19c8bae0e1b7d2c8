#include <gtest/gtest.h>

#include <vector>

#include "XmlDocument.h"

namespace {

constexpr wchar_t kDeclaration[] = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

}  // namespace

TEST(XmlDocumentTest, BuildsTheDocumentLineByLine) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocumentText(kDeclaration));  // no root yet
    ASSERT_TRUE(doc.AddElement(L"a"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement(L"b"));
    ASSERT_TRUE(doc.SetAttribute(L"x", L"1"));
    ASSERT_TRUE(doc.AddElement(L"c"));
    EXPECT_EQ(doc.GetDocumentText().str(),
              std::wstring(kDeclaration) + L"<a>\r\n<b x=\"1\"/>\r\n<c/>\r\n</a>\r\n");
}

TEST(XmlDocumentTest, NestsAndAppendsInTheOrderOfTheCalls) {
    XmlDocument doc;
    doc.SetDocumentText(kDeclaration);
    doc.AddElement(L"root");
    doc.SetAttribute(L"version", L"2");
    doc.EnterElement();
    doc.AddElement(L"list");
    doc.EnterElement();
    doc.AddElement(L"item");
    doc.SetAttribute(L"id", L"1");
    doc.SetAttribute(L"name", L"one");
    doc.AddElement(L"item");
    doc.SetAttribute(L"id", L"2");
    doc.SetAttribute(L"id", L"20");  // replaces in place
    doc.LeaveElement();
    doc.AddElement(L"tail");
    EXPECT_EQ(doc.GetDocumentText().str(), std::wstring(kDeclaration) +
              L"<root version=\"2\">\r\n<list>\r\n<item id=\"1\" name=\"one\"/>\r\n<item id=\"20\"/>\r\n</list>\r\n"
              L"<tail/>\r\n</root>\r\n");

    // What was built parses back to the same text and the same tree.
    XmlDocument back;
    ASSERT_TRUE(back.SetDocumentText(doc.GetDocumentText()));
    EXPECT_EQ(back.GetDocumentText(), doc.GetDocumentText());
    ASSERT_TRUE(back.FindNextElement(L"root"));
    EXPECT_EQ(back.GetAttribute(L"version"), L"2");
    back.EnterElement();
    ASSERT_TRUE(back.FindNextElement(L"list"));
    back.EnterElement();
    ASSERT_TRUE(back.FindNextElement(L"item"));
    EXPECT_EQ(back.GetAttribute(L"name"), L"one");
    ASSERT_TRUE(back.FindNextElement(L"item"));
    EXPECT_EQ(back.GetAttribute(L"id"), L"20");
    EXPECT_FALSE(back.FindNextElement(L"item"));
    back.LeaveElement();
    EXPECT_TRUE(back.FindNextElement(L"tail"));
}

TEST(XmlDocumentTest, EditsAParsedDocumentInPlace) {
    struct Case { const char* name; const wchar_t* before; const wchar_t* after; };
    const Case cases[] = {
        // A child into an element written with start and end tags.
        {"open-close", L"<r><p></p></r>", L"<r><p>\r\n<n k=\"v\"/>\r\n</p></r>"},
        {"open-break-close", L"<r><p>\r\n</p></r>", L"<r><p>\r\n<n k=\"v\"/>\r\n</p></r>"},
        // Attributes keep their quotes' place; a new one goes before the closer.
        {"empty-with-blank", L"<r><p a='1' /></r>", L"<r><p a='1' >\r\n<n k=\"v\"/>\r\n</p></r>"},
        // A stray '/' before the closer must not turn the new start tag into "/>".
        {"stray-slash", L"<r><p a='1'//></r>", L"<r><p a='1'/ >\r\n<n k=\"v\"/>\r\n</p></r>"},
        {"after-children", L"<r><p><q/></p></r>", L"<r><p><q/>\r\n<n k=\"v\"/></p></r>"},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        ASSERT_TRUE(doc.SetDocumentText(c.before)) << c.name;
        doc.FindNextElement(L"r");
        doc.EnterElement();
        ASSERT_TRUE(doc.FindNextElement(L"p")) << c.name;
        doc.EnterElement();
        ASSERT_TRUE(doc.AddElement(L"n")) << c.name;
        ASSERT_TRUE(doc.SetAttribute(L"k", L"v")) << c.name;
        EXPECT_EQ(doc.GetDocumentText().str(), c.after) << c.name;
        // The index still matches the text: a later element moved with the edit.
        XmlDocument back;
        EXPECT_TRUE(back.SetDocumentText(doc.GetDocumentText())) << c.name;
    }
}

TEST(XmlDocumentTest, EditsKeepLaterElementsReachable) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<r><a/><b x=\"1\"/></r>"));
    doc.FindNextElement(L"r");
    doc.EnterElement();
    doc.FindNextElement(L"a");
    doc.SetAttribute(L"long", L"a value that moves everything after it");
    doc.EnterElement();
    doc.AddElement(L"child");
    doc.LeaveElement();
    ASSERT_TRUE(doc.FindNextElement(L"b"));
    EXPECT_EQ(doc.GetAttribute(L"x"), L"1");
    doc.SetAttribute(L"x", L"2");
    EXPECT_EQ(doc.GetDocumentText().str(),
              L"<r><a long=\"a value that moves everything after it\">\r\n<child/>\r\n</a><b x=\"2\"/></r>");
}

namespace {

// Puts the cursor on the element at `path` below the root element r.
void GoTo(XmlDocument& doc, const std::vector<const wchar_t*>& path) {
    while (doc.LeaveElement()) {
    }
    if (doc.GetTagName().IsEmpty()) doc.FindNextElement(L"r");
    for (const wchar_t* name : path) {
        doc.EnterElement();
        ASSERT_TRUE(doc.FindNextElement(name)) << testing::PrintToString(std::wstring(name));
    }
}

}  // namespace

// An edit moves exactly what follows it: after any edit, every element is
// still found where the text has it, as if the text had just been read.
TEST(XmlDocumentTest, AnEditMovesEveryElementAfterIt) {
    const wchar_t* const text = L"<r><a><a1/></a><b x=\"1\"><b1><b2/></b1></b><c/></r>";
    const struct {
        const char* what;
        std::vector<const wchar_t*> at;
        const wchar_t* add;  // a new element after the one at `at`, or inside it with a leading '>'
    } edits[] = {
        {"attribute of an element with children", {L"a"}, nullptr},
        {"attribute of the last element", {L"c"}, nullptr},
        {"sibling after an element with children", {L"a"}, L"n"},
        {"child of an element written empty", {L"a", L"a1"}, L">n"},
        {"child after the last child", {L"a", L"a1"}, L"n"},
        {"deepest child", {L"b", L"b1", L"b2"}, L">n"},
    };
    const std::vector<const wchar_t*> everyElement[] = {
        {L"a"}, {L"a", L"a1"}, {L"b"}, {L"b", L"b1"}, {L"b", L"b1", L"b2"}, {L"c"}, {},
    };
    for (const auto& e : edits) {
        XmlDocument edited;
        ASSERT_TRUE(edited.SetDocumentText(text));
        GoTo(edited, e.at);
        if (!e.add) {
            edited.SetAttribute(L"long", L"a value that moves everything after it");
        } else if (e.add[0] == L'>') {
            edited.EnterElement();
            edited.AddElement(e.add + 1);
        } else {
            edited.AddElement(e.add);
        }
        XmlDocument read;
        ASSERT_TRUE(read.SetDocumentText(edited.GetDocumentText())) << e.what;
        for (XmlDocument* doc : {&edited, &read}) {
            for (const auto& path : everyElement) {
                GoTo(*doc, path);
                doc->SetAttribute(L"k", doc->GetTagName() + L"!");
            }
        }
        EXPECT_EQ(edited.GetDocumentText(), read.GetDocumentText()) << e.what;
        EXPECT_NE(read.GetDocumentText().Find(L"<b2 k=\"b2!\""), -1) << e.what;
    }
}

TEST(XmlDocumentTest, AttributeValuesRoundTripThroughEntities) {
    XmlDocument doc;
    doc.SetDocumentText(kDeclaration);
    doc.AddElement(L"m");
    const CString value = L"a<b & \"c\" 'd' > e";
    ASSERT_TRUE(doc.SetAttribute(L"name", value));
    EXPECT_NE(doc.GetDocumentText().Find(L"name=\"a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt; e\""), -1);
    EXPECT_EQ(doc.GetAttribute(L"name"), value);
    XmlDocument back;
    ASSERT_TRUE(back.SetDocumentText(doc.GetDocumentText()));
    back.FindNextElement(L"m");
    EXPECT_EQ(back.GetAttribute(L"name"), value);
}

TEST(XmlDocumentTest, ReadsAttributesInEveryQuotingForm) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<e a=\"1\" b='two' c = \"3\" d=4 flag e=\"x'y\" ab=\"no\"/>"));
    ASSERT_TRUE(doc.FindNextElement(L"e"));
    EXPECT_EQ(doc.GetAttribute(L"a"), L"1");
    EXPECT_EQ(doc.GetAttribute(L"b"), L"two");
    EXPECT_EQ(doc.GetAttribute(L"c"), L"3");
    EXPECT_EQ(doc.GetAttribute(L"d"), L"4");
    EXPECT_EQ(doc.GetAttribute(L"e"), L"x'y");
    EXPECT_EQ(doc.GetAttribute(L"flag"), L"");
    EXPECT_EQ(doc.GetAttribute(L"missing"), L"");
    EXPECT_EQ(doc.GetAttribute(L"A"), L"");  // names are case-sensitive
    ASSERT_TRUE(doc.SetAttribute(L"flag", L"on"));
    ASSERT_TRUE(doc.SetAttribute(L"b", L"2"));
    EXPECT_EQ(doc.GetDocumentText().str(), L"<e a=\"1\" b=\"2\" c = \"3\" d=4 flag=\"on\" e=\"x'y\" ab=\"no\"/>");
}

TEST(XmlDocumentTest, FindNextElementSearchesOnlyAfterTheCurrentElement) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<p><a/><b/><!-- c --><a n='2'/></p>"));
    EXPECT_FALSE(doc.FindNextElement(L"a"));  // not at the top level
    ASSERT_TRUE(doc.FindNextElement(L"p"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindNextElement(L"b"));
    ASSERT_TRUE(doc.FindNextElement(L"a"));  // the one after b
    EXPECT_EQ(doc.GetAttribute(L"n"), L"2");
    EXPECT_FALSE(doc.FindNextElement(L"b"));  // a failed search keeps the cursor
    EXPECT_EQ(doc.GetAttribute(L"n"), L"2");
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetTagName(), L"p");
    EXPECT_FALSE(doc.LeaveElement());  // already at the top level
    EXPECT_FALSE(doc.FindNextElement(L"p"));

    XmlDocument other;
    other.SetDocumentText(L"<p><a/><b/></p>");
    other.FindNextElement(L"p");
    other.EnterElement();
    EXPECT_TRUE(other.FindNextElement(L"b"));
    EXPECT_FALSE(other.FindNextElement(L"a"));  // it starts after b
}

TEST(XmlDocumentTest, CursorOperationsWithoutACurrentElementFail) {
    XmlDocument doc;
    EXPECT_FALSE(doc.EnterElement());
    EXPECT_FALSE(doc.LeaveElement());
    EXPECT_FALSE(doc.SetAttribute(L"a", L"1"));
    EXPECT_EQ(doc.GetAttribute(L"a"), L"");
    EXPECT_EQ(doc.GetTagName(), L"");
    EXPECT_FALSE(doc.AddElement(L""));
    EXPECT_FALSE(doc.AddElement(nullptr));
    EXPECT_FALSE(doc.AddElement(L"bad name"));
    EXPECT_FALSE(doc.AddElement(L"a/b"));
    ASSERT_TRUE(doc.AddElement(L"only"));
    EXPECT_FALSE(doc.SetAttribute(L"x=y", L"1"));
    EXPECT_FALSE(doc.SetAttribute(L"", L"1"));
    EXPECT_EQ(doc.GetDocumentText().str(), L"<only/>\r\n");
    EXPECT_FALSE(doc.SetDocumentText(nullptr));
    EXPECT_EQ(doc.GetDocumentText().str(), L"");
    EXPECT_FALSE(doc.FindNextElement(L"only"));
}

TEST(XmlDocumentTest, NamesEndAtEveryDelimiter) {
    const wchar_t* texts[] = {
        L"<n/>", L"<n >x</n>", L"<n\t/>", L"<n\r\n/>", L"<n\n></n>", L"<n a=''/>",
    };
    for (const wchar_t* text : texts) {
        XmlDocument doc;
        EXPECT_TRUE(doc.SetDocumentText(text)) << testing::PrintToString(std::wstring(text));
        EXPECT_TRUE(doc.FindNextElement(L"n")) << testing::PrintToString(std::wstring(text));
    }
}

TEST(XmlDocumentTest, SkipsCommentsCdataInstructionsAndDoctype) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(
        L"<?xml version=\"1.0\"?>\r\n<!DOCTYPE r [ <!ELEMENT r ANY> <!ATTLIST r a CDATA \">\"> ]>\r\n"
        L"<!-- <fake/> -->\r\n<r><?pi <fake/> ?><![CDATA[ <fake/> ]]><real/></r>"));
    ASSERT_TRUE(doc.FindNextElement(L"r"));
    doc.EnterElement();
    EXPECT_FALSE(doc.FindNextElement(L"fake"));
    EXPECT_TRUE(doc.FindNextElement(L"real"));
}

// In the internal subset of a document type, comments and processing
// instructions are whole units: quotes, brackets and '>' inside them count
// for nothing. A quoted literal is a whole unit too, even if it looks like a comment.
TEST(XmlDocumentTest, DocumentTypeSubsetSkipsCommentsAndInstructionsWhole) {
    const wchar_t* const documents[] = {
        L"<!DOCTYPE r [<!-- don't -->]><r a='1'/>",
        L"<!DOCTYPE r [<!-- ] > \" [ -->]><r a='1'/>",
        L"<!DOCTYPE r [<?pi it's ] > here ?>]><r a='1'/>",
        L"<!DOCTYPE r [<!ENTITY e \"<!-- not a comment ' ]>\"><!ELEMENT r ANY>]><r a='1'/>",
        L"<?xml version=\"1.0\"?>\r\n<!DOCTYPE r SYSTEM \"r.dtd\" [\r\n<!-- it's -->\r\n<?x ']' ?>\r\n]>\r\n<r a='1'/>",
    };
    for (const wchar_t* text : documents) {
        XmlDocument doc;
        EXPECT_TRUE(doc.SetDocumentText(text)) << testing::PrintToString(std::wstring(text));
        ASSERT_TRUE(doc.FindNextElement(L"r")) << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(doc.GetAttribute(L"a"), L"1");
    }
    XmlDocument open;
    EXPECT_FALSE(open.SetDocumentText(L"<!DOCTYPE r [<!-- never closed ]><r/>"));
    EXPECT_NE(open.GetResult().Find(L"<doctype_tag_syntax"), -1);
}
