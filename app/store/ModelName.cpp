#include "ModelName.h"

#include <string>

namespace {

wchar_t Upper(wchar_t ch) { return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - L'a' + L'A') : ch; }

bool IsReservedDeviceName(std::wstring_view name) {
    // Windows takes the part before the first dot, ignoring trailing blanks.
    std::wstring stem(name.substr(0, name.find(L'.')));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    for (wchar_t& ch : stem) ch = Upper(ch);
    for (const wchar_t* reserved : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (stem == reserved) return true;
    }
    bool numbered = stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT"));
    return numbered && stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

bool IsSafeModelName(const CString& name) {
    const std::wstring& s = name.str();
    if (s.find(L"..") != std::wstring::npos) return false;
    for (wchar_t ch : s) {
        if (ch < 0x20 || ch == L'/' || ch == L'\\' || ch == L':' || ch == L'*' || ch == L'?' || ch == L'"' ||
            ch == L'<' || ch == L'>' || ch == L'|') {
            return false;
        }
    }
    return !IsReservedDeviceName(s);
}
