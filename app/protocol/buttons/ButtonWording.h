#pragma once
// How the button sequences word what they store and send: the interface language
// (whose default macro-name prefix replaces the other language's), the language
// texts that name decoded functions, and the code page of names on the mouse.
// Process-wide like the interface language itself: the program sets it when the
// language is chosen, mirevoctl when it starts; the device worker reads it.
#include "ButtonNames.h"
#include "MacroNames.h"

struct ButtonWording {
    int language = codec::kLanguageEnglish;
    // Language texts by id; without it decoded functions are stored without a
    // description and macro names keep their prefix.
    codec::TextLookup texts;
    const codec::NameCodePage* codePage = nullptr;  // null: the system's ANSI code page

    codec::MacroNaming Naming() const;
};

// The default-name prefix of the interface (language text 351).
inline constexpr int kMacroDefaultWordText = 351;

void SetButtonWording(ButtonWording wording);
ButtonWording CurrentButtonWording();
