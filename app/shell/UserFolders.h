#pragma once
// The per-user data folder (<documents>\Corvane Files\) and the creation of folder trees.
#include "CString.h"
#include "FolderSystem.h"

class UserFolders {
public:
    explicit UserFolders(FolderSystem& system) : m_system(system) {}

    // Ends with a backslash; empty when the documents folder is unknown.
    CString DataFolder();
    // Creates `path` and every missing folder above it, never the drive part before the
    // first backslash. True when the folder exists afterwards; false when a file stands
    // where the folder or one above it should be.
    bool CreateDirectoryTree(const CString& path);
    // Creates <data folder>\db. Without a documents folder nothing is created, so the
    // failure shows up later as a database that cannot be opened.
    bool CreateDatabaseFolder();

private:
    FolderSystem& m_system;
};
