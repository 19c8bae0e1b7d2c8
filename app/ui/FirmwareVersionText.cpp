#include "FirmwareVersionText.h"

#include <string>

CString FirmwareVersionText(int release) {
    static const wchar_t kDigits[] = L"0123456789abcdef";
    auto value = static_cast<unsigned>(release);
    std::wstring hex;
    do {
        hex.insert(hex.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (hex.size() < 3) hex.insert(hex.begin(), L'0');
    const size_t minorAt = hex.size() - 2;
    return CString((L"v" + hex.substr(0, minorAt) + L"." + hex.substr(minorAt)).c_str());
}
