#include "ImportedDocument.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

#include "File.h"
#include "Utf.h"
#include "XmlEncoding.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { if (f) std::fclose(f); }
};

std::FILE* OpenForReading(const CString& path) {
#ifdef _WIN32
    return _wfopen(path.GetString(), L"rb");
#else
    return std::fopen(file::NativeUtf8(path).c_str(), "rb");
#endif
}

CString SystemMessage(int error) { return CString(utf::Utf8ToWide(std::generic_category().message(error))); }

// Reads at most `limit` + 1 bytes, so a huge file is refused without being read whole.
FileOutcome ReadBounded(const CString& path, std::size_t limit, std::string& bytes) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(OpenForReading(path));
    if (!f) return FileOutcome::Failure(FileProblem::kUnreadable, path, SystemMessage(errno ? errno : ENOENT));
    bytes.clear();
    char buffer[16384];
    while (bytes.size() <= limit) {
        std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
        bytes.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(f.get())) return FileOutcome::Failure(FileProblem::kUnreadable, path, SystemMessage(errno ? errno : EIO));
    return FileOutcome{};
}

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

// Why the bytes cannot be the text they claim to be; empty when they can. This
// follows the choices the XML component makes when it decodes them, and refuses
// where it would have to guess or replace characters.
CString EncodingProblem(std::string_view bytes) {
    const bool utf16Mark = StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF");
    const bool utf16Start = StartsWith(bytes, std::string_view("<\0?\0", 4)) || StartsWith(bytes, std::string_view("\0<\0?", 4));
    if (utf16Mark || utf16Start) {
        return bytes.size() % 2 ? CString(L"its UTF-16 text ends in half a character") : CString();
    }
    const bool utf8Mark = StartsWith(bytes, "\xEF\xBB\xBF");
    std::string_view body = utf8Mark ? bytes.substr(3) : bytes;
    if (body.find('\0') != std::string_view::npos) return L"it holds NUL bytes (UTF-16 text without a byte-order mark?)";
    std::wstring named = utf8Mark ? L"UTF-8" : xml::DeclaredEncoding(utf::Utf8ToWide(body.substr(0, 1024)));
    xml::Encoding encoding = named.empty() ? xml::Encoding::kUnknown : xml::BuiltInEncoding(named);
    if (encoding == xml::Encoding::kUtf16Le || encoding == xml::Encoding::kUtf16Be) {
        return L"it declares " + CString(named) + L" but holds 8-bit text";
    }
    if (encoding == xml::Encoding::kUnknown && !named.empty() && !xml::CodePageConverter::Find(named)) {
        return L"it declares the unknown encoding " + CString(named);
    }
    // Without a declaration a document is taken as UTF-8 (a file that does not
    // even start with '<' is left to the component's detection).
    bool takenAsUtf8 = encoding == xml::Encoding::kUtf8 || (named.empty() && !body.empty() && body[0] == '<');
    if (takenAsUtf8 && !utf::IsValidUtf8(body)) return L"it is not valid UTF-8";
    return CString();
}

// The name of the first element in the text, for messages about foreign files.
CString FirstElementName(const std::wstring& text) {
    std::size_t p = 0;
    while ((p = text.find(L'<', p)) != std::wstring::npos) {
        std::wstring_view rest = std::wstring_view(text).substr(p);
        std::size_t skipTo = std::wstring::npos;
        if (rest.starts_with(L"<?")) skipTo = text.find(L"?>", p);
        else if (rest.starts_with(L"<!--")) skipTo = text.find(L"-->", p);
        else if (rest.starts_with(L"<!") || rest.starts_with(L"</")) skipTo = text.find(L'>', p);
        else return CString(text.substr(p + 1, xml::NameEnd(text, p + 1) - p - 1));
        if (skipTo == std::wstring::npos) break;
        p = skipTo + 1;
    }
    return CString();
}

CString TooLarge() { return L"more than " + CString(std::to_wstring(kMaxImportFileBytes)) + L" bytes"; }

}  // namespace

FileOutcome ReadImportFile(const CString& path, std::string& bytes) {
    FileOutcome read = ReadBounded(path, kMaxImportFileBytes, bytes);
    if (read.Ok() && bytes.size() > kMaxImportFileBytes) {
        return FileOutcome::Failure(FileProblem::kTooLarge, path, TooLarge());
    }
    read.path = path;
    return read;
}

FileOutcome LoadImportBytes(const std::string& bytes, const CString& path, const wchar_t* rootName, XmlDocument& doc) {
    doc.SetDocumentText(nullptr);
    if (bytes.size() > kMaxImportFileBytes) {
        return FileOutcome::Failure(FileProblem::kTooLarge, path, TooLarge());
    }
    if (bytes.empty()) return FileOutcome::Failure(FileProblem::kNotXml, path, L"it is empty");
    CString encodingProblem = EncodingProblem(bytes);
    if (!encodingProblem.IsEmpty()) return FileOutcome::Failure(FileProblem::kBadEncoding, path, encodingProblem);
    if (!doc.LoadFromBytes(bytes)) {
        FileOutcome refused = FileOutcome::Failure(FileProblem::kNotXml, path, L"it is cut off, or its tags do not match");
        doc.SetDocumentText(nullptr);
        return refused;
    }
    if (!doc.FindNextElement(rootName)) {
        CString found = FirstElementName(doc.GetDocumentText().str());
        doc.SetDocumentText(nullptr);
        return FileOutcome::Failure(FileProblem::kForeign, path,
                                    L"its root element is <" + found + L">, not <" + CString(rootName) + L">");
    }
    return FileOutcome::Success(path);
}
