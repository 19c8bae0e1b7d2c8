#include "UserFolders.h"

#include "Product.h"
#include "TextFormat.h"

CString UserFolders::DataFolder() {
    CString documents;
    if (!m_system.DocumentsFolder(documents)) return CString();
    int nul = documents.Find(L'\0');
    if (nul >= 0) documents = documents.Left(nul);
    if (documents.IsEmpty()) return CString();
    // A drive root already ends with its backslash.
    if (documents.GetAt(documents.GetLength() - 1) == L'\\') documents = documents.Left(documents.GetLength() - 1);
    return documents + FormatText(L"\\%s Files\\", {product::kName});
}

bool UserFolders::CreateDirectoryTree(const CString& path) {
    if (path.IsEmpty()) return false;
    if (m_system.IsDirectory(path)) return true;
    int slash = path.Find(L'\\');
    if (slash >= 0) {
        for (slash = path.Find(L'\\', slash + 1); slash >= 0; slash = path.Find(L'\\', slash + 1))
            m_system.MakeFolder(path.Left(slash));  // a folder that cannot be made fails the last step
    }
    MakeFolderResult made = m_system.MakeFolder(path);
    // "Already exists" is also the answer when a file has the name: that is no folder.
    return made == MakeFolderResult::Created || (made == MakeFolderResult::AlreadyExists && m_system.IsDirectory(path));
}

bool UserFolders::CreateDatabaseFolder() {
    CString data = DataFolder();
    if (data.IsEmpty()) return false;
    return CreateDirectoryTree(data + L"db");
}
