#include "BatteryServiceMatch.h"

#include <string>

namespace {

constexpr int kMakerVendorId = 0x248A;

// Four upper-case hexadecimal digits, as device paths write ids.
std::wstring Hex4(int value) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(4, L'0');
    for (int i = 3; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

}  // namespace

CString BatteryServiceMatch(const std::vector<DeviceModeEntry>& modelModes) {
    for (const DeviceModeEntry& mode : modelModes) {
        if (mode.mode_value == kModeBluetooth && mode.vid > 0 && mode.pid > 0) {
            return CString((Hex4(mode.vid) + L"_PID&" + Hex4(mode.pid)).c_str());
        }
    }
    const int vendor = modelModes.empty() || modelModes.front().vid <= 0 ? kMakerVendorId : modelModes.front().vid;
    return CString((Hex4(vendor) + L"_PID").c_str());
}

bool PathMatches(const CString& path, const CString& match) {
    CString upper = path;
    upper.MakeUpper();
    return !match.IsEmpty() && upper.Find(match.GetString()) >= 0;
}
