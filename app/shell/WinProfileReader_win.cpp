#include "WinProfileReader.h"

#include <windows.h>

#include "LanguageFile.h"
#include "TextFormat.h"

CString WinProfileReader::ReadText(const CString& file, const CString& section, int id) {
    wchar_t buffer[language::kMaxTextLength + 1] = {};
    CString key = FormatText(L"%d", {id});
    GetPrivateProfileStringW(section, key, L"", buffer, language::kMaxTextLength + 1, file);
    return CString(buffer);
}
