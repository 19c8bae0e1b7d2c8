#pragma once
// File names of exported macros and profiles: "<folder>\<name>-<tick>.xml". The
// name part comes from a macro or profile name the user typed, so it is made
// into a plain file name first: an export never lands outside the chosen
// folder, never opens a device, and never fails on a character Windows refuses.
#include <cstdint>

#include "CString.h"

// The name as one file-name part: path separators, the other characters Windows
// refuses in names (: * ? " < > |) and control characters become '_', trailing
// dots and blanks go, a reserved device name (CON, NUL, COM1, ...) before the
// first dot gets a leading '_', and an overlong name is shortened. Never empty.
CString SafeFileNamePart(const CString& name);

// The export file of `name` in `folder`. `tick` is the millisecond tick of the
// moment of saving, written as a signed number as it always was, so two exports
// of one name never share a file.
CString ExportFilePath(const CString& folder, const CString& name, std::uint32_t tick);
