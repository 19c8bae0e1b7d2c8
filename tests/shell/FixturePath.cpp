#include "FixturePath.h"

#include "Utf.h"

CString FixturePath(const wchar_t* relative) {
    std::wstring path = utf::Utf8ToWide(MIREVO_SOURCE_DIR) + L"/tests/shell/fixtures/" + relative;
#ifdef _WIN32
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
#endif
    return CString(path);
}
