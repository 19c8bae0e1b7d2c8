// The platform converter on Windows: the code pages of MultiByteToWideChar and
// WideCharToMultiByte. Encoding names are the ones Windows itself gives its code
// pages (with their common aliases), plus "windows-N", "cpN", "ibmN" and
// "x-cpN" for any code page number; a code page the system cannot convert
// counts as unknown.
#include <windows.h>

#include <climits>
#include <cstdlib>
#include <cwchar>

#include "XmlEncoding.h"

namespace xml {
namespace {

struct NamedCodePage {
    const wchar_t* name;  // lower case, '_' written as '-'
    unsigned codePage;
};

constexpr NamedCodePage kNames[] = {
    // Chinese, Japanese, Korean
    {L"shift-jis", 932}, {L"shiftjis", 932}, {L"sjis", 932}, {L"x-sjis", 932}, {L"ms-kanji", 932},
    {L"csshiftjis", 932}, {L"windows-31j", 932}, {L"x-ms-cp932", 932},
    {L"euc-jp", 20932}, {L"x-euc-jp", 20932}, {L"cseucpkdfmtjapanese", 20932},
    {L"iso-2022-jp", 50220}, {L"csiso2022jp", 50221},
    {L"gb2312", 936}, {L"gbk", 936}, {L"x-gbk", 936}, {L"cp936", 936}, {L"csgb2312", 936}, {L"chinese", 936},
    {L"gb2312-80", 936}, {L"iso-ir-58", 936}, {L"euc-cn", 936}, {L"x-euc-cn", 936},
    {L"gb18030", 54936}, {L"hz-gb-2312", 52936},
    {L"big5", 950}, {L"big5-hkscs", 950}, {L"cn-big5", 950}, {L"csbig5", 950}, {L"x-x-big5", 950},
    {L"euc-kr", 949}, {L"ks-c-5601-1987", 949}, {L"ks-c-5601-1989", 949}, {L"ks-c-5601", 949}, {L"ksc5601", 949},
    {L"korean", 949}, {L"csksc56011987", 949}, {L"iso-ir-149", 949}, {L"uhc", 949}, {L"cseuckr", 949},
    {L"iso-2022-kr", 50225}, {L"csiso2022kr", 50225}, {L"johab", 1361},
    // ISO 8859 and other 8-bit sets
    {L"iso-8859-1", 28591}, {L"iso8859-1", 28591}, {L"latin1", 28591}, {L"l1", 28591}, {L"iso-ir-100", 28591},
    {L"csisolatin1", 28591}, {L"iso-8859-2", 28592}, {L"iso8859-2", 28592}, {L"latin2", 28592}, {L"l2", 28592},
    {L"iso-8859-3", 28593}, {L"iso8859-3", 28593}, {L"latin3", 28593}, {L"iso-8859-4", 28594},
    {L"iso8859-4", 28594}, {L"latin4", 28594}, {L"iso-8859-5", 28595}, {L"iso8859-5", 28595},
    {L"cyrillic", 28595}, {L"iso-8859-6", 28596}, {L"iso8859-6", 28596}, {L"arabic", 28596},
    {L"iso-8859-7", 28597}, {L"iso8859-7", 28597}, {L"greek", 28597}, {L"iso-8859-8", 28598},
    {L"iso8859-8", 28598}, {L"hebrew", 28598}, {L"iso-8859-8-i", 38598}, {L"iso-8859-9", 28599},
    {L"iso8859-9", 28599}, {L"latin5", 28599}, {L"l5", 28599}, {L"iso-8859-11", 874}, {L"tis-620", 874},
    {L"iso-8859-13", 28603}, {L"iso8859-13", 28603}, {L"iso-8859-15", 28605}, {L"iso8859-15", 28605},
    {L"latin9", 28605}, {L"latin-9", 28605},
    {L"us-ascii", 20127}, {L"ascii", 20127}, {L"us", 20127}, {L"iso646-us", 20127}, {L"ansi-x3.4-1968", 20127},
    {L"csascii", 20127},
    {L"koi8-r", 20866}, {L"koi8r", 20866}, {L"cskoi8r", 20866}, {L"koi8-u", 21866}, {L"koi8-ru", 21866},
    {L"macintosh", 10000}, {L"mac", 10000}, {L"x-mac-roman", 10000}, {L"x-mac-japanese", 10001},
    {L"x-mac-chinesetrad", 10002}, {L"x-mac-korean", 10003}, {L"x-mac-arabic", 10004},
    {L"x-mac-hebrew", 10005}, {L"x-mac-greek", 10006}, {L"x-mac-cyrillic", 10007},
    {L"x-mac-chinesesimp", 10008}, {L"x-mac-romanian", 10010}, {L"x-mac-ukrainian", 10017},
    {L"x-mac-thai", 10021}, {L"x-mac-ce", 10029}, {L"x-mac-icelandic", 10079}, {L"x-mac-turkish", 10081},
    {L"x-mac-croatian", 10082},
    {L"asmo-708", 708}, {L"dos-720", 720}, {L"dos-862", 862}, {L"ibm00858", 858}, {L"utf-7", 65000},
};

wchar_t Lower(wchar_t ch) {
    if (ch >= L'A' && ch <= L'Z') return static_cast<wchar_t>(ch - L'A' + L'a');
    return ch == L'_' ? L'-' : ch;
}

// "windows-1251", "cp866", "ibm437", "x-cp20949": any code page by number.
unsigned NumberedCodePage(const std::wstring& name) {
    for (const wchar_t* prefix : {L"windows-", L"x-cp", L"cp-", L"cp", L"ibm-", L"ibm", L"ms"}) {
        std::size_t n = std::wcslen(prefix);
        if (name.compare(0, n, prefix) != 0 || name.size() == n || name.size() > n + 5) continue;
        unsigned value = 0;
        for (std::size_t i = n; i < name.size(); ++i) {
            if (name[i] < L'0' || name[i] > L'9') return 0;
            value = value * 10 + static_cast<unsigned>(name[i] - L'0');
        }
        return value;
    }
    return 0;
}

unsigned CodePageOf(std::wstring_view written) {
    std::wstring name;
    for (wchar_t ch : written) name += Lower(ch);
    for (const NamedCodePage& n : kNames) {
        if (name == n.name) return n.codePage;
    }
    return NumberedCodePage(name);
}

// Code pages whose converters accept no flags and report no lost characters.
bool TakesNoFlags(unsigned cp) {
    return cp == 42 || (cp >= 50220 && cp <= 50229) || (cp >= 57002 && cp <= 57011) || cp == 65000;
}
bool ReportsNoDefaultUse(unsigned cp) { return TakesNoFlags(cp) || cp == 54936 || cp == 65001; }

unsigned CodePageNumber(const std::string& id) { return static_cast<unsigned>(std::strtoul(id.c_str(), nullptr, 10)); }

int ToWide(unsigned cp, DWORD flags, const char* bytes, int size, std::wstring* out) {
    int length = MultiByteToWideChar(cp, flags, bytes, size, nullptr, 0);
    if (length <= 0 || !out) return length;
    std::size_t at = out->size();
    out->resize(at + static_cast<std::size_t>(length));
    return MultiByteToWideChar(cp, flags, bytes, size, out->data() + at, length);
}

// Converts `text` (one or more characters); true when every one had a counterpart.
bool ToBytes(unsigned cp, const wchar_t* text, int size, std::string& out) {
    BOOL usedDefault = FALSE;
    DWORD flags = TakesNoFlags(cp) || cp == 54936 || cp == 65001 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* used = ReportsNoDefaultUse(cp) ? nullptr : &usedDefault;
    int length = WideCharToMultiByte(cp, flags, text, size, nullptr, 0, nullptr, used);
    if (length <= 0) return false;
    std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    WideCharToMultiByte(cp, flags, text, size, out.data() + at, length, nullptr, used);
    return !usedDefault;
}

}  // namespace

std::optional<CodePageConverter> CodePageConverter::Find(std::wstring_view name) {
    unsigned cp = CodePageOf(name);
    // The 16- and 32-bit Unicode forms are no code pages of these functions.
    if (cp == 0 || cp == 1200 || cp == 1201 || cp == 12000 || cp == 12001 || !IsValidCodePage(cp)) return std::nullopt;
    if (ToWide(cp, 0, "a", 1, nullptr) <= 0) return std::nullopt;
    return CodePageConverter(std::wstring(name), std::to_string(cp));
}

std::size_t CodePageConverter::Decode(std::string_view bytes, std::wstring& out) const {
    if (bytes.empty()) return 0;
    unsigned cp = CodePageNumber(m_platformId);
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return bytes.size();
    int size = static_cast<int>(bytes.size());
    if (TakesNoFlags(cp)) {
        ToWide(cp, 0, bytes.data(), size, &out);
        return 0;
    }
    if (ToWide(cp, MB_ERR_INVALID_CHARS, bytes.data(), size, &out) > 0) return 0;
    // Some bytes are no character: convert one character at a time (a character
    // is at most four bytes in any code page) and replace what is left over.
    std::size_t lost = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        int used = 0;
        for (int n = 1; n <= 4 && i + static_cast<std::size_t>(n) <= bytes.size() && used == 0; ++n) {
            if (ToWide(cp, MB_ERR_INVALID_CHARS, bytes.data() + i, n, &out) > 0) used = n;
        }
        if (used == 0) {
            out += static_cast<wchar_t>(0xFFFD);
            ++lost;
            used = 1;
        }
        i += static_cast<std::size_t>(used);
    }
    return lost;
}

std::size_t CodePageConverter::Encode(std::wstring_view text, std::string& out) const {
    if (text.empty()) return 0;
    unsigned cp = CodePageNumber(m_platformId);
    if (text.size() > static_cast<std::size_t>(INT_MAX / 4)) return text.size();
    std::size_t start = out.size();
    if (ToBytes(cp, text.data(), static_cast<int>(text.size()), out)) return 0;
    // Count what was lost one character (or surrogate pair) at a time.
    out.resize(start);
    std::size_t lost = 0;
    for (std::size_t i = 0; i < text.size();) {
        int n = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        std::size_t before = out.size();
        if (!ToBytes(cp, text.data() + i, n, out)) {
            out.resize(before);
            ToBytes(cp, L"?", 1, out);
            ++lost;
        }
        i += static_cast<std::size_t>(n);
    }
    return lost;
}

}  // namespace xml
