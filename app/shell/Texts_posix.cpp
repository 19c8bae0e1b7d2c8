#include "Texts.h"

#include "AppPaths.h"
#include "CurrentLanguage.h"
#include "TextLookup.h"

CString GetText(const CString& section, int id) {
    LanguageFileReader reader;
    return LookupText(reader, GetProgramFolder(), CurrentLanguage.load(), section, id);
}
