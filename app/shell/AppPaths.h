#pragma once
// Folders the program reads from and writes to.
#include "CString.h"

// The folder of the running executable, with a trailing separator.
CString GetProgramFolder();

#ifdef _WIN32
// <program folder>skins\<theme>
CString GetSkinFolder();
// <documents>\Corvane Files\ (empty when the documents folder is unknown).
CString GetDocumentsFolder();
bool CreateDirectoryTree(const CString& path);
#endif
