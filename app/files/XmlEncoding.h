#pragma once
// The byte encodings XML files may come in, and conversion between them and the
// in-memory wide text. UTF-8 and UTF-16 are converted here; every other encoding
// a file names goes to the platform's converter (iconv natively, the Windows code
// pages on Windows), so a file is read in whatever encoding the system can read.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace xml {

enum class Encoding {
    kUnknown,
    kUtf8,
    kUtf16Le,
    kUtf16Be,
    kConverter,  // converted by a CodePageConverter
};

// The encodings this component converts itself; kUnknown for any other name
// (which may still be one the platform's converter knows). Case-insensitive.
Encoding BuiltInEncoding(std::wstring_view name);
const wchar_t* EncodingName(Encoding encoding);

// A byte encoding converted by the platform. Both conversions return the number
// of characters that had no counterpart (written as U+FFFD when decoding, as '?'
// when encoding).
class CodePageConverter {
public:
    // The converter for `name`, or nothing when the platform knows no such encoding.
    static std::optional<CodePageConverter> Find(std::wstring_view name);

    std::size_t Decode(std::string_view bytes, std::wstring& out) const;
    std::size_t Encode(std::wstring_view text, std::string& out) const;
    // True when markup written in ASCII stays the same bytes: only such an
    // encoding can be named inside a declaration that was read as ASCII.
    bool IsAsciiCompatible() const;
    const std::wstring& Name() const { return m_name; }

private:
    CodePageConverter(std::wstring name, std::string platformId)
        : m_name(std::move(name)), m_platformId(std::move(platformId)) {}

    std::wstring m_name;       // as the file wrote it
    std::string m_platformId;  // iconv's name, or the Windows code page number
};

// The encoding named by the declaration at the start of the text, as written;
// empty when there is no declaration or it names none.
std::wstring DeclaredEncoding(std::wstring_view text);
// The charset of an HTML content-type meta element; empty when there is none.
std::wstring MetaCharset(std::wstring_view text);

// Text in the system's ANSI code page (Windows-1252 where there is no such thing).
std::wstring DecodeSystemAnsi(std::string_view bytes);
const wchar_t* SystemAnsiName();

}  // namespace xml
