#include "XmlEncoding.h"

#include <array>

#include "XmlParser.h"

namespace xml {
namespace {

struct NamedEncoding {
    const wchar_t* name;
    Encoding encoding;
};

constexpr NamedEncoding kNames[] = {
    {L"UTF-8", Encoding::kUtf8},           {L"UTF8", Encoding::kUtf8},
    {L"UTF-16", Encoding::kUtf16Le},       {L"UTF-16LE", Encoding::kUtf16Le},
    {L"UCS-2", Encoding::kUtf16Le},        {L"UTF-16BE", Encoding::kUtf16Be},
    {L"windows-1252", Encoding::kWindows1252}, {L"cp1252", Encoding::kWindows1252},
    {L"windows-1254", Encoding::kWindows1254}, {L"cp1254", Encoding::kWindows1254},
    {L"ISO-8859-1", Encoding::kLatin1},    {L"ISO_8859-1", Encoding::kLatin1},
    {L"latin1", Encoding::kLatin1},        {L"ISO-8859-9", Encoding::kLatin5},
    {L"ISO_8859-9", Encoding::kLatin5},    {L"latin5", Encoding::kLatin5},
    {L"US-ASCII", Encoding::kAscii},       {L"ASCII", Encoding::kAscii},
};

// Windows-1252 from 0x80 to 0x9F. The five unassigned bytes map to the C1 control
// of the same value, as the system's converter does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t Lower(wchar_t ch) { return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch - L'A' + L'a') : ch; }

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::size_t FindNoCase(std::wstring_view text, std::wstring_view what, std::size_t from) {
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (EqualsNoCase(text.substr(i, what.size()), what)) return i;
    }
    return std::wstring_view::npos;
}

// The Turkish code pages put six letters where the Western ones have Icelandic letters.
char32_t TurkishLetter(unsigned char b) {
    switch (b) {
    case 0xD0: return 0x011E;
    case 0xDD: return 0x0130;
    case 0xDE: return 0x015E;
    case 0xF0: return 0x011F;
    case 0xFD: return 0x0131;
    case 0xFE: return 0x015F;
    default: return 0;
    }
}

// The character of byte b; 0 when the encoding has none for it.
char32_t CharOf(Encoding encoding, unsigned char b) {
    if (b < 0x80) return b;
    if (encoding == Encoding::kAscii) return 0;
    bool turkish = encoding == Encoding::kWindows1254 || encoding == Encoding::kLatin5;
    if (turkish && TurkishLetter(b)) return TurkishLetter(b);
    bool windows = encoding == Encoding::kWindows1252 || encoding == Encoding::kWindows1254;
    if (windows && b < 0xA0) {
        if (encoding == Encoding::kWindows1254 && (b == 0x8E || b == 0x9E)) return b;
        return kCp1252High[b - 0x80];
    }
    return b;
}

int ByteOf(Encoding encoding, char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (CharOf(encoding, static_cast<unsigned char>(b)) == cp) return b;
    }
    return -1;
}

// The value of attribute `name` inside [from, to) of text; empty when absent.
std::wstring AttributeIn(std::wstring_view text, std::size_t from, std::size_t to, std::wstring_view name) {
    std::size_t p = FindNoCase(text.substr(0, to), name, from);
    if (p == std::wstring_view::npos) return {};
    p += name.size();
    while (p < to && IsBlank(text[p])) ++p;
    if (p >= to || text[p] != L'=') return {};
    ++p;
    while (p < to && IsBlank(text[p])) ++p;
    if (p >= to) return {};
    bool quoted = text[p] == L'"' || text[p] == L'\'';
    wchar_t quote = text[p];
    std::size_t v = quoted ? p + 1 : p;
    std::size_t e = v;
    auto ends = [&](wchar_t ch) {
        if (quoted) return ch == quote;
        return IsBlank(ch) || ch == L'"' || ch == L'\'' || ch == L'>' || ch == L';' || ch == L'/' || ch == L'?';
    };
    while (e < to && !ends(text[e])) ++e;
    return std::wstring(text.substr(v, e - v));
}

}  // namespace

Encoding EncodingFromName(std::wstring_view name) {
    for (const NamedEncoding& n : kNames) {
        if (EqualsNoCase(name, n.name)) return n.encoding;
    }
    return Encoding::kUnknown;
}

const wchar_t* EncodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::kUtf8: return L"UTF-8";
    case Encoding::kUtf16Le: return L"UTF-16LE";
    case Encoding::kUtf16Be: return L"UTF-16BE";
    case Encoding::kWindows1252: return L"windows-1252";
    case Encoding::kWindows1254: return L"windows-1254";
    case Encoding::kLatin1: return L"ISO-8859-1";
    case Encoding::kLatin5: return L"ISO-8859-9";
    case Encoding::kAscii: return L"US-ASCII";
    case Encoding::kUnknown: break;
    }
    return L"";
}

bool IsSingleByte(Encoding encoding) {
    return encoding != Encoding::kUnknown && encoding != Encoding::kUtf8 && encoding != Encoding::kUtf16Le &&
           encoding != Encoding::kUtf16Be;
}

std::wstring DeclaredEncoding(std::wstring_view text) {
    std::size_t p = 0;
    while (p < text.size() && IsBlank(text[p])) ++p;
    if (text.substr(p, 5) != L"<?xml" || p + 5 >= text.size() || !IsBlank(text[p + 5])) return {};
    std::size_t end = text.find(L"?>", p);
    if (end == std::wstring_view::npos) return {};
    // Look for the pseudo-attribute as a whole word, not inside another name.
    for (std::size_t at = p + 5; (at = text.substr(0, end).find(L"encoding", at)) != std::wstring_view::npos; ++at) {
        if (IsBlank(text[at - 1])) return AttributeIn(text, at, end, L"encoding");
    }
    return {};
}

std::wstring MetaCharset(std::wstring_view text) {
    for (std::size_t meta = FindNoCase(text, L"<meta", 0); meta != std::wstring_view::npos;
         meta = FindNoCase(text, L"<meta", meta + 5)) {
        std::size_t end = text.find(L'>', meta);
        if (end == std::wstring_view::npos) return {};
        std::wstring value = AttributeIn(text, meta, end, L"charset");
        if (!value.empty()) return value;
    }
    return {};
}

std::size_t DecodeSingleByte(Encoding encoding, std::string_view bytes, std::wstring& out) {
    std::size_t lost = 0;
    out.reserve(out.size() + bytes.size());
    for (char c : bytes) {
        char32_t cp = CharOf(encoding, static_cast<unsigned char>(c));
        if (cp == 0 && c != 0) {
            cp = 0xFFFD;
            ++lost;
        }
        out += static_cast<wchar_t>(cp);
    }
    return lost;
}

std::size_t EncodeSingleByte(Encoding encoding, std::wstring_view text, std::string& out) {
    std::size_t lost = 0;
    out.reserve(out.size() + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            // A surrogate pair is one character, which no 8-bit code page holds.
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
        }
        int b = ByteOf(encoding, cp);
        if (b < 0) {
            b = '?';
            ++lost;
        }
        out += static_cast<char>(b);
    }
    return lost;
}

}  // namespace xml
