#include "Utf.h"

namespace utf {
namespace {

// Decodes one code point from UTF-8 at text[pos]; advances pos. Returns kReplacement
// for any ill-formed sequence and consumes only the bytes that belonged to it.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos++);
    if (lead < 0x80) return lead;
    int extra;
    char32_t cp;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; cp = lead & 0x1Fu; min = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; cp = lead & 0x0Fu; min = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; cp = lead & 0x07u; min = 0x10000; }
    else return kReplacement;
    // The second byte's range rules out overlongs, surrogates and values past
    // U+10FFFF early, so each maximal ill-formed subpart becomes one replacement.
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead == 0xE0) lo = 0xA0;
    else if (lead == 0xED) hi = 0x9F;
    else if (lead == 0xF0) lo = 0x90;
    else if (lead == 0xF4) hi = 0x8F;
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size()) return kReplacement;
        unsigned char b = byte(pos);
        if (i == 0 ? (b < lo || b > hi) : (b & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (b & 0x3Fu);
        ++pos;
    }
    if (cp < min || !IsScalarValue(cp)) return kReplacement;
    return cp;
}

// Reads one code point from a sequence of 16-bit units; lone surrogates become kReplacement.
template <typename Unit>
char32_t DecodeUtf16(const Unit* units, std::size_t size, std::size_t& pos) {
    char32_t u = static_cast<char32_t>(units[pos++]) & 0xFFFFu;
    if (u >= 0xD800 && u <= 0xDBFF) {
        if (pos < size) {
            char32_t low = static_cast<char32_t>(units[pos]) & 0xFFFFu;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++pos;
                return 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        return kReplacement;
    }
    if (u >= 0xDC00 && u <= 0xDFFF) return kReplacement;
    return u;
}

char32_t NextWide(std::wstring_view text, std::size_t& pos) {
    if constexpr (sizeof(wchar_t) == 2) {
        return DecodeUtf16(text.data(), text.size(), pos);
    } else {
        char32_t cp = static_cast<char32_t>(text[pos++]);
        return IsScalarValue(cp) ? cp : kReplacement;
    }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (!IsScalarValue(cp)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if (!IsScalarValue(cp)) cp = kReplacement;
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(cp);
}

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) AppendUtf8(out, NextWide(text, pos));
    return out;
}

std::wstring Utf8ToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) AppendCodePoint(out, DecodeUtf8(text, pos));
    return out;
}

std::u16string WideToUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = NextWide(text, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::wstring Utf16ToWide(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) AppendCodePoint(out, DecodeUtf16(text.data(), text.size(), pos));
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t start = pos;
        char32_t cp = DecodeUtf8(bytes, pos);
        if (cp == kReplacement) {
            // A literal U+FFFD (EF BF BD) is valid; anything else that decoded to it is not.
            if (pos - start != 3 || static_cast<unsigned char>(bytes[start]) != 0xEF) return false;
        }
    }
    return true;
}

}  // namespace utf
