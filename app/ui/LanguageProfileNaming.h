#pragma once
// Profile names in the interface language: the store asks for the current language and
// its word for "profile" (text 61) whenever it names or shows a default profile.
#include "CurrentLanguage.h"
#include "ProfileNaming.h"
#include "Texts.h"

class LanguageProfileNaming : public ProfileNaming {
public:
    int CurrentLanguage() const override { return ::CurrentLanguage.load(); }
    CString ProfileWord() const override { return GetText(L"LAN", 61); }
};
