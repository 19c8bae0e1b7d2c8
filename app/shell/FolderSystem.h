#pragma once
// The few folder operations of start-up, so that the folder logic runs without Windows.
#include "CString.h"

enum class MakeFolderResult { Created, AlreadyExists, Failed };

class FolderSystem {
public:
    virtual ~FolderSystem() = default;
    virtual bool IsDirectory(const CString& path) = 0;
    // One folder; its parent must exist.
    virtual MakeFolderResult MakeFolder(const CString& path) = 0;
    // The user's documents folder; false when the system cannot say.
    virtual bool DocumentsFolder(CString& path) = 0;
};
