#include "WinFolderSystem.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

bool WinFolderSystem::IsDirectory(const CString& path) { return PathIsDirectoryW(path) != FALSE; }

MakeFolderResult WinFolderSystem::MakeFolder(const CString& path) {
    SetLastError(0);
    if (CreateDirectoryW(path, nullptr)) return MakeFolderResult::Created;
    return GetLastError() == ERROR_ALREADY_EXISTS ? MakeFolderResult::AlreadyExists : MakeFolderResult::Failed;
}

bool WinFolderSystem::DocumentsFolder(CString& path) {
    wchar_t buffer[MAX_PATH + 1] = {};  // undefined after a failure, so never read then
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, buffer))) return false;
    buffer[MAX_PATH] = L'\0';
    path = buffer;
    return true;
}
