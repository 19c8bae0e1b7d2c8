#include <windows.h>

#include <climits>

#include "XmlEncoding.h"

namespace xml {

std::wstring DecodeSystemAnsi(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, out.data(), length);
    return out;
}

const wchar_t* SystemAnsiName() { return L"ANSI"; }

}  // namespace xml
