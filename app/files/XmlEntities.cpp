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

// The character reference at raw[amp] ("&#...;"). Leading zeros may be as many
// as the writer liked; the value stops counting once it is past U+10FFFF, so no
// digit string can overflow. Returns the length consumed, 0 when it names no
// scalar value from U+0001 up. Scans only its own digits, so a value full of
// stray references stays linear.
std::size_t DecodeCharRef(std::wstring_view raw, std::size_t amp, std::wstring& out) {
    std::size_t p = amp + 2;
    int base = 10;
    if (p < raw.size() && (raw[p] == L'x' || raw[p] == L'X')) {
        base = 16;
        ++p;
    }
    std::size_t digitsStart = p;
    char32_t value = 0;
    bool tooLarge = false;
    for (int d; p < raw.size() && (d = DigitValue(raw[p], base)) >= 0; ++p) {
        if (!tooLarge) value = value * static_cast<char32_t>(base) + static_cast<char32_t>(d);
        tooLarge = tooLarge || value > 0x10FFFF;
    }
    if (p == digitsStart || p >= raw.size() || raw[p] != L';') return 0;
    if (tooLarge || value == 0 || !utf::IsScalarValue(value)) return 0;
    utf::AppendCodePoint(out, value);
    return p + 1 - amp;
}

// Decodes the reference at raw[amp] ('&'); returns the length consumed, 0 when it
// is not a reference that decodes.
std::size_t DecodeAt(std::wstring_view raw, std::size_t amp, std::wstring& out) {
    if (amp + 1 < raw.size() && raw[amp + 1] == L'#') return DecodeCharRef(raw, amp, out);
    for (const NamedEntity& e : kNamed) {
        std::size_t semi = amp + 1 + e.name.size();
        if (semi < raw.size() && raw[semi] == L';' && raw.substr(amp + 1, e.name.size()) == e.name) {
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
        // A reader normalises literal tab, CR and LF in a value to blanks; as
        // references they stay what they are.
        case L'\t': out += L"&#9;"; break;
        case L'\n': out += L"&#10;"; break;
        case L'\r': out += L"&#13;"; break;
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
