#pragma once
// The byte form in which the mouse keeps macro names: the system's ANSI code
// page. One character may take one byte or, in the double-byte code pages of
// East Asian systems, two; a name is only ever cut between characters.
#include <string>

#include "Packet.h"

namespace codec {

class NameCodePage {
public:
    virtual ~NameCodePage() = default;
    // The bytes of one character; empty when the code page lacks it.
    virtual std::string EncodeChar(char32_t ch) const = 0;
    virtual std::wstring Decode(Bytes bytes) const = 0;
};

// Windows-1252, available everywhere.
const NameCodePage& Windows1252();
// The system's ANSI code page on Windows; Windows-1252 where there is no such thing.
const NameCodePage& SystemCodePage();

// The bytes of `text` in `page`, at most `limit` of them, cut before the first
// character that does not fit whole. Characters the page lacks become '?'.
std::string EncodeName(const std::wstring& text, std::size_t limit, const NameCodePage& page);

}  // namespace codec
