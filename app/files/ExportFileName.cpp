#include "ExportFileName.h"

#include "File.h"

namespace {

// Room for "-<tick>.xml" under the 255 characters of a file name.
constexpr int kMaxNameLength = 200;

bool IsRefused(wchar_t ch) {
    if (ch < 0x20 || ch == 0x7F) return true;
    switch (ch) {
    case L'\\': case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|':
        return true;
    default:
        return false;
    }
}

bool IsTrimmed(wchar_t ch) { return ch == L'.' || ch == L' '; }

wchar_t AsciiUpper(wchar_t ch) { return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - L'a' + L'A') : ch; }

// Windows opens a device for these names whatever extension follows them, and
// ignores blanks before that extension. The superscript digits count as digits.
bool IsReservedDeviceName(const std::wstring& name) {
    std::size_t end = name.find(L'.');
    if (end == std::wstring::npos) end = name.size();
    while (end > 0 && name[end - 1] == L' ') --end;
    std::wstring stem;
    for (std::size_t i = 0; i < end; ++i) stem += AsciiUpper(name[i]);
    static const wchar_t* const kNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* reserved : kNames) {
        if (stem == reserved) return true;
    }
    if (stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0)) {
        wchar_t digit = stem[3];
        return (digit >= L'0' && digit <= L'9') || digit == 0x00B9 || digit == 0x00B2 || digit == 0x00B3;
    }
    return false;
}

}  // namespace

CString SafeFileNamePart(const CString& name) {
    std::wstring safe;
    for (wchar_t ch : name.str()) safe += IsRefused(ch) ? L'_' : ch;
    if (safe.size() > static_cast<std::size_t>(kMaxNameLength)) {
        std::size_t cut = kMaxNameLength;
        // Never split a surrogate pair (16-bit wide characters).
        if (sizeof(wchar_t) == 2 && safe[cut - 1] >= 0xD800 && safe[cut - 1] <= 0xDBFF) --cut;
        safe.resize(cut);
    }
    while (!safe.empty() && IsTrimmed(safe.back())) safe.pop_back();
    if (safe.empty()) return CString(L"_");
    if (IsReservedDeviceName(safe)) safe.insert(safe.begin(), L'_');
    return CString(safe);
}

CString ExportFilePath(const CString& folder, const CString& name, std::uint32_t tick) {
    CString fileName = SafeFileNamePart(name) + L"-" + std::to_wstring(static_cast<std::int32_t>(tick)) + L".xml";
    return file::Join(folder, fileName);
}
