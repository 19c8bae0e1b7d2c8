#pragma once
// Reads language files with the Windows profile reader.
#include "TextLookup.h"

class WinProfileReader : public ProfileReader {
public:
    CString ReadText(const CString& file, const CString& section, int id) override;
};
