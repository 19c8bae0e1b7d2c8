#pragma once
// Profile names depend on the interface language, which the shell owns. The
// store asks through this interface so that it needs nothing of the shell;
// the shell implements it over its current language and language file.
#include "CString.h"

class ProfileNaming {
public:
    virtual ~ProfileNaming() = default;
    // LCID of the interface language (1033 English, 1055 Turkish).
    virtual int CurrentLanguage() const = 0;
    // Text 61 of that language: the word for "profile" in the default names.
    virtual CString ProfileWord() const = 0;
};

namespace profile_names {

constexpr int kEnglish = 1033;
// Used when no naming is installed (command-line tools, tests) or its word is empty.
constexpr const wchar_t* kFallbackWord = L"Profile";

// "<word> <number>", the name of a default profile.
CString DefaultName(const CString& word, int number);
// In English, a name stored by an East Asian or Arabic installation ("<word> 2")
// reads as "Profile 2"; other names, and every name in other languages, read as stored.
CString Localise(const CString& stored, int language);

}  // namespace profile_names
