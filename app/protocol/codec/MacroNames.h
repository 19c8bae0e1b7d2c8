#pragma once
// Macro names on the mouse: the name packet, the name read back, the default-name
// prefix of the two interface languages, and finding the stored macro a name
// read back belongs to.
#include <optional>
#include <span>

#include "CString.h"
#include "MacroRecords.h"
#include "NameCodePage.h"
#include "Packet.h"

namespace codec {

inline constexpr int kLanguageEnglish = 1033;
inline constexpr int kLanguageSecond = 1055;

// How names are written for the current interface.
struct MacroNaming {
    int language = kLanguageEnglish;
    CString defaultWord;  // language text 351: the default-name prefix of the interface
    const NameCodePage* codePage = nullptr;  // null: the system's code page
};

// The most name bytes a packet carries: 61 in a feature report; 60 in an output
// report, whose last byte the transfer always sends as zero.
std::size_t NameLimit(Dialect d);

// A name that starts with the other language's default prefix ("Custom" or the
// three-character Chinese word) gets the current language's text 351 instead.
CString LocaliseMacroName(const CString& name, const MacroNaming& naming);

// 0x52 0x53 / 0xB3 0x53: byte 2 button, byte 3 length n, bytes 4.. the localised
// name in the code page, cut on a character boundary to the dialect's limit.
Packet MacroNamePacket(Dialect d, int button, const CString& name, const MacroNaming& naming);

// Answer of 0x52 0x63 / 0xB3 0x63 (byte 3 length, bytes 4.. name), localised.
// Empty when the answer is not one or its length does not fit it.
std::optional<CString> DecodeMacroNameAnswer(Dialect d, Bytes answer, const MacroNaming& naming);

// The first stored macro whose name, written as the upload writes it, is the name
// read back (so a name cut short by the packet still finds its macro). Null for
// no match and for an empty name.
const MacroHeader* FindMacroByName(Dialect d, const CString& nameOnMouse, std::span<const MacroHeader> macros,
                                   const MacroNaming& naming);

}  // namespace codec
