#include "File.h"

#include <cstdio>
#include <memory>

#include "Utf.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace file {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { if (f) std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenFile(const CString& path, bool write) {
#ifdef _WIN32
    return FilePtr(_wfopen(path.GetString(), write ? L"wb" : L"rb"));
#else
    return FilePtr(std::fopen(NativeUtf8(path).c_str(), write ? "wb" : "rb"));
#endif
}

bool StatPath(const CString& path, bool& isDir) {
#ifdef _WIN32
    struct _stat64 st;
    if (_wstat64(path.GetString(), &st) != 0) return false;
    isDir = (st.st_mode & _S_IFDIR) != 0;
#else
    struct stat st;
    if (stat(NativeUtf8(path).c_str(), &st) != 0) return false;
    isDir = S_ISDIR(st.st_mode);
#endif
    return true;
}

}  // namespace

std::string NativeUtf8(const CString& path) { return utf::WideToUtf8(path.str()); }

wchar_t Separator() {
#ifdef _WIN32
    return L'\\';
#else
    return L'/';
#endif
}

CString Join(const CString& a, const CString& b) {
    if (a.IsEmpty()) return b;
    wchar_t last = a.GetAt(a.GetLength() - 1);
    if (last == L'\\' || last == L'/') return a + b;
    return a + CString(1, Separator()) + b;
}

bool ReadAll(const CString& path, std::string& out) {
    out.clear();
    FilePtr f = OpenFile(path, false);
    if (!f) return false;
    char buffer[16384];
    for (;;) {
        std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
        out.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(f.get())) {
        out.clear();
        return false;
    }
    return true;
}

bool WriteAll(const CString& path, const std::string& bytes) {
    CString temp = path + L".tmp";
    {
        FilePtr f = OpenFile(temp, true);
        if (!f) return false;
        bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
        ok = (std::fflush(f.get()) == 0) && ok;
        if (!ok) {
            f.reset();
            Remove(temp);
            return false;
        }
    }
#ifdef _WIN32
    _wremove(path.GetString());
    bool renamed = _wrename(temp.GetString(), path.GetString()) == 0;
#else
    bool renamed = std::rename(NativeUtf8(temp).c_str(), NativeUtf8(path).c_str()) == 0;
#endif
    if (!renamed) Remove(temp);
    return renamed;
}

bool Exists(const CString& path) {
    bool isDir = false;
    return StatPath(path, isDir);
}

bool IsDirectory(const CString& path) {
    bool isDir = false;
    return StatPath(path, isDir) && isDir;
}

bool MakeDirectory(const CString& path) {
    if (IsDirectory(path)) return true;
#ifdef _WIN32
    _wmkdir(path.GetString());
#else
    mkdir(NativeUtf8(path).c_str(), 0755);
#endif
    return IsDirectory(path);
}

bool Remove(const CString& path) {
#ifdef _WIN32
    return _wremove(path.GetString()) == 0;
#else
    return std::remove(NativeUtf8(path).c_str()) == 0;
#endif
}

}  // namespace file
