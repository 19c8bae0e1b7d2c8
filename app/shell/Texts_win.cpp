#include "Texts.h"

#include "AppPaths.h"
#include "CurrentLanguage.h"
#include "WinProfileReader.h"

CString GetText(const CString& section, int id) {
    WinProfileReader reader;
    return LookupText(reader, GetProgramFolder(), CurrentLanguage.load(), section, id);
}
