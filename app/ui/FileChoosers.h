#pragma once
// The shell's choosers for the files the user exports and imports: a folder to
// export into and an XML file to import. Both are modal over their owner and
// return nothing when the user cancels.
#include <windows.h>

#include <optional>

#include "CString.h"

// The folder chooser in the new-dialog style, file-system folders only, titled
// `title`.
std::optional<CString> ChooseFolder(HWND owner, const CString& title);

// The Open-file dialog (explorer style, resizable, no read-only box) with the
// single filter "<filterName> (*.xml)". Only a file that exists is returned.
std::optional<CString> ChooseXmlFile(HWND owner, const CString& filterName);
