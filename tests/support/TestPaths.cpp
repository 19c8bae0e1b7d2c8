#include "TestPaths.h"

#include <cstdio>
#include <cstdlib>

namespace testpaths {

namespace {

std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        std::fprintf(stderr, "%s is not set: run this test program through ctest, which sets it\n", name);
        std::fflush(stderr);
        std::exit(3);
    }
    std::string folder(value);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string Joined(const std::string& folder, const std::string& relative) {
    return relative.empty() ? folder : folder + "/" + relative;
}

std::wstring WindowsJoined(const std::string& folder, const std::wstring& relative) {
    std::wstring path = WindowsPath(folder);
    if (relative.empty()) return path;
    path += L'\\';
    for (wchar_t c : relative) path += c == L'/' ? L'\\' : c;
    return path;
}

}  // namespace

const std::string& SourceDir() {
    static const std::string folder = FromEnvironment("MIREVO_SOURCE_DIR");
    return folder;
}

const std::string& BuildDir() {
    static const std::string folder = FromEnvironment("MIREVO_BUILD_DIR");
    return folder;
}

std::string Source(const std::string& relative) { return Joined(SourceDir(), relative); }
std::string Build(const std::string& relative) { return Joined(BuildDir(), relative); }

std::wstring WindowsSource(const std::wstring& relative) { return WindowsJoined(SourceDir(), relative); }
std::wstring WindowsBuild(const std::wstring& relative) { return WindowsJoined(BuildDir(), relative); }

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (wchar_t c : Wide(unixPath)) path += c == L'/' ? L'\\' : c;
    return path;
}

std::wstring Wide(const std::string& path) {
    std::wstring wide;
    wide.reserve(path.size());
    for (unsigned char c : path) wide += static_cast<wchar_t>(c);
    return wide;
}

}  // namespace testpaths
