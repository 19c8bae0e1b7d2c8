#include "ModulePath.h"

CString FolderOfPath(const CString& modulePath) {
    int backslash = modulePath.ReverseFind(L'\\');
    int slash = modulePath.ReverseFind(L'/');
    int last = backslash > slash ? backslash : slash;
    return last < 0 ? CString() : modulePath.Left(last + 1);
}
