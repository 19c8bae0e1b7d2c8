#include "XmlEncoding.h"

#include "XmlParser.h"

namespace xml {
namespace {

struct NamedEncoding {
    const wchar_t* name;
    Encoding encoding;
};

constexpr NamedEncoding kBuiltIn[] = {
    {L"UTF-8", Encoding::kUtf8},       {L"UTF8", Encoding::kUtf8},         {L"UTF-16", Encoding::kUtf16Le},
    {L"UTF-16LE", Encoding::kUtf16Le}, {L"UCS-2", Encoding::kUtf16Le},     {L"UTF-16BE", Encoding::kUtf16Be},
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

Encoding BuiltInEncoding(std::wstring_view name) {
    for (const NamedEncoding& n : kBuiltIn) {
        if (EqualsNoCase(name, n.name)) return n.encoding;
    }
    return Encoding::kUnknown;
}

const wchar_t* EncodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::kUtf8: return L"UTF-8";
    case Encoding::kUtf16Le: return L"UTF-16LE";
    case Encoding::kUtf16Be: return L"UTF-16BE";
    case Encoding::kConverter:
    case Encoding::kUnknown: break;
    }
    return L"";
}

bool CodePageConverter::IsAsciiCompatible() const {
    // Every character markup and a declaration are made of.
    std::wstring ascii;
    for (wchar_t ch = 0x20; ch < 0x7F; ++ch) ascii += ch;
    ascii += L"\t\r\n";
    std::string bytes;
    if (Encode(ascii, bytes) != 0 || bytes.size() != ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) != ascii[i]) return false;
    }
    return true;
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

}  // namespace xml
