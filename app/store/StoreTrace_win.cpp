#include <windows.h>

#include "StoreTrace.h"

void DefaultStoreTrace(const CString& note) {
    OutputDebugStringW((L"Mirevo store: " + note.str() + L"\n").c_str());
}
