#pragma once
#include "CString.h"

// The folder part of a module's full path, ending with its separator ('\' or '/');
// empty when the path has no folder part.
CString FolderOfPath(const CString& modulePath);
