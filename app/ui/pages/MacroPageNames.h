#pragma once
// How the macro lists show a stored macro name. Names stay in the language they were
// made in; in the English interface the default word and the copy word of the other
// interface languages are shown in English (`defaultWord` is the interface's own).
#include "CString.h"

CString LocalizeMacroName(const CString& stored, int language, const CString& defaultWord);
