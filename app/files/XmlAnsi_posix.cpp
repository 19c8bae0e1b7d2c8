// Outside Windows there is no ANSI code page; Windows-1252 is what such files
// usually come in.
#include "XmlEncoding.h"

namespace xml {

std::wstring DecodeSystemAnsi(std::string_view bytes) {
    std::wstring out;
    DecodeSingleByte(Encoding::kWindows1252, bytes, out);
    return out;
}

const wchar_t* SystemAnsiName() { return L"windows-1252"; }

}  // namespace xml
