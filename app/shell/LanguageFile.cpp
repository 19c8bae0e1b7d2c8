#include "LanguageFile.h"

#include <cstdint>
#include <string_view>

#include "Utf.h"

namespace language {
namespace {

std::wstring DecodeUtf16(const std::string& bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        auto lo = static_cast<std::uint8_t>(bytes[bigEndian ? i + 1 : i]);
        auto hi = static_cast<std::uint8_t>(bytes[bigEndian ? i : i + 1]);
        units.push_back(static_cast<char16_t>(lo | (hi << 8)));
    }
    return utf::Utf16ToWide(units);
}

bool StartsWith(const std::string& bytes, std::string_view mark) {
    return bytes.compare(0, mark.size(), mark) == 0;
}

std::wstring DecodeFile(const std::string& bytes) {
    if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16(bytes, false);
    if (StartsWith(bytes, "\xFE\xFF")) return DecodeUtf16(bytes, true);
    std::string_view text(bytes);
    if (StartsWith(bytes, "\xEF\xBB\xBF")) text.remove_prefix(3);
    return utf::Utf8ToWide(text);
}

// The profile reader's notion of blank: ASCII white space plus ^Z, which old editors
// left at the end of files. Other Unicode spaces are text.
bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A; }

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

// Lookups ask for "%d" of the id, so only that exact spelling names an id:
// "05", "+5" or " 5x" are other keys.
bool ParseId(std::wstring_view key, int& id) {
    bool negative = !key.empty() && key.front() == L'-';
    std::wstring_view digits = negative ? key.substr(1) : key;
    if (digits.empty() || digits.size() > 10) return false;
    if (digits.size() > 1 && digits.front() == L'0') return false;
    if (negative && digits == L"0") return false;
    long long value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return false;
    id = static_cast<int>(value);
    return true;
}

// As the profile reader returns a value: up to an embedded NUL, one pair of matching
// surrounding quotes removed, at most kMaxTextLength characters.
CString CleanValue(std::wstring_view value) {
    std::size_t nul = value.find(L'\0');
    if (nul != std::wstring_view::npos) value = value.substr(0, nul);
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > static_cast<std::size_t>(kMaxTextLength)) value = value.substr(0, kMaxTextLength);
    return CString(value.data(), value.size());
}

// A line "[name]" opens a section; the name runs to the line's last ']'.
bool SectionName(std::wstring_view line, std::wstring_view& name) {
    if (line.empty() || line.front() != L'[') return false;
    std::size_t close = line.rfind(L']');
    if (close == 0 || close == std::wstring_view::npos) return false;
    name = line.substr(1, close - 1);
    return true;
}

class SectionParser {
public:
    SectionParser(std::wstring_view wanted, std::map<int, CString>& out) : m_wanted(wanted), m_out(out) {}

    // Returns false once the wanted section has ended: later sections of the same
    // name are not read, as with the Windows reader.
    bool Line(std::wstring_view line) {
        std::wstring_view name;
        if (SectionName(line, name)) {
            if (m_inside) return false;
            m_inside = SameName(name, m_wanted);  // compared untrimmed, as Windows does
            return true;
        }
        if (m_inside) Entry(line);
        return true;
    }

private:
    void Entry(std::wstring_view line) {
        std::size_t eq = line.find(L'=');
        std::wstring_view key = Trim(line.substr(0, eq));
        int id = 0;
        if (!ParseId(key, id)) return;
        // A key without '=' exists with an empty text, and as the first occurrence it still wins.
        CString text = eq == std::wstring_view::npos ? CString() : CleanValue(Trim(line.substr(eq + 1)));
        m_out.emplace(id, std::move(text));
    }

    std::wstring_view m_wanted;
    std::map<int, CString>& m_out;
    bool m_inside = false;
};

bool IsLineBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

}  // namespace

std::map<int, CString> ParseSection(const std::string& fileBytes, const CString& section) {
    std::map<int, CString> texts;
    const std::wstring text = DecodeFile(fileBytes);
    std::wstring_view wanted = Trim(section.str());
    SectionParser parser(wanted, texts);
    std::wstring_view rest(text);
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsLineBreak(rest[end])) ++end;
        if (!parser.Line(Trim(rest.substr(0, end)))) break;
        while (end < rest.size() && IsLineBreak(rest[end])) ++end;
        rest.remove_prefix(end);
    }
    return texts;
}

}  // namespace language
