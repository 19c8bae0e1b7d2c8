#pragma once
#include "FolderSystem.h"

class WinFolderSystem : public FolderSystem {
public:
    bool IsDirectory(const CString& path) override;
    MakeFolderResult MakeFolder(const CString& path) override;
    bool DocumentsFolder(CString& path) override;
};
