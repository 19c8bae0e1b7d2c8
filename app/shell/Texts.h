#pragma once
// The interface text `id` of the current language, from the language file beside the
// program: GetText(L"LAN", 61). Empty when the file or the id is missing. Safe to call
// from any thread. A text is never a format: fill its placeholders with FormatText.
#include "CString.h"

CString GetText(const CString& section, int id);
