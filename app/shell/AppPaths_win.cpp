#include "AppPaths.h"

#include <windows.h>

#include <vector>

#include "Manager.h"
#include "ModulePath.h"
#include "UserFolders.h"
#include "WinFolderSystem.h"

CString GetProgramFolder() {
    // A path longer than MAX_PATH would otherwise be cut silently and every later path
    // would be wrong, so grow the buffer until the whole name fits.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return CString();
        if (length < size) return FolderOfPath(CString(buffer.data(), length));
    }
    return CString();
}

CString GetSkinFolder() { return GetProgramFolder() + L"skins\\" + Kelvo::Manager::GetTheme(); }

CString GetDocumentsFolder() {
    WinFolderSystem system;
    return UserFolders(system).DataFolder();
}

bool CreateDirectoryTree(const CString& path) {
    WinFolderSystem system;
    return UserFolders(system).CreateDirectoryTree(path);
}
