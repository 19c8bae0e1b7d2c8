#pragma once
// Interface texts by id from the language file of a language. The file is read at
// every lookup (no cache), so an edited file takes effect at the next lookup.
#include "CString.h"

class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    // The text of key "%d" of `id` in `section`; empty when the file, the section or
    // the key is missing.
    virtual CString ReadText(const CString& file, const CString& section, int id) = 0;
};

// Reads language files with the portable parser (LanguageFile.h).
class LanguageFileReader : public ProfileReader {
public:
    CString ReadText(const CString& file, const CString& section, int id) override;
};

// <program folder>language\<language>.lan
CString LanguageFilePath(const CString& programFolder, int language);

// The text cut to the language file limit; empty when there is none.
CString LookupText(ProfileReader& reader, const CString& programFolder, int language, const CString& section, int id);
