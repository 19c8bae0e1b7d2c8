#pragma once
// The byte encodings XML files may come in, and conversion between them and the
// in-memory wide text.
#include <cstddef>
#include <string>
#include <string_view>

namespace xml {

enum class Encoding {
    kUnknown,
    kUtf8,
    kUtf16Le,
    kUtf16Be,
    kWindows1252,
    kWindows1254,  // Turkish
    kLatin1,       // ISO-8859-1
    kLatin5,       // ISO-8859-9
    kAscii,
};

// Case-insensitive; kUnknown for a name we cannot convert.
Encoding EncodingFromName(std::wstring_view name);
const wchar_t* EncodingName(Encoding encoding);
bool IsSingleByte(Encoding encoding);

// The encoding named by the declaration at the start of the text, as written;
// empty when there is no declaration or it names none.
std::wstring DeclaredEncoding(std::wstring_view text);
// The charset of an HTML content-type meta element; empty when there is none.
std::wstring MetaCharset(std::wstring_view text);

// Both return the number of characters that had no counterpart (written as '?'
// when encoding, as U+FFFD when decoding).
std::size_t DecodeSingleByte(Encoding encoding, std::string_view bytes, std::wstring& out);
std::size_t EncodeSingleByte(Encoding encoding, std::wstring_view text, std::string& out);

// Text in the system's ANSI code page (Windows-1252 where there is no such thing).
std::wstring DecodeSystemAnsi(std::string_view bytes);
const wchar_t* SystemAnsiName();

}  // namespace xml
