#include "XmlEntities.h"

#include "Utf.h"

namespace xml {
namespace {

struct NamedEntity {
    std::wstring_view name;  // between '&' and ';'
    wchar_t ch;
};

constexpr NamedEntity kNamed[] = {
    {L"lt", L'<'}, {L"amp", L'&'}, {L"gt", L'>'}, {L"apos", L'\''}, {L"quot", L'"'},
};

int DigitValue(wchar_t ch, int base) {
    int v = -1;
    if (ch >= L'0' && ch <= L'9') v = ch - L'0';
    else if (base == 16 && ch >= L'a' && ch <= L'f') v = ch - L'a' + 10;
    else if (base == 16 && ch >= L'A' && ch <= L'F') v = ch - L'A' + 10;
    return v;
}

// `body` is what stands between "&#" and ';'. False when it names no scalar value.
bool ParseCharRef(std::wstring_view body, char32_t& cp) {
    int base = 10;
    if (!body.empty() && (body[0] == L'x' || body[0] == L'X')) {
        base = 16;
        body.remove_prefix(1);
    }
    if (body.empty()) return false;
    char32_t value = 0;
    for (wchar_t ch : body) {
        int d = DigitValue(ch, base);
        if (d < 0) return false;
        value = value * static_cast<char32_t>(base) + static_cast<char32_t>(d);
        if (value > 0x10FFFF) return false;  // stops before the digits could overflow
    }
    if (value == 0 || !utf::IsScalarValue(value)) return false;
    cp = value;
    return true;
}

// Decodes the reference at raw[amp] ('&'); returns the length consumed, 0 when it
// is not a reference that decodes.
std::size_t DecodeAt(std::wstring_view raw, std::size_t amp, std::wstring& out) {
    // No reference worth decoding is longer than this; the bound keeps a value
    // full of stray '&' from costing quadratic time.
    constexpr std::size_t kLongestReference = 32;
    std::size_t semi = raw.substr(0, amp + kLongestReference).find(L';', amp + 1);
    if (semi == std::wstring_view::npos) return 0;
    std::wstring_view body = raw.substr(amp + 1, semi - amp - 1);
    if (!body.empty() && body[0] == L'#') {
        char32_t cp = 0;
        if (!ParseCharRef(body.substr(1), cp)) return 0;
        utf::AppendCodePoint(out, cp);
        return semi - amp + 1;
    }
    for (const NamedEntity& e : kNamed) {
        if (body == e.name) {
            out += e.ch;
            return semi - amp + 1;
        }
    }
    return 0;
}

}  // namespace

std::wstring EncodeEntities(std::wstring_view value) {
    std::wstring out;
    out.reserve(value.size());
    for (wchar_t ch : value) {
        switch (ch) {
        case L'<': out += L"&lt;"; break;
        case L'&': out += L"&amp;"; break;
        case L'>': out += L"&gt;"; break;
        case L'\'': out += L"&apos;"; break;
        case L'"': out += L"&quot;"; break;
        default: out += ch; break;
        }
    }
    return out;
}

std::wstring DecodeEntities(std::wstring_view raw) {
    std::wstring out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t used = raw[i] == L'&' ? DecodeAt(raw, i, out) : 0;
        if (used == 0) {
            out += raw[i];
            used = 1;
        }
        i += used;
    }
    return out;
}

}  // namespace xml
