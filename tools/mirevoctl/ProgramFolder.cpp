#include "ProgramFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include "Utf.h"
#endif

CString ProgramFolder() {
#ifdef _WIN32
    wchar_t path[MAX_PATH * 4] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(sizeof path / sizeof path[0]));
    if (n == 0 || n >= sizeof path / sizeof path[0]) return CString();
    CString full(path, n);
    int slash = full.ReverseFind(L'\\');
    return slash < 0 ? CString() : full.Left(slash);
#else
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return CString();
    std::string full(path, static_cast<std::size_t>(n));
    auto slash = full.rfind('/');
    return slash == std::string::npos ? CString() : CString(utf::Utf8ToWide(full.substr(0, slash)));
#endif
}
