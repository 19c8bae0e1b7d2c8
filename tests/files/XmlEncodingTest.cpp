#include <gtest/gtest.h>

#include "File.h"
#include "XmlDocument.h"

namespace {

// "Grüße €" and "ğİş" in the encodings under test.
const std::wstring kName = L"Gr\xFC\xDF" L"e \x20AC";

std::string Utf16(const std::wstring& text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t ch : text) {
        char hi = static_cast<char>((ch >> 8) & 0xFF);
        char lo = static_cast<char>(ch & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

std::wstring Document(const wchar_t* encoding) {
    return L"<?xml version=\"1.0\" encoding=\"" + std::wstring(encoding) + L"\"?>\r\n<macro name=\"" + kName +
           L"\">\r\n<step value=\"1\"/>\r\n</macro>\r\n";
}

const std::string kUtf8Body =
    "<macro name=\"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\">\r\n<step value=\"1\"/>\r\n</macro>\r\n";

CString WriteFixture(const char* name, const std::string& bytes) {
    CString path = file::Join(L".", CString(std::wstring(name, name + std::char_traits<char>::length(name))));
    EXPECT_TRUE(file::WriteAll(path, bytes));
    return path;
}

// The tree as the catalogue and the file formats read it.
std::wstring Tree(XmlDocument& doc) {
    std::wstring out;
    if (!doc.FindNextElement(L"macro")) return L"(no macro)";
    out = L"macro name=" + doc.GetAttribute(L"name").str();
    doc.EnterElement();
    if (doc.FindNextElement(L"step")) out += L"; step value=" + doc.GetAttribute(L"value").str();
    return out;
}

}  // namespace

TEST(XmlEncodingTest, EveryAcceptedEncodingParsesToTheSameTree) {
    struct Case { const char* file; std::string bytes; };
    const std::string decl = "<?xml version=\"1.0\" encoding=\"";
    const Case cases[] = {
        {"enc-utf8.xml", decl + "UTF-8\"?>\r\n" + kUtf8Body},
        {"enc-utf8-bom.xml", "\xEF\xBB\xBF" + decl + "UTF-8\"?>\r\n" + kUtf8Body},
        {"enc-utf8-undeclared.xml", "<?xml version=\"1.0\"?>\r\n" + kUtf8Body},
        {"enc-utf16le.xml", Utf16(Document(L"UTF-16"), false)},
        {"enc-utf16be.xml", Utf16(Document(L"UTF-16"), true)},
        {"enc-utf16le-nobom.xml", Utf16(Document(L"UTF-16"), false).substr(2)},
        {"enc-cp1252.xml", decl + "windows-1252\"?>\r\n<macro name=\"Gr\xFC\xDF" "e \x80\">\r\n<step value=\"1\"/>\r\n</macro>\r\n"},
        {"enc-latin1.xml", decl + "iso-8859-1\"?>\r\n<macro name=\"Gr\xFC\xDF" "e \x80\">\r\n<step value=\"1\"/>\r\n</macro>\r\n"},
    };
    const std::wstring expected = L"macro name=" + kName + L"; step value=1";
    for (const Case& c : cases) {
        XmlDocument doc;
        EXPECT_TRUE(doc.LoadFromFile(WriteFixture(c.file, c.bytes))) << c.file << testing::PrintToString(doc.GetResult().str());
        std::wstring tree = Tree(doc);
        if (std::string(c.file) == "enc-latin1.xml") {
            // ISO-8859-1 has a control character where Windows-1252 has the euro sign.
            EXPECT_EQ(tree, L"macro name=Gr\xFC\xDF" L"e \x80; step value=1") << c.file;
        } else {
            EXPECT_EQ(tree, expected) << c.file;
        }
        EXPECT_EQ(doc.GetDocFlags() & (XmlDocument::kReadingFile | XmlDocument::kWritingFile), 0u);
    }
}

TEST(XmlEncodingTest, RecordsWhatTheReaderDid) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(WriteFixture("rec-be.xml", Utf16(Document(L"UTF-16"), true))));
    for (const wchar_t* record : {L"<read length=", L"<bom encoding=\"UTF-16BE\"/>", L"<endian_swap/>",
                                  L"<converted_to encoding=\"UTF-16\""}) {
        EXPECT_NE(doc.GetResult().Find(record), -1) << testing::PrintToString(std::wstring(record));
    }
    std::string withNuls = Utf16(L"<a x=\"1\"/>", false);
    withNuls.insert(4, std::string(2, '\0'));
    ASSERT_TRUE(doc.LoadFromFile(WriteFixture("rec-nuls.xml", withNuls)));
    EXPECT_NE(doc.GetResult().Find(L"<nulls_removed count=\"1\"/>"), -1);
    EXPECT_EQ(doc.GetDocumentText().str(), L"<a x=\"1\"/>");
}

TEST(XmlEncodingTest, UndeclaredEightBitTextIsDetected) {
    struct Case { const char* file; std::string bytes; std::wstring value; const wchar_t* record; };
    const Case cases[] = {
        // Not starting with '<': checked for UTF-8, else the ANSI code page.
        {"det-utf8.xml", "\r\n<a v=\"\xC3\xA9\"/>", L"\xE9", L"<utf8_detection encoding=\"UTF-8\"/>"},
        {"det-ansi.xml", "\r\n<a v=\"\xE9\"/>", L"\xE9", L"<utf8_detection"},
        // An encoding the converter does not know is reported, then detected.
        {"det-unknown.xml", "<?xml version=\"1.0\" encoding=\"x-klingon\"?><a v=\"\xE9\"/>", L"\xE9",
         L"<unknown_encoding encoding=\"x-klingon\"/><utf8_detection"},
        {"det-unknown-utf8.xml", "<?xml version=\"1.0\" encoding=\"x-klingon\"?><a v=\"\xC3\xA9\"/>", L"\xE9",
         L"<unknown_encoding encoding=\"x-klingon\"/><utf8_detection encoding=\"UTF-8\"/>"},
        // A 16-bit encoding named in 8-bit text cannot be right.
        {"det-mismatch.xml", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><a v=\"\xC3\xA9\"/>", L"\xE9",
         L"<encoding_mismatch encoding=\"UTF-16\"/><utf8_detection encoding=\"UTF-8\"/>"},
        // Starting with '<' and naming nothing: UTF-8, bad bytes replaced and reported.
        {"det-bad-utf8.xml", "<a v=\"\xE9\"/>", L"\xFFFD", L"<truncation_error encoding=\"UTF-8\"/>"},
        // The charset of an HTML page.
        {"det-meta.xml", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1254\">"
                         "</head><a v=\"\xFD\"/></html>", L"\x131", L"<converted_to"},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        doc.LoadFromFile(WriteFixture(c.file, c.bytes));
        EXPECT_NE(doc.GetResult().Find(c.record), -1) << c.file << testing::PrintToString(doc.GetResult().str());
        std::size_t at = doc.GetDocumentText().str().find(L" v=\"");
        ASSERT_NE(at, std::wstring::npos) << c.file;
        EXPECT_EQ(doc.GetDocumentText().str().substr(at + 4, c.value.size()), c.value) << c.file;
    }
}

// Every encoding the platform's converter knows is read as the file names it,
// the multi-byte East Asian ones included, and written back the same way.
TEST(XmlEncodingTest, CodePagesOfThePlatformConverterAreHonoured) {
    struct Case { const char* name; std::string bytes; std::wstring text; };
    const Case cases[] = {
        {"Shift_JIS", "\x93\xFA\x96\x7B\x8C\xEA", L"\x65E5\x672C\x8A9E"},
        {"EUC-JP", "\xC6\xFC\xCB\xDC\xB8\xEC", L"\x65E5\x672C\x8A9E"},
        {"GB2312", "\xD6\xD0\xCE\xC4", L"\x4E2D\x6587"},
        {"GBK", "\xD6\xD0\xCE\xC4", L"\x4E2D\x6587"},
#ifndef _WIN32
        // Windows converts it with a component Wine lacks.
        {"GB18030", "\xD6\xD0\xCE\xC4\x81\x39\xEE\x39", L"\x4E2D\x6587\x3400"},
#endif
        {"Big5", "\xA4\xA4\xA4\xE5", L"\x4E2D\x6587"},
        {"EUC-KR", "\xC7\xD1\xB1\xB9\xBE\xEE", L"\xD55C\xAD6D\xC5B4"},
        {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", L"\x41F\x440\x438\x432\x435\x442"},
        {"KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4", L"\x41F\x440\x438\x432\x435\x442"},
        {"ISO-8859-9", "\xF0\xDD\xFE", L"\x11F\x130\x15F"},
        {"windows-1254", "\xF0\xDD\xFE", L"\x11F\x130\x15F"},
        {"iso-8859-15", "\xA4", L"\x20AC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string head = std::string("<?xml version=\"1.0\" encoding=\"") + c.name + "\"?>\r\n<a v=\"";
        XmlDocument doc;
        ASSERT_TRUE(doc.LoadFromBytes(head + c.bytes + "\"/>")) << testing::PrintToString(doc.GetResult().str());
        ASSERT_TRUE(doc.FindNextElement(L"a"));
        EXPECT_EQ(doc.GetAttribute(L"v").str(), c.text);
        EXPECT_EQ(doc.GetResult().Find(L"truncation_error"), -1);
        ASSERT_TRUE(doc.SetAttribute(L"v", CString(c.text + L"!")));
        std::string saved;
        EXPECT_TRUE(doc.SaveToBytes(saved));
        EXPECT_EQ(saved, head + c.bytes + "!\"/>");
    }
}

TEST(XmlEncodingTest, BytesTheCodePageLacksAreReportedOnReading) {
    // 0x81 starts a two-byte character in Shift_JIS; a blank cannot end one.
    XmlDocument doc;
    doc.LoadFromBytes("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a v=\"x\x81 y\"/>");
    EXPECT_NE(doc.GetResult().Find(L"<truncation_error encoding=\"Shift_JIS\" count=\""), -1)
        << testing::PrintToString(doc.GetResult().str());
    ASSERT_TRUE(doc.FindNextElement(L"a"));
    EXPECT_EQ(doc.GetAttribute(L"v").str(), L"x\xFFFD y");
}

TEST(XmlEncodingTest, SavesInTheDeclaredEncoding) {
    struct Case { const wchar_t* encoding; std::string bytes; };
    const Case cases[] = {
        {L"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + kUtf8Body},
        {L"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<macro name=\"Gr\xFC\xDF" "e \x80\">\r\n"
                          "<step value=\"1\"/>\r\n</macro>\r\n"},
        {L"UTF-16", Utf16(Document(L"UTF-16"), false)},
        {L"UTF-16BE", Utf16(Document(L"UTF-16BE"), true)},
        {L"no-such-encoding", "<?xml version=\"1.0\" encoding=\"no-such-encoding\"?>\r\n" + kUtf8Body},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        doc.SetDocumentText(Document(c.encoding).c_str());
        CString path = file::Join(L".", L"save-test.xml");
        bool known = std::wstring(c.encoding) != L"no-such-encoding";
        std::string scratch;
        EXPECT_TRUE(doc.SaveToBytes(scratch));
        EXPECT_EQ(doc.GetResult().Find(L"<unknown_encoding encoding=\"no-such-encoding\"/>") != -1, !known);
        ASSERT_TRUE(doc.SaveToFile(path));
        std::string bytes;
        ASSERT_TRUE(file::ReadAll(path, bytes));
        EXPECT_EQ(bytes, c.bytes) << testing::PrintToString(std::wstring(c.encoding));
        EXPECT_NE(doc.GetResult().Find(L"<write length="), -1);
        // And back: the same text.
        XmlDocument back;
        ASSERT_TRUE(back.LoadFromFile(path));
        EXPECT_EQ(back.GetDocumentText(), doc.GetDocumentText());
    }
}

TEST(XmlEncodingTest, UndeclaredTextIsSavedAsUtf8WithoutMark) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<a v=\"\x20AC\"/>"));
    CString path = file::Join(L".", L"save-plain.xml");
    ASSERT_TRUE(doc.SaveToFile(path));
    std::string bytes;
    file::ReadAll(path, bytes);
    EXPECT_EQ(bytes, "<a v=\"\xE2\x82\xAC\"/>");
}

TEST(XmlEncodingTest, CharactersTheCodePageLacksAreReported) {
    XmlDocument doc;
    doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a v=\"\x4E2D\"/>");
    CString path = file::Join(L".", L"save-loss.xml");
    ASSERT_TRUE(doc.SaveToFile(path));
    EXPECT_NE(doc.GetResult().Find(L"<conversion_loss count=\"1\"/>"), -1);
    std::string bytes;
    file::ReadAll(path, bytes);
    EXPECT_NE(bytes.find("v=\"?\""), std::string::npos);
    std::string inMemory;
    EXPECT_FALSE(doc.SaveToBytes(inMemory));  // lossy, and says so
    EXPECT_EQ(inMemory, bytes);
}

TEST(XmlEncodingTest, FileErrorsFailAndLeaveNothingBehind) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocumentText(L"<a/>"));
    EXPECT_FALSE(doc.LoadFromFile(file::Join(L".", L"does-not-exist.xml")));
    EXPECT_TRUE(doc.GetDocumentText().IsEmpty());
    EXPECT_FALSE(doc.FindNextElement(L"a"));
    EXPECT_NE(doc.GetResult().Find(L"<file_error"), -1);

    doc.SetDocumentText(L"<a/>");
    EXPECT_FALSE(doc.SaveToFile(file::Join(L".", L"no-such-folder/x.xml")));
    EXPECT_NE(doc.GetResult().Find(L"<file_error"), -1);
    EXPECT_EQ(doc.GetDocFlags(), 0u);

    EXPECT_FALSE(doc.LoadFromFile(WriteFixture("empty.xml", "")));
    EXPECT_NE(doc.GetResult().Find(L"<no_root_element"), -1);
    std::string odd = Utf16(L"<a/>", false) + "x";
    EXPECT_TRUE(doc.LoadFromFile(WriteFixture("odd.xml", odd)));
    EXPECT_NE(doc.GetResult().Find(L"<truncation_error"), -1);
}
