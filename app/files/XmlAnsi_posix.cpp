// Outside Windows there is no ANSI code page; Windows-1252 is what such files
// usually come in.
#include <array>

#include "XmlEncoding.h"

namespace xml {
namespace {

// Windows-1252 from 0x80 to 0x9F. The five unassigned bytes map to the C1 control
// of the same value, as the Windows converter does; every other byte is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::wstring DecodeSystemAnsi(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += static_cast<wchar_t>(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

const wchar_t* SystemAnsiName() { return L"windows-1252"; }

}  // namespace xml
