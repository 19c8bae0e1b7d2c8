#pragma once
// Conversions between UTF-8, UTF-16 and the platform's wide strings
// (16-bit wchar_t on Windows, 32-bit elsewhere). Invalid input never fails:
// each bad sequence becomes U+FFFD.
#include <string>
#include <string_view>

namespace utf {

constexpr char32_t kReplacement = 0xFFFD;

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

std::u16string WideToUtf16(std::wstring_view text);
std::wstring Utf16ToWide(std::u16string_view text);

// Appends one code point to a wide string (as a surrogate pair where wchar_t is 16-bit).
void AppendCodePoint(std::wstring& out, char32_t cp);
void AppendUtf8(std::string& out, char32_t cp);

// True when the bytes are well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

inline bool IsScalarValue(char32_t cp) { return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

}  // namespace utf
