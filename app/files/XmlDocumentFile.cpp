// Reading and writing XmlDocument files: encoding detection and conversion.
#include <algorithm>
#include <cerrno>
#include <system_error>

#include "File.h"
#include "Utf.h"
#include "XmlDocument.h"
#include "XmlEncoding.h"

namespace {

using xml::Encoding;

constexpr std::size_t kSniffLength = 1024;

std::wstring Number(std::size_t n) { return std::to_wstring(n); }

bool StartsWith(const std::string& bytes, std::string_view prefix) {
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

// Without a byte-order mark, the opening "<?" still tells 16-bit text apart.
Encoding SniffUtf16(const std::string& bytes) {
    if (StartsWith(bytes, std::string_view("<\0?\0", 4))) return Encoding::kUtf16Le;
    if (StartsWith(bytes, std::string_view("\0<\0?", 4))) return Encoding::kUtf16Be;
    return Encoding::kUnknown;
}

std::u16string ToUnits(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        auto lo = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        auto hi = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        units[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return units;
}

void AppendUnits(std::string& out, const std::u16string& units, bool bigEndian) {
    for (char16_t u : units) {
        char lo = static_cast<char>(u & 0xFF);
        char hi = static_cast<char>(u >> 8);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
}

}  // namespace

bool XmlDocument::LoadFromFile(const CString& path) {
    m_result.Empty();
    std::string bytes;
    errno = 0;
    if (!file::ReadAll(path, bytes)) {
        int error = errno ? errno : EIO;
        Clear();
        AddRecord(L"file_error", {{L"path", path.str()}, {L"msg", utf::Utf8ToWide(std::generic_category().message(error))}});
        return false;
    }
    return LoadFromBytes(bytes);
}

bool XmlDocument::LoadFromBytes(const std::string& bytes) {
    m_docFlags |= kReadingFile;
    AddRecord(L"read", {{L"length", Number(bytes.size())}});
    std::wstring text;
    DecodeFile(bytes, text);
    m_text = CString(std::move(text));
    bool ok = Parse();
    m_docFlags &= ~static_cast<unsigned>(kReadingFile);
    return ok;
}

// What the start of a file without a byte-order mark names, if the name is one we
// can read that start in; unusable names are recorded and count as none.
Encoding XmlDocument::NamedEncoding(const std::string& bytes, std::optional<xml::CodePageConverter>& converter) {
    std::wstring head = utf::Utf8ToWide(std::string_view(bytes).substr(0, kSniffLength));
    std::wstring named = xml::DeclaredEncoding(head);
    if (named.empty()) named = xml::MetaCharset(head);
    if (named.empty()) return !bytes.empty() && bytes[0] == '<' ? Encoding::kUtf8 : Encoding::kUnknown;
    Encoding encoding = xml::BuiltInEncoding(named);
    if (encoding == Encoding::kUnknown) {
        converter = xml::CodePageConverter::Find(named);
        if (!converter) {
            AddRecord(L"unknown_encoding", {{L"encoding", named}});
            return Encoding::kUnknown;
        }
        encoding = Encoding::kConverter;
    }
    // The name was read as 8-bit text, so it cannot be right if the encoding
    // writes markup differently (UTF-16, EBCDIC).
    bool fits = encoding == Encoding::kUtf8 || (encoding == Encoding::kConverter && converter->IsAsciiCompatible());
    if (!fits) {
        AddRecord(L"encoding_mismatch", {{L"encoding", named}});
        converter.reset();
        return Encoding::kUnknown;
    }
    return encoding;
}

void XmlDocument::DecodeFile(const std::string& bytes, std::wstring& text) {
    Encoding encoding = Encoding::kUnknown;
    std::optional<xml::CodePageConverter> converter;
    std::size_t skip = 0;
    if (StartsWith(bytes, "\xEF\xBB\xBF")) { encoding = Encoding::kUtf8; skip = 3; }
    else if (StartsWith(bytes, "\xFF\xFE")) { encoding = Encoding::kUtf16Le; skip = 2; }
    else if (StartsWith(bytes, "\xFE\xFF")) { encoding = Encoding::kUtf16Be; skip = 2; }
    if (skip) AddRecord(L"bom", {{L"encoding", xml::EncodingName(encoding)}});
    if (encoding == Encoding::kUnknown) encoding = SniffUtf16(bytes);
    if (encoding == Encoding::kUnknown) encoding = NamedEncoding(bytes, converter);
    std::string_view body = std::string_view(bytes).substr(skip);
    if (encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be) {
        bool bigEndian = encoding == Encoding::kUtf16Be;
        if (body.size() % 2) AddRecord(L"truncation_error", {{L"encoding", xml::EncodingName(encoding)}, {L"count", L"1"}});
        std::u16string units = ToUnits(body, bigEndian);
        if (bigEndian) AddRecord(L"endian_swap", {});
        std::size_t before = units.size();
        units.erase(std::remove(units.begin(), units.end(), u'\0'), units.end());
        if (units.size() != before) AddRecord(L"nulls_removed", {{L"count", Number(before - units.size())}});
        text = utf::Utf16ToWide(units);
    } else if (encoding == Encoding::kUnknown) {
        bool valid = utf::IsValidUtf8(body);
        AddRecord(L"utf8_detection", {{L"encoding", valid ? L"UTF-8" : xml::SystemAnsiName()}});
        text = valid ? utf::Utf8ToWide(body) : xml::DecodeSystemAnsi(body);
    } else if (encoding == Encoding::kUtf8) {
        if (!utf::IsValidUtf8(body)) AddRecord(L"truncation_error", {{L"encoding", L"UTF-8"}});
        text = utf::Utf8ToWide(body);
    } else {
        std::size_t lost = converter->Decode(body, text);
        if (lost) AddRecord(L"truncation_error", {{L"encoding", converter->Name()}, {L"count", Number(lost)}});
    }
    AddRecord(L"converted_to", {{L"encoding", L"UTF-16"}, {L"length", Number(text.size())}});
}

bool XmlDocument::EncodeFile(std::string& bytes) {
    std::wstring named = xml::DeclaredEncoding(m_text.str());
    Encoding encoding = named.empty() ? Encoding::kUtf8 : xml::BuiltInEncoding(named);
    std::optional<xml::CodePageConverter> converter;
    if (encoding == Encoding::kUnknown) {
        converter = xml::CodePageConverter::Find(named);
        encoding = converter ? Encoding::kConverter : Encoding::kUtf8;
        if (!converter) AddRecord(L"unknown_encoding", {{L"encoding", named}});
    }
    std::size_t lost = 0;
    std::wstring written = xml::EncodingName(encoding);
    if (encoding == Encoding::kUtf8) {
        bytes = utf::WideToUtf8(m_text.str());
    } else if (encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be) {
        bool bigEndian = encoding == Encoding::kUtf16Be;
        bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        AppendUnits(bytes, utf::WideToUtf16(m_text.str()), bigEndian);
    } else {
        bytes.clear();
        lost = converter->Encode(m_text.str(), bytes);
        written = converter->Name();
    }
    AddRecord(L"converted_from", {{L"encoding", written}, {L"length", Number(m_text.str().size())}});
    if (lost) AddRecord(L"conversion_loss", {{L"count", Number(lost)}});
    return lost == 0;
}

bool XmlDocument::SaveToBytes(std::string& bytes) {
    m_result.Empty();
    m_docFlags |= kWritingFile;
    bool lossless = EncodeFile(bytes);
    m_docFlags &= ~static_cast<unsigned>(kWritingFile);
    return lossless;
}

bool XmlDocument::SaveToFile(const CString& path) {
    std::string bytes;
    SaveToBytes(bytes);  // characters the encoding lacks are recorded, not fatal
    m_docFlags |= kWritingFile;
    errno = 0;
    bool ok = file::WriteAll(path, bytes);
    if (ok) {
        AddRecord(L"write", {{L"length", Number(bytes.size())}});
    } else {
        std::string message = std::generic_category().message(errno ? errno : EIO);
        AddRecord(L"file_error", {{L"path", path.str()}, {L"msg", utf::Utf8ToWide(message)}});
    }
    m_docFlags &= ~static_cast<unsigned>(kWritingFile);
    return ok;
}
