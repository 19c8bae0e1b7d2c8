#include "NodicVersion.h"

#include <cstdio>

#include "NodicCommands.h"

namespace nodic {
namespace {

constexpr int kSecondVersionLength = 18;

}  // namespace

CString FormatVersion(int high, int low) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%x%02x", static_cast<unsigned>(high & 0xFF), static_cast<unsigned>(low & 0xFF));
    CString text;
    for (const char* p = digits; *p; ++p) {
        if (p != digits) text += L'.';
        text += static_cast<wchar_t>(*p);
    }
    return text;
}

std::optional<CString> DecodeVersion(const Answer& a) {
    if (!a.Valid(command::kVersion.minAnswer)) return std::nullopt;
    CString text = FormatVersion(a.Byte(9), a.Byte(8));
    bool second = a.Byte(16) || a.Byte(17) || a.Byte(18) || a.Byte(19);
    if (a.Valid(kSecondVersionLength) && second) {
        text += L" -- ";
        text += FormatVersion(a.Byte(21), a.Byte(20));
    }
    return text;
}

}  // namespace nodic
