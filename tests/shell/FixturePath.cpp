#include "FixturePath.h"

#include "Utf.h"
#include "TestPaths.h"

namespace {

// A path of the build machine as this platform's programs see it.
CString HostPath(std::wstring path) {
#ifdef _WIN32
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
#endif
    return CString(path);
}

}  // namespace

CString FixturePath(const wchar_t* relative) {
    return HostPath(utf::Utf8ToWide(testpaths::Source("tests/shell/fixtures/")) + relative);
}

CString ShippedFolder() { return HostPath(utf::Utf8ToWide(testpaths::Build("dist/"))); }
