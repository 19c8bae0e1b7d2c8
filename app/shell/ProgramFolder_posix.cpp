#include <unistd.h>

#include <vector>

#include "AppPaths.h"
#include "ModulePath.h"
#include "Utf.h"

CString GetProgramFolder() {
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return CString();
    return FolderOfPath(CString(utf::Utf8ToWide(std::string_view(buffer.data(), static_cast<std::size_t>(n)))));
}
